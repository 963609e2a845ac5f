#pragma once

#include <QString>

namespace ledger {

// Hexadecimal text, with or without a leading '$', to its value; 0 for an empty text.
// Throws std::invalid_argument on other text and on values beyond the qint64 range.
qint64 hexToInt(const QString &text);
// Strict number test: no "nan", "inf" or empty text.
bool isFloat(const QString &text);
// The text with every occurrence of sub removed.
QString removeAll(const QString &sub, const QString &text);
// Equal as the database compares text (COLLATE NOCASE): only the ASCII letters A-Z and a-z
// match regardless of case.
bool equalsNoCase(const QString &a, const QString &b);

} // namespace ledger
