#include "ledger/data/transfers.h"

#include "ledger/app/datetext.h"
#include "ledger/data/cards.h"
#include "ledger/data/db.h"

namespace ledger {

namespace {

// The stored fields in the order of the insert and update statements.
QVariantList fields(const Transfer &t) {
    return {t.outFundsType.trimmed(),
            normalizedAccount(t.outAccount),
            t.amount,
            t.inFundsType.trimmed(),
            normalizedAccount(t.inAccount),
            t.memo,
            t.eventDate};
}

} // namespace

Transfers::Transfers(Db &db)
    : TableRecords(db, {QStringLiteral("KX_Transfer"),
                        QStringLiteral("TransId"),
                        QStringLiteral("TransId, outFundsType, outAccount, FundsNum, inFundsType, "
                                       "inAccount, EventDate, Memo"),
                        QStringLiteral("FundsNum"),
                        QStringLiteral("IsValid='1'"),
                        {},
                        QStringLiteral("transfer")}) {}

std::optional<Transfer> Transfers::find(qint64 transId) const {
    Statement row(db(),
                  QStringLiteral("SELECT TransId, outFundsType, outAccount, FundsNum, "
                                 "inFundsType, inAccount, Memo, EventDate FROM kx_Transfer "
                                 "WHERE TransId=?"),
                  {transId});
    if (!row.next())
        return std::nullopt;
    return Transfer{row.integer(0), row.text(1), row.text(2), row.number(3),
                    row.text(4),    row.text(5), row.text(6), parseDateTime(row.text(7)).date()};
}

qint64 Transfers::insert(const Transfer &transfer, int userId) {
    db().exec(QStringLiteral("INSERT INTO kx_Transfer(outFundsType, outAccount, FundsNum, "
                             "inFundsType, inAccount, Memo, EventDate, UserId) "
                             "VALUES(?,?,?,?,?,?,?,?)"),
              fields(transfer) << userId);
    return db().lastInsertId();
}

void Transfers::update(const Transfer &transfer) {
    requireChanged(db().exec(QStringLiteral("UPDATE kx_Transfer SET outFundsType=?, outAccount=?, "
                                            "FundsNum=?, inFundsType=?, inAccount=?, Memo=?, "
                                            "EventDate=? WHERE TransId=?"),
                             fields(transfer) << transfer.transId),
                   transfer.transId);
}

} // namespace ledger
