#pragma once

#include "ledger/data/recordsource.h"

#include <QDate>
#include <QString>
#include <optional>

namespace ledger {

class Db;

// One loan movement (a row of kx_Borrow). myType -1: money out (lent, or a debt repaid);
// 1: money in (borrowed, or a loan repaid to the user).
struct Loan {
    qint64 borrowId = 0;
    int myType = 0;
    QString loanName; // the counterparty
    double amount = 0;
    QString fundsType;
    QString account; // empty for cash
    QString memo;
    QDate eventDate;
};

// The loan movements; lists show the valid ones, each direction as its text, and as the total
// what others owe the user: money out minus money in (other directions count nothing).
// Throws DbError.
class Loans : public TableRecords {
public:
    explicit Loans(Db &db);

    static QString directionText(int myType); // "支出(借出/还出)", "进款(借入/还回)" or empty

    std::optional<Loan> find(qint64 borrowId) const;
    // Returns the new BorrowId.
    qint64 insert(const Loan &loan, int userId);
    // RecordMissing when there is no such loan movement.
    void update(const Loan &loan);
};

} // namespace ledger
