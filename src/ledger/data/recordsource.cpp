#include "ledger/data/recordsource.h"

#include "ledger/data/db.h"

namespace ledger {

void readRecordRows(Statement &query, RecordRows *out) {
    out->cells.clear(); // keeps the capacity
    out->columns = query.columnCount();
    while (query.next()) {
        for (int c = 0; c < out->columns; ++c)
            out->cells.append(query.text(c));
    }
}

void readRecordKeys(Statement &query, QVector<qint64> *out) {
    out->clear(); // keeps the capacity
    while (query.next())
        out->append(query.integer(0));
}

} // namespace ledger
