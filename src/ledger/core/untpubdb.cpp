// The database helpers of untPub: statements on frmDM's connection.
#include "ledger/core/untpub.h"

#include "ledger/data/tfrmdm.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStringList>

namespace ledger {

namespace {

Db &connection() {
    if (!frmDM || !frmDM->adoConn().isOpen())
        throw DbError(QStringLiteral("no database connection"), 21 /* SQLITE_MISUSE */);
    return frmDM->adoConn();
}

void requireIdentifier(const QString &name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch())
        throw DbError(QStringLiteral("not a table or column name: ") + name, 1 /* SQLITE_ERROR */);
}

} // namespace

bool execSQL(const QString &sql, const QVariantList &params, int *changedRows) {
    try {
        const int changed = connection().exec(sql, params);
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
        Statement statement(connection(), sql, params);
        const int index = statement.columnIndex(column);
        if (index < 0)
            throw DbError(QStringLiteral("no column named ") + column, 1 /* SQLITE_ERROR */);
        while (statement.next())
            values.append(statement.text(index));
    }
    if (!combo)
        return;
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    const int oldIndex = combo->currentIndex();
    if (clearFirst)
        combo->clear();
    if (emptyEntry)
        combo->addItem(QString());
    combo->addItems(values);
    // Adding to an empty combo selects the first item; the text shown must not change.
    if (combo->isEditable()) {
        combo->setEditText(text);
    } else if (!clearFirst && oldIndex >= 0) {
        combo->setCurrentIndex(oldIndex);
    } else {
        combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text));
    }
}

bool recordExists(const QString &table, const QString &column, const QString &value) {
    requireIdentifier(table);
    requireIdentifier(column);
    Statement statement(connection(),
                        QStringLiteral("select count(*) as myCount from ") + table +
                            QStringLiteral(" where ") + column + QStringLiteral("=?"),
                        {value});
    return statement.next() && statement.integer(0) != 0;
}

bool queryHasRows(const QString &sql, const QVariantList &params) {
    Statement statement(connection(), sql, params);
    return statement.next();
}

} // namespace ledger
