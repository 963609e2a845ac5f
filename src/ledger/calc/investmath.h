#pragma once

#include <QList>

namespace ledger {

// Compound growth at a yearly yield in percent.

// Longest projection in years; longer ones are refused before anything is computed.
inline constexpr int kMaxProjectionYears = 100;

// One payment of `capital`, grown for `years` years.
double singlePaymentValue(double capital, double yieldPercent, int years);

// `capital` paid at the start of each of the first `payingYears` years; the value at the end
// of each year 1 ... years. The list stops before the first value a double cannot hold.
QList<double> yearlyValues(double capital, double yieldPercent, int payingYears, int years);

} // namespace ledger
