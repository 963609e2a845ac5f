#include "skin/controls/skinaccess.h"

#include <QFontMetrics>
#include <QPainter>

namespace skin {

std::optional<ControlSkin> FetchControlSkin(const TSkinData *data) {
    if (!data || data->SkinLoading())
        return std::nullopt;
    ControlSkin skin;
    skin.Buttons = data->Buttons.get();
    skin.StatusBarEdges = data->StatusBarEdges.get();
    skin.ExtraImages = data->ExtraImages.get();
    skin.ButtonFace = data->ButtonFace;
    skin.ButtonText = data->ButtonText;
    skin.ButtonShadow = data->ButtonShadow;
    return skin;
}

namespace {

int QtTextFlags(unsigned format) {
    int flags = Qt::AlignTop | Qt::AlignAbsolute;
    if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (format & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    if (format & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (format & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    flags |= (format & DT_NOPREFIX) ? Qt::TextHideMnemonic : Qt::TextShowMnemonic;
    return flags;
}

QString LineBreaks(const QString &text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

} // namespace

int SkinDrawText(QPainter &painter, const QString &text, QRect &rect, unsigned format) {
    const int flags = QtTextFlags(format);
    QString shown = LineBreaks(text);
    if (format & DT_SINGLELINE)
        shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QFontMetrics fm = painter.fontMetrics();
    if ((format & DT_END_ELLIPSIS) && !(format & DT_CALCRECT) && !shown.contains(QLatin1Char('\n')))
        shown = fm.elidedText(shown, Qt::ElideRight, rect.width(), flags);
    if (format & DT_CALCRECT) {
        const int wrap = (format & DT_WORDBREAK) ? std::max(rect.width(), 1) : 1 << 20;
        const int alignFree = (flags & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
        const QRect bounds = shown.isEmpty()
                                 ? QRect(0, 0, 0, fm.height())
                                 : fm.boundingRect(QRect(0, 0, wrap, 1 << 20), alignFree, shown);
        rect.setSize(bounds.size());
        return bounds.height();
    }
    painter.save();
    painter.setLayoutDirection((format & DT_RTLREADING) ? Qt::RightToLeft : Qt::LeftToRight);
    QRect drawn;
    painter.drawText(rect, flags, shown, &drawn);
    painter.restore();
    return drawn.height();
}

} // namespace skin
