#pragma once

#include <QString>
#include <QVariantList>

class QComboBox;

namespace ledger {

// Statements on the data module's connection (ledgerDb()); every value is bound. Windows use
// the table classes beside Db; these are the general forms.

// Runs one statement; false on any failure (never throws, shows nothing).
bool execSQL(const QString &sql, const QVariantList &params = {}, int *changedRows = nullptr);
// Fills the combo from one column (fillComboItems). Throws DbError; the combo is left as it
// was then.
void fillItemsFromQuery(const QString &sql, const QVariantList &params, const QString &column,
                        QComboBox *combo, bool clearFirst, bool emptyEntry);
// Table and column are program constants; the value is bound. Throws DbError.
bool recordExists(const QString &table, const QString &column, const QString &value);
bool queryHasRows(const QString &sql, const QVariantList &params = {});

} // namespace ledger
