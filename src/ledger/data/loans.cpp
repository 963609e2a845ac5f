#include "ledger/data/loans.h"

#include "ledger/app/paths.h"
#include "ledger/data/cards.h"
#include "ledger/data/db.h"

namespace ledger {

namespace {

// The stored fields in the order of the insert and update statements.
QVariantList fields(const Loan &loan) {
    return {loan.fundsType.trimmed(),
            normalizedAccount(loan.account),
            loan.amount,
            loan.myType,
            loan.loanName,
            loan.memo,
            loan.eventDate};
}

} // namespace

std::optional<Loan> Loans::find(qint64 borrowId) const {
    Statement row(m_db,
                  QStringLiteral("SELECT BorrowId, myType, LoanName, FundsNum, FundsType, "
                                 "Account, Memo, EventDate FROM kx_Borrow WHERE BorrowId=?"),
                  {borrowId});
    if (!row.next())
        return std::nullopt;
    return Loan{row.integer(0), int(row.integer(1)),
                row.text(2),    row.number(3),
                row.text(4),    row.text(5),
                row.text(6),    QDate::fromString(row.text(7), QLatin1String(kDateFmt))};
}

qint64 Loans::insert(const Loan &loan, int userId) {
    m_db.exec(QStringLiteral("INSERT INTO kx_Borrow(FundsType, Account, FundsNum, myType, "
                             "LoanName, Memo, EventDate, UserId) VALUES(?,?,?,?,?,?,?,?)"),
              fields(loan) << userId);
    return m_db.lastInsertId();
}

bool Loans::update(const Loan &loan) {
    return m_db.exec(QStringLiteral("UPDATE kx_Borrow SET FundsType=?, Account=?, FundsNum=?, "
                                    "myType=?, LoanName=?, Memo=?, EventDate=? "
                                    "WHERE BorrowId=?"),
                     fields(loan) << loan.borrowId) == 1;
}

bool Loans::remove(qint64 borrowId) {
    return m_db.exec(QStringLiteral("DELETE FROM kx_Borrow WHERE BorrowId=?"), {borrowId}) == 1;
}

} // namespace ledger
