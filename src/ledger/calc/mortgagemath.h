#pragma once

namespace ledger {

// Repayment of a loan of `principal` yuan over `months` months (at least one) at an annual rate
// in percent, by the two usual methods. A rate of 0 repays the plain share of the principal
// each month.
struct EqualInstalments {
    double monthly;
    double totalInterest;
    double total;
};

struct EqualPrincipal {
    double firstMonth;
    double monthlyDecrease;
    double totalInterest;
    double total;
};

EqualInstalments equalInstalments(double principal, double ratePercent, int months);
EqualPrincipal equalPrincipal(double principal, double ratePercent, int months);

} // namespace ledger
