#include "samplebytes.h"

#include <QRandomGenerator>

namespace samplebytes {

QByteArray Random(qsizetype size, quint32 seed) {
    QRandomGenerator gen(seed);
    QByteArray out(size, Qt::Uninitialized);
    for (char &c : out)
        c = char(gen.bounded(256));
    return out;
}

QByteArray ImageLike(qsizetype size, quint32 seed) {
    QRandomGenerator gen(seed);
    QByteArray out;
    out.reserve(size);
    while (out.size() < size) {
        const int run = 1 + int(gen.bounded(200));
        const quint8 r = quint8(gen.bounded(256)), g = quint8(gen.bounded(256)),
                     b = quint8(gen.bounded(256));
        const bool gradient = gen.bounded(3) == 0;
        for (int i = 0; i < run && out.size() < size; ++i) {
            const int shift = gradient ? i / 4 : 0;
            out.append(char(b + shift));
            if (out.size() < size)
                out.append(char(g + shift));
            if (out.size() < size)
                out.append(char(r));
            if (gen.bounded(50) == 0 && out.size() < size)
                out.append(char(gen.bounded(256)));
        }
    }
    return out;
}

QByteArray TextLike(qsizetype size, quint32 seed) {
    static const char *const words[] = {"[Button]",   "Image=",  "button.bmp", "LeftWidth=",
                                        "TopHeight=", "Frames=", "Colour",     "212 208 200",
                                        "Trans=1",    "Tile=0",  "\r\n",       "menu"};
    QRandomGenerator gen(seed);
    QByteArray out;
    while (out.size() < size)
        out += words[gen.bounded(int(std::size(words)))];
    out.truncate(size);
    return out;
}

} // namespace samplebytes
