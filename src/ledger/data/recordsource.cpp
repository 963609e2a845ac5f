#include "ledger/data/recordsource.h"

#include "ledger/data/db.h"

namespace ledger {

RecordRows readRecordRows(Statement &query) {
    RecordRows rows;
    rows.columns = query.columnCount();
    while (query.next()) {
        for (int c = 0; c < rows.columns; ++c)
            rows.cells.append(query.text(c));
    }
    rows.cells.squeeze();
    return rows;
}

} // namespace ledger
