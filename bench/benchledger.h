#pragma once

#include "ledger/datamodule/tfrmdm.h"

#include <QString>
#include <functional>
#include <optional>

namespace ledger::bench {

// Opens a generated ledger as the program's data module (one open at a time). The ledger of a
// name is made once per run: an empty keyed ledger laid out like the installed program, filled
// by `fill` inside one transaction.
TfrmDM &openLedger(const QString &name, const std::function<void(Db &)> &fill);

// The ledger of `rows` income rows over the last ten years plus a tenth as many expense rows.
TfrmDM &openIncomeLedger(int rows);

// Runs one insert statement per row of values, prepared once.
class RowInserter {
public:
    RowInserter(Db &db, QString sql) : m_db(db), m_sql(std::move(sql)) {}
    void insert(const QVariantList &values);

private:
    Db &m_db;
    QString m_sql;
    std::optional<Statement> m_statement;
};

} // namespace ledger::bench
