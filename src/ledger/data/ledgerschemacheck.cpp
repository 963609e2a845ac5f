#include "ledger/data/ledgerschemacheck.h"

#include "ledger/data/db.h"
#include "ledger/data/schema.h"

namespace ledger {

namespace {

// Names of the database's own tables (SQLite's internal ones left out).
QStringList tableNames(Db &db) {
    return firstColumnTexts(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' "
                                               "AND name NOT LIKE 'sqlite%' ORDER BY rowid"));
}

struct Columns {
    QStringList names;
    QStringList required; // NOT NULL without a default, and not the table's row id
};

// Table names here are the schema's own or read from sqlite_master, never typed by a user.
Columns columnsOf(Db &db, const QString &table) {
    struct Column {
        QString name;
        bool notNullWithoutDefault;
        bool integerKey;
    };
    QList<Column> read;
    int keyColumns = 0;
    Statement info(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    while (info.next()) {
        const QString defaultValue = info.text(QStringLiteral("dflt_value"));
        const bool key = info.integer(QStringLiteral("pk")) > 0;
        keyColumns += key;
        read.append({info.text(QStringLiteral("name")),
                     info.integer(QStringLiteral("notnull")) != 0 &&
                         (defaultValue.isEmpty() ||
                          defaultValue.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0),
                     key && info.text(QStringLiteral("type"))
                                    .compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0});
    }
    Columns columns;
    for (const Column &column : read) {
        columns.names << column.name;
        // The one INTEGER PRIMARY KEY is the row id: SQLite gives it a value.
        if (column.notNullWithoutDefault && !(column.integerKey && keyColumns == 1))
            columns.required << column.name;
    }
    return columns;
}

} // namespace

const QList<LedgerTable> &ledgerSchemaTables() {
    static const QList<LedgerTable> tables = [] {
        Db schema;
        QString error;
        // The engine takes no empty key; an in-memory database is never written out.
        if (!schema.create(QStringLiteral(":memory:"), QByteArrayLiteral("schema"), &error))
            throw DbError(QStringLiteral("cannot read the ledger's schema: ") + error,
                          DbError::Code::MissingSchema);
        createSchema(schema);
        QList<LedgerTable> read;
        for (const QString &name : tableNames(schema)) {
            const Columns columns = columnsOf(schema, name);
            read.append({name, columns.names, columns.required});
        }
        return read;
    }();
    return tables;
}

LedgerSchemaFaults ledgerSchemaFaults(Db &db) {
    const QStringList present = tableNames(db);
    LedgerSchemaFaults faults;
    for (const LedgerTable &table : ledgerSchemaTables()) {
        if (!present.contains(table.name, Qt::CaseInsensitive)) {
            faults.missing << table.name;
            continue;
        }
        const Columns columns = columnsOf(db, table.name);
        for (const QString &column : table.columns)
            if (!columns.names.contains(column, Qt::CaseInsensitive))
                faults.missing << table.name + QLatin1Char('.') + column;
        for (const QString &column : columns.required)
            if (!table.required.contains(column, Qt::CaseInsensitive))
                faults.requiringValues << table.name + QLatin1Char('.') + column;
    }
    return faults;
}

void requireLedgerSchema(Db &db) {
    const LedgerSchemaFaults faults = ledgerSchemaFaults(db);
    if (faults.isEmpty())
        return;
    QStringList why;
    if (!faults.missing.isEmpty())
        why << QStringLiteral("it lacks ") + faults.missing.join(QStringLiteral(", "));
    if (!faults.requiringValues.isEmpty())
        why << QStringLiteral("it demands values the program may leave out: ") +
                   faults.requiringValues.join(QStringLiteral(", "));
    throw DbError(QStringLiteral("not a ledger, ") + why.join(QStringLiteral("; ")),
                  DbError::Code::NotALedger);
}

bool openLedger(Db &db, const QString &path, const QByteArray &key, QString *error) {
    return db.open(path, key, error, requireLedgerSchema);
}

} // namespace ledger
