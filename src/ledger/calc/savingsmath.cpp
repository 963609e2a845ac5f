#include "ledger/calc/savingsmath.h"

namespace ledger {

double demandDepositTotal(double amount, double ratePercent, qint64 days) {
    return amount + amount * ratePercent * double(days) / 36000;
}

double fixedDepositTotal(double amount, double ratePercent, int months) {
    return amount + amount * ratePercent * months / 1200;
}

InstalmentDeposit instalmentDeposit(double monthlyAmount, double ratePercent, int months) {
    const double n = months;
    const double interest = monthlyAmount * n * (n + 1) / 2 * ratePercent / 12 / 100;
    return {interest, monthlyAmount * n + interest, monthlyAmount * n};
}

WithdrawalPlan withdrawalPlan(double amount, double ratePercent, int months, int everyMonths) {
    const double interest = ratePercent * months / 12 / 100 * amount;
    const double withdrawals = double(months) / everyMonths;
    return {interest, (amount + interest) / withdrawals};
}

double noticeDepositTotal(double amount, double ratePercent, qint64 days) {
    return amount + amount * ratePercent * double(days) / 365 / 100;
}

QDate maturityDate(const QDate &deposit, int months) {
    return deposit.addMonths(months);
}

} // namespace ledger
