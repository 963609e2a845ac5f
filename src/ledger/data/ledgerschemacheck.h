#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ledger {

class Db;

// What makes a database a usable ledger: every table the ledger's schema script creates, each
// with every column the script gives it, as SQLite names them (ASCII case ignored). The names
// are read once from the embedded script itself, run in an in-memory database, so the rule
// follows the schema. Extra tables, columns and indexes are accepted, and types and indexes are
// not compared, so every ledger and backup the program wrote passes. The check reads only the
// database's schema, never its rows.

// A table of the ledger with its columns, in the script's order.
struct LedgerTable {
    QString name;
    QStringList columns;
};

// The tables the schema script creates. Throws DbError (MissingSchema) without the script.
const QList<LedgerTable> &ledgerSchemaTables();

// What the open database lacks: a missing table by its name, a missing column as
// "table.column"; empty for a ledger. Throws DbError.
QStringList missingLedgerNames(Db &db);

// Throws DbError (NotALedger) naming what the open database lacks.
void requireLedgerSchema(Db &db);

} // namespace ledger
