#include "ledger/data/loans.h"

#include "ledger/app/datetext.h"
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

Loans::Loans(Db &db)
    : TableRecords(db,
                   {QStringLiteral("KX_Borrow"),
                    QStringLiteral("BorrowId"),
                    // The direction texts are program constants.
                    QStringLiteral("BorrowId, EventDate, CASE myType WHEN -1 THEN '") +
                        directionText(-1) + QStringLiteral("' WHEN 1 THEN '") + directionText(1) +
                        QStringLiteral("' ELSE '' END, LoanName, FundsNum, FundsType, Account, "
                                       "Memo"),
                    QStringLiteral("CASE myType WHEN -1 THEN FundsNum WHEN 1 THEN -FundsNum "
                                   "ELSE 0 END"),
                    QStringLiteral("IsValid='1'"),
                    {},
                    QStringLiteral("loan record")}) {}

QString Loans::directionText(int myType) {
    return myType == -1  ? QStringLiteral("支出(借出/还出)")
           : myType == 1 ? QStringLiteral("进款(借入/还回)")
                         : QString();
}

std::optional<Loan> Loans::find(qint64 borrowId) const {
    Statement row(db(),
                  QStringLiteral("SELECT BorrowId, myType, LoanName, FundsNum, FundsType, "
                                 "Account, Memo, EventDate FROM kx_Borrow WHERE BorrowId=?"),
                  {borrowId});
    if (!row.next())
        return std::nullopt;
    return Loan{
        row.integer(0), int(row.integer(1)), row.text(2), row.number(3),
        row.text(4),    row.text(5),         row.text(6), parseDateTime(row.text(7)).date()};
}

qint64 Loans::insert(const Loan &loan, int userId) {
    db().exec(QStringLiteral("INSERT INTO kx_Borrow(FundsType, Account, FundsNum, myType, "
                             "LoanName, Memo, EventDate, UserId) VALUES(?,?,?,?,?,?,?,?)"),
              fields(loan) << userId);
    return db().lastInsertId();
}

void Loans::update(const Loan &loan) {
    requireChanged(
        db().exec(QStringLiteral("UPDATE kx_Borrow SET FundsType=?, Account=?, FundsNum=?, "
                                 "myType=?, LoanName=?, Memo=?, EventDate=? "
                                 "WHERE BorrowId=?"),
                  fields(loan) << loan.borrowId),
        loan.borrowId);
}

} // namespace ledger
