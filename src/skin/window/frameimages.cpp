#include "skin/window/frameimages.h"

#include "skin/data/tdataskinborder.h"
#include "skin/data/tdataskintitle.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/keyedblit.h"

#include <QPainter>

namespace skin {

int TFrameImages::BorderFrame(const TDataSkinBorder &border, bool active) {
    return border.FrameCount() == 1 || active ? 1 : 2;
}

QImage TFrameImages::Border(const TDataSkinBorder &border, TPart part, QSize size, bool active) {
    if (size.isEmpty() || !border.HasImage())
        return QImage();
    const int frame = BorderFrame(border, active);
    Entry &e = entries[part];
    if (e.source == border.Image.cacheKey() && e.size == size && e.frame == frame)
        return e.image;
    const bool vertical = part == PartTop || part == PartBottom;
    e.image = BuildPartBitmap(QRect(QPoint(0, 0), size), border.Image, border.Margins(), vertical,
                              border.Tile != 1, border.Frame, frame);
    e.keyed = QImage();
    e.source = border.Image.cacheKey();
    e.size = size;
    e.frame = frame;
    return e.image;
}

QImage TFrameImages::PaintedBorder(const TDataSkinBorder &border, TPart part, QSize size,
                                   bool active) {
    const QImage image = Border(border, part, size, active);
    if (border.Trans != 1 || image.isNull())
        return image;
    Entry &e = entries[part];
    if (e.keyed.isNull())
        e.keyed = KeyedImage(e.image);
    return e.keyed;
}

QImage TFrameImages::TextBack(const TDataSkinTitle &title, QSize size, bool active) {
    if (size.isEmpty() || !title.HasImage())
        return QImage();
    const int frame = active ? 1 : 2;
    Entry &e = entries[PartTextBack];
    if (e.source == title.Image.cacheKey() && e.size == size && e.frame == frame)
        return e.image;
    QImage plate(size, QImage::Format_ARGB32_Premultiplied);
    plate.fill(Qt::transparent);
    QPainter painter(&plate);
    DrawThreePartTiled(painter, plate.rect(), title.Image, true, true, 2, frame,
                       QMargins(title.TXTBackleft, 0, title.TXTBackRight, 0));
    painter.end();
    e = Entry{title.Image.cacheKey(), size, frame, plate, QImage()};
    return e.image;
}

void TFrameImages::Clear() {
    for (Entry &e : entries)
        e = Entry();
}

} // namespace skin
