#pragma once

#include <QMargins>
#include <QRegion>
#include <QSize>

namespace skin {

struct SkinObjects;
class TFrameImages;

// The outline of a skinned window of `size` with frame thicknesses `frame`: the inner rectangle
// plus each border part, cut along the key-coloured pixels of the parts whose Trans is 1 (as
// they are drawn while `active`). Parts thinner than 2 pixels stay whole rectangles; when no part
// has Trans set, the whole window.
QRegion BuildFormRegion(const SkinObjects &skin, TFrameImages &images, QSize size,
                        const QMargins &frame, bool active);

} // namespace skin
