#pragma once

#include <QByteArray>
#include <QImage>

namespace skinpack {

// Encodes an image as an uncompressed 24-bit bottom-up BMP (40-byte info header, rows padded to
// 4 bytes). The bytes depend on the pixels alone, so the same image always gives the same file.
QByteArray toBmp24(const QImage &image);

} // namespace skinpack
