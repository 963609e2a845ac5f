#include "skin/package/lzhuf.h"

#include "skin/package/positioncode.h"

#include <QtEndian>
#include <array>
#include <new>

namespace skin {

namespace {

void SetError(QString *error, const QString &text) {
    if (error)
        *error = text;
}

// A code is at least one bit and a match at least 1 + 3 + 6 bits for 60 bytes, so no stream
// produces more than 48 bytes per stream byte.
constexpr quint64 MaxBytesPerStreamByte = 8 * TLZH::F / 10;

} // namespace

bool TLZH::Unpack(QByteArrayView packed, QByteArray &dest, QString *error) {
    dest.clear();
    if (packed.size() < 4) {
        SetError(error, QStringLiteral("skin package too short for its size field"));
        return false;
    }
    const quint32 size = qFromLittleEndian<quint32>(packed.data());
    TLZH lzh;
    return lzh.LZHUnpack(size, packed.sliced(4), dest, error);
}

bool TLZH::LZHUnpack(quint32 size, QByteArrayView stream, QByteArray &dest, QString *error) {
    dest.clear();
    src = stream;
    srcPos = 0;
    getbuf = 0;
    getlen = 0;
    consumedBits = 0;
    if (size > MaxUnpackedSize) {
        SetError(error, QStringLiteral("skin package too large (%1 bytes unpacked)").arg(size));
        return false;
    }
    const qint64 availableBits = qint64(stream.size()) * 8;
    if (quint64(size) > quint64(stream.size()) * MaxBytesPerStreamByte) {
        SetError(error, QStringLiteral("skin package truncated"));
        return false;
    }
    try {
        dest.resize(qsizetype(size));
    } catch (const std::bad_alloc &) {
        dest = QByteArray();
        SetError(error, QStringLiteral("LZH : Cannot get memory for dictionary tables"));
        return false;
    }
    tree.StartHuff();

    std::array<quint8, N + F - 1> ring;
    ring.fill(0);
    std::fill(ring.begin(), ring.begin() + (N - F), quint8(' '));
    int r = N - F;
    char *out = dest.data();
    quint32 count = 0;
    while (count < size) {
        const int c = DecodeChar();
        if (c < 256) {
            out[count++] = char(c);
            ring[r] = quint8(c);
            r = (r + 1) & (N - 1);
        } else {
            const int i = (r - DecodePosition() - 1) & (N - 1);
            const int j = c - 255 + Threshold;
            // The match is clipped at the unpacked size.
            for (int k = 0; k < j && count < size; ++k) {
                const quint8 b = ring[(i + k) & (N - 1)];
                out[count++] = char(b);
                ring[r] = b;
                r = (r + 1) & (N - 1);
            }
        }
        if (consumedBits > availableBits) {
            dest.clear();
            SetError(error, QStringLiteral("skin package truncated"));
            return false;
        }
    }
    return true;
}

void TLZH::Refill() {
    while (getlen <= 8) {
        const quint8 b = srcPos < src.size() ? quint8(src[srcPos++]) : 0; // past the end: 0
        getbuf = quint16(getbuf | (b << (8 - getlen)));
        getlen = quint8(getlen + 8);
    }
}

int TLZH::GetBit() {
    Refill();
    const int bit = getbuf >> 15;
    getbuf = quint16(getbuf << 1);
    --getlen;
    ++consumedBits;
    return bit;
}

int TLZH::GetByte() {
    Refill();
    const int b = getbuf >> 8;
    getbuf = quint16(getbuf << 8);
    getlen = quint8(getlen - 8);
    consumedBits += 8;
    return b;
}

int TLZH::DecodeChar() {
    int c = tree.Son(TLZHTree::R);
    while (c < TLZHTree::T)
        c = tree.Son(c + GetBit());
    c -= TLZHTree::T;
    tree.UpdateFreq(c);
    return c;
}

int TLZH::DecodePosition() {
    const TPositionCode &pc = TPositionCode::Tables();
    int i = GetByte();
    const int upper = pc.dCode[i] << 6;
    for (int j = pc.dLen[i] - 2; j > 0; --j)
        i = (i << 1) + GetBit();
    return upper | (i & 0x3F);
}

} // namespace skin
