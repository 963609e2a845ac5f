#pragma once

#include <QtGlobal>
#include <array>

namespace skin {

// Fixed code of the upper 6 bits of a match distance: code lengths 3 (1 value), 4 (3), 5 (8),
// 6 (12), 7 (24), 8 (16), assigned canonically; the low 6 bits follow raw. The decoding tables
// map every byte that starts with a code to its value and code length.
struct TPositionCode {
    std::array<quint8, 64> pLen{};
    std::array<quint8, 64> pCode{};
    std::array<quint8, 256> dCode{};
    std::array<quint8, 256> dLen{};

    static const TPositionCode &Tables();
};

} // namespace skin
