#pragma once

#include <QByteArray>
#include <QImage>

namespace skinpack {

// Encodes an image as an uncompressed 24-bit BMP. The resolution is fixed (72 dpi), so the
// bytes depend on the pixels alone: the same image always gives the same file.
QByteArray toBmp24(const QImage &image);

} // namespace skinpack
