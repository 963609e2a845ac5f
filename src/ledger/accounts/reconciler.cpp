#include "ledger/accounts/reconciler.h"

#include "ledger/core/moneytext.h"

#include <cmath>
#include <cstdlib>

namespace ledger {

qint64 Reconciler::cents(double value) {
    return std::llround(value * 100.0);
}

bool Reconciler::agree(double computed, double actual, qint64 *differenceCents) {
    const qint64 difference = std::llabs(cents(computed) - cents(actual));
    if (differenceCents)
        *differenceCents = difference;
    return difference <= 1;
}

QString Reconciler::differenceMessage(qint64 differenceCents) {
    return QStringLiteral("计算余额与实际余额相差 ") + formatFixed(differenceCents / 100.0, 2) +
           QStringLiteral(" 元,请检查后再对账。");
}

} // namespace ledger
