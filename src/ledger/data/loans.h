#pragma once

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

// The loan movements. Throws DbError.
class Loans {
public:
    explicit Loans(Db &db) : m_db(db) {}

    std::optional<Loan> find(qint64 borrowId) const;
    // Returns the new BorrowId.
    qint64 insert(const Loan &loan, int userId);
    // False when there is no such loan movement.
    bool update(const Loan &loan);
    bool remove(qint64 borrowId);

private:
    Db &m_db;
};

} // namespace ledger
