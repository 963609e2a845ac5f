#pragma once

#include <QString>

namespace ledger {

// The agreement rule of a reconciliation, in whole cents: the computed and the actual balance
// agree when they differ by one cent or less, whatever the binary form of the two numbers.
class Reconciler {
public:
    static qint64 cents(double value);
    // differenceCents receives |computed - actual| in cents.
    static bool agree(double computed, double actual, qint64 *differenceCents = nullptr);
    // "计算余额与实际余额相差 0.02 元,请检查后再对账。"
    static QString differenceMessage(qint64 differenceCents);
};

} // namespace ledger
