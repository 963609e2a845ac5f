#include "skin/package/lzhencoder.h"

#include "skin/package/lzhuf.h"
#include "skin/package/lzhuftree.h"
#include "skin/package/positioncode.h"

#include <QtEndian>
#include <vector>

namespace skin {

namespace {

constexpr int HashBits = 16;
constexpr int ChainLimit = 256;
constexpr int MinMatch = TLZH::Threshold + 1;

class BitWriter {
public:
    explicit BitWriter(QByteArray &out) : out(out) {}

    void Put(int bit) {
        acc = quint8((acc << 1) | (bit & 1));
        if (++len == 8) {
            out.append(char(acc));
            acc = 0;
            len = 0;
        }
    }
    void PutBits(int value, int count) {
        for (int i = count - 1; i >= 0; --i)
            Put((value >> i) & 1);
    }
    void Flush() {
        if (len > 0)
            out.append(char(acc << (8 - len)));
        acc = 0;
        len = 0;
    }

private:
    QByteArray &out;
    quint8 acc = 0;
    int len = 0;
};

class Encoder {
public:
    Encoder(QByteArray &out) : bits(out) {}

    void EncodeChar(int c) {
        // Path from the leaf up to the root, sent root first; kept on a stack so that codes of
        // any depth come out right.
        int path[TLZHTree::T];
        int depth = 0;
        int k = tree.LeafOf(c);
        do {
            path[depth++] = k & 1;
            k = tree.Parent(k);
        } while (k != TLZHTree::R);
        while (depth > 0)
            bits.Put(path[--depth]);
        tree.UpdateFreq(c);
    }

    void EncodePosition(int d) {
        const TPositionCode &pc = TPositionCode::Tables();
        const int u = d >> 6;
        bits.PutBits(pc.pCode[u] >> (8 - pc.pLen[u]), pc.pLen[u]);
        bits.PutBits(d & 0x3F, 6);
    }

    void Finish() { bits.Flush(); }

private:
    BitWriter bits;
    TLZHTree tree;
};

inline quint32 Hash3(const quint8 *p) {
    const quint32 v = quint32(p[0]) << 16 | quint32(p[1]) << 8 | p[2];
    return (v * 2654435761u) >> (32 - HashBits);
}

} // namespace

QByteArray TLZHEncoder::Pack(QByteArrayView plain) {
    QByteArray out;
    out.resize(4);
    qToLittleEndian<quint32>(quint32(plain.size()), out.data());
    if (plain.isEmpty())
        return out;

    // Linear history: the ring's initial spaces followed by the data; a source q serves the
    // byte at p when 1 <= p - q <= N, and the distance sent is p - q - 1.
    constexpr int Start = TLZH::N - TLZH::F;
    const qsizetype end = Start + plain.size();
    std::vector<quint8> h(size_t(end), quint8(' '));
    std::copy(plain.begin(), plain.end(), h.begin() + Start);
    std::vector<qint32> head(size_t(1) << HashBits, -1);
    std::vector<qint32> prev(size_t(end), -1);
    qsizetype inserted = 0;
    auto insertUpTo = [&](qsizetype limit) {
        for (; inserted < limit && inserted + 2 < end; ++inserted) {
            const quint32 key = Hash3(&h[size_t(inserted)]);
            prev[size_t(inserted)] = head[key];
            head[key] = qint32(inserted);
        }
        inserted = std::max(inserted, limit);
    };

    Encoder enc(out);
    qsizetype p = Start;
    while (p < end) {
        insertUpTo(p);
        const int maxLen = int(std::min<qsizetype>(TLZH::F, end - p));
        int bestLen = 0;
        qsizetype bestSrc = 0;
        if (maxLen >= MinMatch) {
            qint32 q = head[Hash3(&h[size_t(p)])];
            for (int steps = 0; q >= 0 && p - q <= TLZH::N && steps < ChainLimit; ++steps) {
                int len = 0;
                while (len < maxLen && h[size_t(q + len)] == h[size_t(p + len)])
                    ++len;
                if (len > bestLen) {
                    bestLen = len;
                    bestSrc = q;
                    if (len == maxLen)
                        break;
                }
                q = prev[size_t(q)];
            }
        }
        if (bestLen >= MinMatch) {
            enc.EncodeChar(255 - TLZH::Threshold + bestLen);
            enc.EncodePosition(int(p - bestSrc - 1));
            p += bestLen;
        } else {
            enc.EncodeChar(h[size_t(p)]);
            ++p;
        }
    }
    enc.Finish();
    return out;
}

} // namespace skin
