#include "bmpfile.h"

#include <QBuffer>
#include <QImageWriter>

namespace skinpack {

namespace {
constexpr int kDotsPerMetre = 2835; // 72 dpi
} // namespace

QByteArray toBmp24(const QImage &image) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    rgb.setDotsPerMeterX(kDotsPerMetre);
    rgb.setDotsPerMeterY(kDotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    return writer.write(rgb) ? bytes : QByteArray();
}

} // namespace skinpack
