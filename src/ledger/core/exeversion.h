#pragma once

#include <QString>

namespace ledger {

// The program's version as four dot-separated numbers.
QString getExeVersion();
// "a.b.c.d" from a dotted version of one to four numbers up to 65535; "0.0.0.0" otherwise.
QString versionFromText(const QString &projectVersion);

} // namespace ledger
