#include "bmpfile.h"

#include <QtEndian>

namespace skinpack {

namespace {

void put16(QByteArray &out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

QByteArray toBmp24(const QImage &image) {
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    const quint32 width = quint32(src.width());
    const quint32 height = quint32(src.height());
    const quint32 stride = (width * 3 + 3) & ~3u;
    const quint32 pixelBytes = stride * height;
    const quint32 offset = 14 + 40;

    QByteArray out;
    out.reserve(int(offset + pixelBytes));
    out.append("BM", 2);
    put32(out, offset + pixelBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // BI_RGB
    put32(out, pixelBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);

    QByteArray row(int(stride), '\0');
    for (int y = int(height) - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (quint32 x = 0; x < width; ++x) {
            row[int(3 * x)] = char(qBlue(line[x]));
            row[int(3 * x + 1)] = char(qGreen(line[x]));
            row[int(3 * x + 2)] = char(qRed(line[x]));
        }
        out.append(row);
    }
    return out;
}

} // namespace skinpack
