#include "skin/package/positioncode.h"

namespace skin {

namespace {

TPositionCode BuildTables() {
    TPositionCode t;
    static constexpr int lengthCounts[][2] = {{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}};
    int u = 0;
    int code = 0;
    for (const auto &lc : lengthCounts) {
        for (int n = 0; n < lc[1]; ++n, ++u) {
            const int len = lc[0];
            const int span = 1 << (8 - len);
            t.pLen[u] = quint8(len);
            t.pCode[u] = quint8(code);
            for (int b = code; b < code + span; ++b) {
                t.dCode[b] = quint8(u);
                t.dLen[b] = quint8(len);
            }
            code += span;
        }
    }
    return t;
}

} // namespace

const TPositionCode &TPositionCode::Tables() {
    static const TPositionCode tables = BuildTables();
    return tables;
}

} // namespace skin
