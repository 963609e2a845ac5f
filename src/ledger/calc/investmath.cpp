#include "ledger/calc/investmath.h"

#include <cmath>

namespace ledger {

double singlePaymentValue(double capital, double yieldPercent, int years) {
    return capital * std::pow(1 + yieldPercent / 100, years);
}

QList<double> yearlyValues(double capital, double yieldPercent, int payingYears, int years) {
    const double growth = 1 + yieldPercent / 100;
    QList<double> values;
    values.reserve(qMax(0, years));
    double value = 0;
    for (int year = 1; year <= years; ++year) {
        value = year <= payingYears ? (capital + value) * growth : growth * value;
        if (!std::isfinite(value))
            break;
        values.append(value);
    }
    return values;
}

} // namespace ledger
