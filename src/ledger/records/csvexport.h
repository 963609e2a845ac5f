#pragma once

#include <QByteArray>
#include <QString>

class QAbstractItemModel;

namespace ledger {

// The file text of a list: each caption followed by ",", then one line per row with each value
// followed by ","; CR LF after every line; encoded with common::toGbkText. Amounts are written
// without their thousands separators; any other value holding ',', CR, LF or '"' is quoted with
// its quotes doubled, so that it reads back exactly.
QByteArray listCsvText(const QAbstractItemModel &model);
// Writes the list's model (all rows and columns, hidden ones included) to the file, replacing
// it atomically: on failure the previous file is left as it was.
bool listViewToCsv(const QAbstractItemModel &model, const QString &fileName,
                   QString *error = nullptr);
// The name to write for a chosen name: ".csv" appended unless it occurs in the name.
QString csvFileName(const QString &chosen);
// Asks for the file (and whether to replace an existing one), writes it and tells the result;
// nothing is written when another instance replaced the open ledger (ledgerReplacedText is
// told). True when a file was written.
bool exportListView(const QAbstractItemModel &model);

} // namespace ledger
