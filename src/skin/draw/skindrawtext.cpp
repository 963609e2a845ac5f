#include "skin/draw/skindrawtext.h"

#include <QFontMetrics>
#include <QStringList>

namespace skin {

namespace {

constexpr int kUnbounded = 1 << 20; // room for text that is measured, not fitted

int QtTextFlags(const SkinTextFormat &format) {
    int flags = Qt::AlignAbsolute; // right stays right in a right-to-left layout
    if (format.align & Qt::AlignRight)
        flags |= Qt::AlignRight;
    else if (format.align & Qt::AlignHCenter)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    if (format.flags & Qt::TextSingleLine) {
        flags |= Qt::TextSingleLine;
        if (format.align & Qt::AlignBottom)
            flags |= Qt::AlignBottom;
        else if (format.align & Qt::AlignVCenter)
            flags |= Qt::AlignVCenter;
        else
            flags |= Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        flags |= format.flags & Qt::TextWordWrap;
    }
    flags |= format.flags & (Qt::TextExpandTabs | Qt::TextDontClip | Qt::TextShowMnemonic);
    return flags;
}

// The text with every line break as LF, and lines too wide for `width` elided when asked.
QString ShownText(const QString &text, SkinTextOptions options, int width,
                  const QFontMetrics &metrics, int flags) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    if (!(options & SkinTextOption::ElideEnd) || (flags & Qt::TextWordWrap))
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

int SkinDrawText(QPainter &painter, const QString &text, QRect &rect,
                 const SkinTextFormat &format) {
    if (text.isEmpty()) {
        if (format.options & SkinTextOption::MeasureOnly)
            rect.setSize(QSize(0, 0));
        return 0;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int flags = QtTextFlags(format);
    const QString shown = ShownText(text, format.options, rect.width(), metrics, flags);

    if (format.options & SkinTextOption::MeasureOnly) {
        const int width = (flags & Qt::TextWordWrap) ? rect.width() : kUnbounded;
        const QRect bounds =
            metrics.boundingRect(QRect(rect.left(), rect.top(), width, kUnbounded), flags, shown);
        rect.setSize(bounds.size());
        return bounds.height();
    }

    const Qt::LayoutDirection direction = painter.layoutDirection();
    if (format.options & SkinTextOption::RightToLeft)
        painter.setLayoutDirection(Qt::RightToLeft);
    QRect drawn;
    painter.drawText(rect, flags, shown, &drawn);
    painter.setLayoutDirection(direction);
    if (flags & (Qt::AlignVCenter | Qt::AlignBottom)) // single line only
        return drawn.bottom() + 1 - rect.top();
    return drawn.height();
}

} // namespace skin
