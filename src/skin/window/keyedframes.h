#pragma once

#include <QImage>

namespace skin {

// Frames of skin image strips prepared for keyed drawing: cut out of the strip, key-colour
// pixels made transparent, premultiplied. Each frame is prepared once per image (a reloaded
// skin brings new images) and then drawn as it is by every paint. A null image for an empty
// strip.
QImage KeyedFrame(const QImage &strip, int frameCount, int frameIndex, bool vertical);

} // namespace skin
