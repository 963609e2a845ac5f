#include "ledger/datamodule/dbstatements.h"

#include "ledger/core/comboitems.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QRegularExpression>
#include <QStringList>

namespace ledger {

namespace {

void requireIdentifier(const QString &name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch())
        throw DbError(QStringLiteral("not a table or column name: ") + name,
                      DbError::Code::BadStatement);
}

} // namespace

bool execSQL(const QString &sql, const QVariantList &params, int *changedRows) {
    try {
        const int changed = ledgerDb().exec(sql, params);
        if (changedRows)
            *changedRows = changed;
        return true;
    } catch (const DbError &e) {
        qWarning("execSQL failed: %s", e.what());
        return false;
    }
}

void fillItemsFromQuery(const QString &sql, const QVariantList &params, const QString &column,
                        QComboBox *combo, bool clearFirst, bool emptyEntry) {
    // Read everything first: a failing query leaves the combo as it was.
    QStringList values;
    {
        Statement statement(ledgerDb(), sql, params);
        const int index = statement.columnIndex(column);
        if (index < 0)
            throw DbError(QStringLiteral("no column named ") + column, DbError::Code::BadStatement);
        while (statement.next())
            values.append(statement.text(index));
    }
    fillComboItems(combo, values, clearFirst, emptyEntry);
}

bool recordExists(const QString &table, const QString &column, const QString &value) {
    requireIdentifier(table);
    requireIdentifier(column);
    Statement statement(ledgerDb(),
                        QStringLiteral("select count(*) as myCount from ") + table +
                            QStringLiteral(" where ") + column + QStringLiteral("=?"),
                        {value});
    return statement.next() && statement.integer(0) != 0;
}

bool queryHasRows(const QString &sql, const QVariantList &params) {
    Statement statement(ledgerDb(), sql, params);
    return statement.next();
}

} // namespace ledger
