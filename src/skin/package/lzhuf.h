#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <stdexcept>

#include "skin/package/lzhuftree.h"

namespace skin {

// The decoder's error (allocation failures of its tables).
class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// LZHUF decoder: LZSS over a 4096-byte ring with adaptive Huffman codes (the 1988 stream).
// Packed form: unpacked size as u32 little-endian, then the bit stream, MSB first.
// Unlike the classic decoder it refuses input it cannot trust: a source shorter than the size
// field, a size above MaxUnpackedSize or above what the stream's length can carry, codes that
// run past the last bit, and whole bytes left unused after the last code. A final match is
// clipped at the size.
class TLZH {
public:
    static constexpr int N = 4096;      // ring size
    static constexpr int F = 60;        // longest match
    static constexpr int Threshold = 2; // matches are at least Threshold + 1 long
    static constexpr quint32 MaxUnpackedSize = 64u * 1024u * 1024u;

    // Decodes a whole packed source. On refusal returns false, leaves dest empty and puts the
    // reason into *error (when given).
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
