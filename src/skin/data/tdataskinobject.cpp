#include "skin/data/tdataskinobject.h"

#include <algorithm>

namespace skin {

TDataSkinObject::TDataSkinObject(const QString &name) : Name(name) {}

TDataSkinObject::~TDataSkinObject() = default;

QMargins TDataSkinObject::Margins() const {
    return QMargins(LeftWidth, TopHeight, RightWidth, BottomHeight);
}

int TDataSkinObject::FrameCount() const {
    return Frame < 1 ? 1 : Frame;
}

QSize TDataSkinObject::FrameSize(bool vertical) const {
    if (!HasImage())
        return QSize(0, 0);
    if (vertical)
        return QSize(Image.width(), Image.height() / FrameCount());
    return QSize(Image.width() / FrameCount(), Image.height());
}

QRect TDataSkinObject::FrameRect(int index, bool vertical) const {
    const QSize size = FrameSize(vertical);
    if (size.isEmpty())
        return QRect();
    const int i = std::clamp(index, 1, FrameCount()) - 1;
    if (vertical)
        return QRect(0, i * size.height(), size.width(), size.height());
    return QRect(i * size.width(), 0, size.width(), size.height());
}

QImage TDataSkinObject::FrameImage(int index, bool vertical) const {
    const QRect r = FrameRect(index, vertical);
    if (r.isEmpty())
        return QImage();
    return Image.copy(r);
}

} // namespace skin
