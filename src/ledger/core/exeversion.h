#pragma once

#include <QList>
#include <QString>

namespace ledger {

// The program's version as four dot-separated numbers.
QString getExeVersion();
// "a.b.c.d" from a dotted version of one to four numbers up to 65535; "0.0.0.0" otherwise.
QString versionFromText(const QString &projectVersion);
// The numbers of a dotted version of one to four numbers up to 65535, blanks around it
// ignored; empty when the text is not one.
QList<int> versionParts(const QString &dotted);

} // namespace ledger
