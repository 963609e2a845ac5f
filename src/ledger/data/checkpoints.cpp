#include "ledger/data/checkpoints.h"

#include "ledger/data/db.h"

namespace ledger {

std::optional<Checkpoint> Checkpoints::newest(qint64 cardid) const {
    Statement row(m_db,
                  QStringLiteral("SELECT id, cardid, balance, inandoutid, transid, borrowid, "
                                 "status, eventDate FROM kx_card_duizhang WHERE cardid=? "
                                 "ORDER BY id DESC LIMIT 1"),
                  {cardid});
    if (!row.next())
        return std::nullopt;
    Checkpoint checkpoint;
    checkpoint.id = row.integer(0);
    checkpoint.cardid = row.integer(1);
    checkpoint.balance = row.number(2);
    checkpoint.inAndOutId = row.integer(3); // NULL reads as 0
    checkpoint.transId = row.integer(4);
    checkpoint.borrowId = row.integer(5);
    checkpoint.status = row.text(6);
    checkpoint.eventDate = row.text(7);
    return checkpoint;
}

void Checkpoints::write(qint64 cardid, double balance, const QVariant &status) {
    m_db.exec(
        QStringLiteral("INSERT INTO kx_card_duizhang(status, cardid, balance, inandoutid, transid, "
                       "borrowid) SELECT ?, ?, ?, (SELECT COALESCE(MAX(id),0) FROM kx_InAndOut), "
                       "(SELECT COALESCE(MAX(TransId),0) FROM kx_Transfer), "
                       "(SELECT COALESCE(MAX(BorrowId),0) FROM kx_Borrow)"),
        {status, cardid, balance});
}

void Checkpoints::reconcile(qint64 cardid, double actual) {
    Transaction transaction(m_db);
    const int updated =
        m_db.exec(QStringLiteral("UPDATE kx_Card SET Balance=? WHERE cardid=?"), {actual, cardid});
    if (updated != 1)
        throw DbError(QStringLiteral("no account %1").arg(cardid), DbError::Code::RecordMissing);
    write(cardid, actual, reconciledStatus());
    transaction.commit();
}

} // namespace ledger
