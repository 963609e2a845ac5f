#pragma once

#include <QDate>

namespace ledger {

// Savings formulas. Amounts are in yuan, rates in percent a year, terms in months, spans in
// whole days. Each is evaluated left to right as the bank's rule is written, so that the
// displayed cents match the rule's own rounding.

// Demand deposit: simple interest on a 360-day year.
double demandDepositTotal(double amount, double ratePercent, qint64 days);

// Fixed-term deposit: simple interest for the whole term.
double fixedDepositTotal(double amount, double ratePercent, int months);

// Monthly instalments of the same amount, n = months of them.
struct InstalmentDeposit {
    double interest;
    double total;
    double deposited;
};
InstalmentDeposit instalmentDeposit(double monthlyAmount, double ratePercent, int months);

// A lump sum paid out in equal parts every everyMonths months (1, 3 or 6).
struct WithdrawalPlan {
    double interest;
    double eachWithdrawal;
};
WithdrawalPlan withdrawalPlan(double amount, double ratePercent, int months, int everyMonths);

// Notice deposit: simple interest on a 365-day year.
double noticeDepositTotal(double amount, double ratePercent, qint64 days);

// Deposit date plus whole months; a day missing in the target month becomes its last day.
QDate maturityDate(const QDate &deposit, int months);

} // namespace ledger
