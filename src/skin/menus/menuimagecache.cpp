#include "skin/menus/menuimagecache.h"

#include "skin/data/skinobjects.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/keyedblit.h"

#include <QPainter>

namespace skin {

namespace {

constexpr int ItemFrames = 5;
constexpr int SeparatorFrame = 2;
constexpr qsizetype MaxImages = 64;

// Frame 2 of the MenuItem strip in three pieces across the size, its bottom rows when the
// frame is taller; magenta stays transparent.
QImage BuildSeparator(const TDataSkinObject &item, QSize size) {
    const QRect frame = item.FrameRect(SeparatorFrame);
    if (frame.isEmpty())
        return QImage();
    const int w = size.width(), h = size.height();
    const int top = frame.height() > h ? frame.height() - h : 0;
    const QRect source(frame.left(), frame.top() + top, frame.width(), frame.height() - top);
    const int lw = std::clamp(item.LeftWidth, 0, std::min(source.width(), w));
    const int rw = std::clamp(item.RightWidth, 0, std::min(source.width() - lw, w - lw));
    QImage work(w, h, QImage::Format_RGB32);
    work.fill(KeyColor);
    QPainter p(&work);
    p.drawImage(QRect(0, 0, lw, h), item.Image, source.adjusted(0, 0, lw - source.width(), 0));
    p.drawImage(QRect(w - rw, 0, rw, h), item.Image, source.adjusted(source.width() - rw, 0, 0, 0));
    p.drawImage(QRect(lw, 0, w - lw - rw, h), item.Image, source.adjusted(lw, 0, -rw, 0));
    p.end();
    return KeyedImage(work);
}

} // namespace

QImage TMenuImageCache::Image(const SkinRef &skin, TPart part, QSize size, int frame) {
    if (!skin || size.isEmpty())
        return QImage();
    if (cachedSkin != skin || images.size() >= MaxImages) {
        images.clear();
        cachedSkin = skin;
    }
    const quint64 key = (quint64(part) << 56) | (quint64(frame & 0xFF) << 48) |
                        (quint64(size.width() & 0xFFFFFF) << 24) |
                        quint64(size.height() & 0xFFFFFF);
    auto found = images.constFind(key);
    if (found == images.constEnd())
        found = images.insert(key, Build(*skin, part, size, frame));
    return found.value();
}

QImage TMenuImageCache::Build(const SkinObjects &skin, TPart part, QSize size, int frame) {
    const TDataSkinObject *object =
        part == TPart::Background ? skin.MenuBackground.get() : skin.MenuItem.get();
    if (!object || !object->HasImage())
        return QImage();
    const QRect rect(QPoint(0, 0), size);
    switch (part) {
    case TPart::Background:
        return BuildPartBitmap(rect, object->Image, object->Margins(), false, object->Tile == 1, 1,
                               1);
    case TPart::Separator:
        return BuildSeparator(*object, size);
    case TPart::ItemFrame: {
        const QImage built = BuildPartBitmap(rect, object->Image, object->Margins(), false,
                                             object->Tile != 0, ItemFrames, frame);
        return object->Trans == 1 ? KeyedImage(built) : built;
    }
    }
    return QImage();
}

} // namespace skin
