#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace ledger {

class Db;

// What makes a database a usable ledger: every table the ledger's schema script creates, each
// with every column the script gives it, as SQLite names them (ASCII case ignored), and no
// column in them that refuses a row without a value where the script's does not (NOT NULL
// without a default, other than an INTEGER PRIMARY KEY): the program's saves leave such a
// column out, and every one of them would fail. The names are read once from the embedded script
// itself, run in an in-memory database, so the rule follows the schema. Extra tables, indexes and
// nullable or defaulted columns are accepted, and types are not compared, so every ledger and
// backup the program wrote passes. The check reads only the database's schema, never its rows.

// A table of the ledger with its columns, in the script's order.
struct LedgerTable {
    QString name;
    QStringList columns;
    QStringList required; // the columns the script itself gives no way to leave out
};

// The tables the schema script creates. Throws DbError (MissingSchema) without the script.
const QList<LedgerTable> &ledgerSchemaTables();

// What keeps an open database from being a ledger, each as "table" or "table.column".
struct LedgerSchemaFaults {
    QStringList missing;         // tables and columns it lacks
    QStringList requiringValues; // columns that refuse a row without a value
    bool isEmpty() const { return missing.isEmpty() && requiringValues.isEmpty(); }
};

// What the open database lacks or demands beyond the schema; empty for a ledger. Throws DbError.
LedgerSchemaFaults ledgerSchemaFaults(Db &db);

// Throws DbError (NotALedger) naming what keeps the open database from being a ledger.
void requireLedgerSchema(Db &db);

// Opens the file as Db::open does, as a ledger: it must pass requireLedgerSchema, now and at
// every reopen.
bool openLedger(Db &db, const QString &path, const QByteArray &key, QString *error = nullptr);

} // namespace ledger
