#pragma once

#include <QString>

namespace ledger {

// The agreement rule of a reconciliation, in whole cents: the computed and the actual balance
// agree when they differ by one cent or less, whatever the binary form of the two numbers.
// Whole cents are counted in doubles: a balance the ledger holds may be beyond qint64 cents.
class Reconciler {
public:
    static double cents(double value);
    // differenceCents receives |computed - actual| in whole cents.
    static bool agree(double computed, double actual, double *differenceCents = nullptr);
    // "计算余额与实际余额相差 0.02 元,请检查后再对账。"
    static QString differenceMessage(double differenceCents);
};

} // namespace ledger
