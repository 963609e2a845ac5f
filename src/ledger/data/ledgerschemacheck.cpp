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

// Table names here are the schema's own or read from sqlite_master, never typed by a user.
QStringList columnNames(Db &db, const QString &table) {
    QStringList columns;
    Statement info(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    while (info.next())
        columns << info.text(QStringLiteral("name"));
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
        for (const QString &name : tableNames(schema))
            read.append({name, columnNames(schema, name)});
        return read;
    }();
    return tables;
}

QStringList missingLedgerNames(Db &db) {
    const QStringList present = tableNames(db);
    QStringList missing;
    for (const LedgerTable &table : ledgerSchemaTables()) {
        if (!present.contains(table.name, Qt::CaseInsensitive)) {
            missing << table.name;
            continue;
        }
        const QStringList columns = columnNames(db, table.name);
        for (const QString &column : table.columns)
            if (!columns.contains(column, Qt::CaseInsensitive))
                missing << table.name + QLatin1Char('.') + column;
    }
    return missing;
}

void requireLedgerSchema(Db &db) {
    const QStringList missing = missingLedgerNames(db);
    if (!missing.isEmpty())
        throw DbError(QStringLiteral("not a ledger, it lacks ") +
                          missing.join(QStringLiteral(", ")),
                      DbError::Code::NotALedger);
}

} // namespace ledger
