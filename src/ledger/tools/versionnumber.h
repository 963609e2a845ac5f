#pragma once

#include <QByteArray>
#include <QString>

namespace ledger {

// A dotted version a.b.c.d packed as a * 2^24 + b * 2^16 + c * 2^8 + d (missing parts count
// as 0); -1 when the text is not one to four numbers of 0 to 255.
qint64 packVersion(const QString &dotted);
// The version number on the first line of the server's version text: decimal digits, or
// hexadecimal digits after "$" or "0x", with an optional sign; blanks, a UTF-8 byte-order mark
// and the line end are ignored. False when the line holds anything else.
bool parseVersionNumber(const QByteArray &text, qint64 *number);

} // namespace ledger
