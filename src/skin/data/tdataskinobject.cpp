#include "skin/data/tdataskinobject.h"

#include "skin/draw/stripframe.h"

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
    return StripFrameSize(Image.size(), Frame, vertical);
}

QRect TDataSkinObject::FrameRect(int index, bool vertical) const {
    return StripFrameRect(Image.size(), Frame, index, vertical);
}

QImage TDataSkinObject::FrameImage(int index, bool vertical) const {
    const QRect r = FrameRect(index, vertical);
    if (r.isEmpty())
        return QImage();
    return Image.copy(r);
}

} // namespace skin
