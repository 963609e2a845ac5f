#include "skin/draw/skindrawtext.h"

#include <QFontMetrics>
#include <QStringList>

namespace skin {

namespace {

constexpr int kUnbounded = 1 << 20; // room for text that is measured, not fitted

int QtTextFlags(unsigned format) {
    int flags = Qt::AlignAbsolute; // right stays right in a right-to-left layout
    if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        if (format & DT_BOTTOM)
            flags |= Qt::AlignBottom;
        else if (format & DT_VCENTER)
            flags |= Qt::AlignVCenter;
        else
            flags |= Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if (format & DT_WORDBREAK)
            flags |= Qt::TextWordWrap;
    }
    if (format & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (format & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    if (!(format & DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    return flags;
}

// The text with every line break as LF, and lines too wide for `width` elided when asked.
QString ShownText(const QString &text, unsigned format, int width, const QFontMetrics &metrics,
                  int flags) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    if (!(format & DT_END_ELLIPSIS) || (flags & Qt::TextWordWrap))
        return shown;
    const int elideFlags = flags & (Qt::TextShowMnemonic | Qt::TextExpandTabs);
    if (flags & Qt::TextSingleLine)
        return metrics.elidedText(shown, Qt::ElideRight, width, elideFlags);
    QStringList lines = shown.split(u'\n');
    for (QString &line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, width, elideFlags);
    return lines.join(u'\n');
}

} // namespace

int SkinDrawText(QPainter &painter, const QString &text, QRect &rect, unsigned format) {
    if (text.isEmpty()) {
        if (format & DT_CALCRECT)
            rect.setSize(QSize(0, 0));
        return 0;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int flags = QtTextFlags(format);
    const QString shown = ShownText(text, format, rect.width(), metrics, flags);

    if (format & DT_CALCRECT) {
        const int width = (flags & Qt::TextWordWrap) ? rect.width() : kUnbounded;
        const QRect bounds =
            metrics.boundingRect(QRect(rect.left(), rect.top(), width, kUnbounded), flags, shown);
        rect.setSize(bounds.size());
        return bounds.height();
    }

    const Qt::LayoutDirection direction = painter.layoutDirection();
    if (format & DT_RTLREADING)
        painter.setLayoutDirection(Qt::RightToLeft);
    QRect drawn;
    painter.drawText(rect, flags, shown, &drawn);
    painter.setLayoutDirection(direction);
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)))
        return drawn.bottom() + 1 - rect.top();
    return drawn.height();
}

} // namespace skin
