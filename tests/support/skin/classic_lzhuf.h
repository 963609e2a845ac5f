#pragma once

#include <QByteArray>
#include <cstddef>
#include <vector>

// Stand-alone LZHUF coder in the manner of the public 1988 program (binary-tree LZSS match
// finder, adaptive Huffman codes, 4-byte little-endian size in front). It shares nothing with
// the engine's coder, so the two can check each other.
namespace classic_lzhuf {

// Packs `size` bytes; returns false when a code grew beyond the 16 bits the classic writer
// keeps (never seen with real data, reported rather than written wrongly).
bool Encode(const unsigned char *data, size_t size, std::vector<unsigned char> &packed);
// Unpacks like the classic reader: reads the size field and produces exactly that many bytes;
// missing input reads as zero bits. Refuses sources shorter than the size field or sizes above
// `limit`.
bool Decode(const unsigned char *packed, size_t size, std::vector<unsigned char> &out,
            size_t limit = 64u << 20);

inline QByteArray Encode(const QByteArray &plain) {
    std::vector<unsigned char> packed;
    if (!Encode(reinterpret_cast<const unsigned char *>(plain.constData()), size_t(plain.size()),
                packed))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(packed.data()), qsizetype(packed.size()));
}

inline bool Decode(const QByteArray &packed, QByteArray &plain) {
    std::vector<unsigned char> out;
    if (!Decode(reinterpret_cast<const unsigned char *>(packed.constData()), size_t(packed.size()),
                out))
        return false;
    plain = QByteArray(reinterpret_cast<const char *>(out.data()), qsizetype(out.size()));
    return true;
}

} // namespace classic_lzhuf
