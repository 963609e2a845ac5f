#include "ledger/accounts/reconciler.h"

#include "ledger/core/moneytext.h"

#include <cmath>

namespace ledger {

double Reconciler::cents(double value) {
    return std::round(value * 100.0);
}

bool Reconciler::agree(double computed, double actual, double *differenceCents) {
    const double difference = std::abs(cents(computed) - cents(actual));
    if (differenceCents)
        *differenceCents = difference;
    return difference <= 1;
}

QString Reconciler::differenceMessage(double differenceCents) {
    return QStringLiteral("计算余额与实际余额相差 ") + formatFixed(differenceCents / 100.0, 2) +
           QStringLiteral(" 元,请检查后再对账。");
}

} // namespace ledger
