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

} // namespace ledger
