#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace ledger {

class Db;

// One row of kx_card_duizhang: an account's balance at a moment and the highest movement keys
// of the whole ledger then. Movements with higher keys come after it.
struct Checkpoint {
    qint64 id = 0;
    qint64 cardid = 0;
    double balance = 0;
    qint64 inAndOutId = 0;
    qint64 transId = 0;
    qint64 borrowId = 0;
    QString status; // "对账" for a reconciliation, empty for the opening row
    QString eventDate;
};

// The reconciliation checkpoints of the accounts. Throws DbError.
class Checkpoints {
public:
    explicit Checkpoints(Db &db) : m_db(db) {}

    static QString reconciledStatus() { return QStringLiteral("对账"); }

    // The account's newest checkpoint (highest id); none when it has no checkpoint.
    std::optional<Checkpoint> newest(qint64 cardid) const;
    // Writes a checkpoint holding the current highest movement keys (0 for an empty table);
    // a null status leaves the column empty. Runs inside the caller's transaction.
    void write(qint64 cardid, double balance, const QVariant &status);
    // A reconciliation: the "对账" checkpoint and the account's stored balance, both in one
    // transaction. Throws DbError (nothing written) when the account does not exist.
    void reconcile(qint64 cardid, double actual);

private:
    Db &m_db;
};

} // namespace ledger
