#pragma once

#include "ledger/data/recordsource.h"

#include <QString>
#include <QVariantList>
#include <optional>

namespace ledger {

class Db;

// One income or expense record as the maintenance page edits it.
struct InOutRecord {
    QString staffName;
    QString projectName;
    double fundsNum = 0;
    QString fundsType;
    QString account;
    QString memo;
    QString eventDate; // as stored, "yyyy-MM-dd"
};

// The income (myType 1) or expense (myType -1) records of kx_InAndOut. Lists show the valid
// records of the type; loading, changing and deleting go by key alone. Throws DbError.
class InOutRecords : public TableRecords {
public:
    InOutRecords(Db &db, int myType);

    std::optional<InOutRecord> load(qint64 key) const;
    // A new record of this type entered by userId; returns its key.
    qint64 insert(const InOutRecord &record, int userId);
    // RecordMissing when no record has that key.
    void update(qint64 key, const InOutRecord &record);

private:
    int m_myType;
};

} // namespace ledger
