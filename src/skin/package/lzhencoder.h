#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace skin {

// LZHUF encoder writing the stream TLZH reads (and any classic 1988 decoder reads): greedy
// longest match over hash chains, nearest source on ties, matches never past the end.
// Output is a pure function of the input.
class TLZHEncoder {
public:
    // Packed form: u32 little-endian size, then the bit stream.
    static QByteArray Pack(QByteArrayView plain);
};

} // namespace skin
