#include "ledger/calc/mortgagemath.h"

#include <cmath>

namespace ledger {

EqualInstalments equalInstalments(double principal, double ratePercent, int months) {
    const double n = months;
    const double yearly = ratePercent / 100;
    const double monthlyRate = yearly / 12;
    const double growth = std::pow(1 + monthlyRate, n);
    double monthly = principal / n; // no interest, or too little to change a double
    if (std::isinf(growth))
        monthly = principal * monthlyRate; // the annuity factor's limit
    else if (growth != 1)
        monthly = principal * yearly / 12 * growth / (growth - 1);
    return {monthly, n * monthly - principal, n * monthly};
}

EqualPrincipal equalPrincipal(double principal, double ratePercent, int months) {
    const double n = months;
    const double yearly = ratePercent / 100;
    const double share = principal / n;
    const double interest = (principal * yearly / 12 + share * yearly / 12) * n / 2;
    return {share + principal * yearly / 12, share * yearly / 12, interest, principal + interest};
}

} // namespace ledger
