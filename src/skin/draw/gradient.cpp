#include "skin/draw/gradient.h"

namespace skin {

namespace {

int Channel(int start, int delta, int i, int n) {
    return start + (delta * i + n / 2) / n;
}

} // namespace

QList<SkinColor> GetGradient(int count, SkinColor start, SkinColor end) {
    QList<SkinColor> table;
    if (count < 1)
        return table;
    table.reserve(count);
    const int dr = SkinRed(end) - SkinRed(start);
    const int dg = SkinGreen(end) - SkinGreen(start);
    const int db = SkinBlue(end) - SkinBlue(start);
    const int n = count - 1;
    if (n < 1) {
        table.append(
            SkinRgb(SkinRed(start) + dr / 2, SkinGreen(start) + dg / 2, SkinBlue(start) + db / 2));
        return table;
    }
    for (int i = 0; i <= n; ++i)
        table.append(SkinRgb(Channel(SkinRed(start), dr, i, n), Channel(SkinGreen(start), dg, i, n),
                             Channel(SkinBlue(start), db, i, n)));
    return table;
}

void GradientFillRect(QPainter &painter, const QRect &rect, SkinColor start, bool vertical,
                      SkinColor end, const QPalette &palette) {
    const int n = vertical ? rect.height() : rect.width();
    if (n < 1 || (vertical ? rect.width() : rect.height()) < 1)
        return;
    int first = 0;
    int last = n - 1;
    if (painter.hasClipping()) {
        const QRect clip = painter.clipBoundingRect().toAlignedRect();
        if (!clip.intersects(rect))
            return;
        if (vertical) {
            first = std::max(0, clip.top() - rect.top());
            last -= std::max(0, rect.bottom() - clip.bottom());
        } else {
            first = std::max(0, clip.left() - rect.left());
            last -= std::max(0, rect.right() - clip.right());
        }
    }
    const QList<SkinColor> table =
        GetGradient(n, ColorToRGB(start, palette), ColorToRGB(end, palette));
    // Runs of equal colours are filled as one band.
    for (int line = first; line <= last;) {
        int runEnd = line + 1;
        while (runEnd <= last && table[runEnd] == table[line])
            ++runEnd;
        const QRect band =
            vertical ? QRect(rect.left(), rect.top() + line, rect.width(), runEnd - line)
                     : QRect(rect.left() + line, rect.top(), runEnd - line, rect.height());
        painter.fillRect(band, QColor(SkinColorToQRgb(table[line])));
        line = runEnd;
    }
}

void GradientFillRect(QPainter &painter, const QRect &rect, SkinColor start, bool vertical,
                      SkinColor end) {
    GradientFillRect(painter, rect, start, vertical, end, QPalette());
}

} // namespace skin
