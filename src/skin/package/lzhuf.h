#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "skin/package/lzhuftree.h"

namespace skin {

// LZHUF decoder: LZSS over a 4096-byte ring with adaptive Huffman codes (the 1988 stream).
// Packed form: unpacked size as u32 little-endian, then the bit stream, MSB first.
// Input it cannot trust is refused: a source shorter than the size field, a size above
// MaxUnpackedSize or above what the stream's length can carry, and codes that run past the
// last bit. Decoding stops once the size is reached: a final match is clipped at it and bytes
// after the stream are ignored. Every failure is reported by the return value, never thrown.
class TLZH {
public:
    static constexpr int N = 4096;      // ring size
    static constexpr int F = 60;        // longest match
    static constexpr int Threshold = 2; // matches are at least Threshold + 1 long
    static constexpr quint32 MaxUnpackedSize = 64u * 1024u * 1024u;

    // Decodes a whole packed source. On refusal (or when memory for the output cannot be had)
    // returns false, leaves dest empty and puts the reason into *error (when given).
    static bool Unpack(QByteArrayView packed, QByteArray &dest, QString *error = nullptr);

    // Decodes `size` bytes from a bare bit stream (no size field) into dest.
    bool LZHUnpack(quint32 size, QByteArrayView stream, QByteArray &dest, QString *error);

    // Number of stream bits the last LZHUnpack consumed.
    qint64 ConsumedBits() const { return consumedBits; }

private:
    int DecodeChar();
    int DecodePosition();
    int GetBit();
    int GetByte();
    void Refill();

    QByteArrayView src;
    qsizetype srcPos = 0;
    quint16 getbuf = 0;
    quint8 getlen = 0;
    qint64 consumedBits = 0;
    TLZHTree tree;
};

} // namespace skin
