#pragma once

#include <QString>

namespace ledger {

// Hexadecimal text, with or without a leading '$', to its value; 0 for an empty text.
// Throws std::invalid_argument on other text.
qint64 hexToInt(const QString &text);
// Strict number test: no "nan", "inf" or empty text.
bool isFloat(const QString &text);
// The text with every occurrence of sub removed.
QString removeAll(const QString &sub, const QString &text);

} // namespace ledger
