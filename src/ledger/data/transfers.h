#pragma once

#include "ledger/data/recordsource.h"

#include <QDate>
#include <QString>
#include <optional>

namespace ledger {

class Db;

// One transfer (a row of kx_Transfer): FundsNum leaves the out side and reaches the in side.
// The account of a side is empty for cash and for forms without accounts.
struct Transfer {
    qint64 transId = 0;
    QString outFundsType;
    QString outAccount;
    double amount = 0;
    QString inFundsType;
    QString inAccount;
    QString memo;
    QDate eventDate;
};

// The transfers; lists show the valid ones with the total of their amounts. Throws DbError.
class Transfers : public TableRecords {
public:
    explicit Transfers(Db &db);

    std::optional<Transfer> find(qint64 transId) const;
    // Returns the new TransId.
    qint64 insert(const Transfer &transfer, int userId);
    // RecordMissing when there is no such transfer.
    void update(const Transfer &transfer);
};

} // namespace ledger
