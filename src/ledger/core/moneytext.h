#pragma once

#include <QString>

namespace ledger {

// Number texts of the program. None of them ever prints "-0".
QString formatMoneyN(double value);              // "%n": 1,234.50
QString formatFixed(double value, int decimals); // "%.0f", "%.1f", "%.2f"
QString formatPlain(double value);               // as a number reads as text: 0.3, -300.5, 5000
// Strict amount parsing: an optional sign, digits with at most one '.', no exponent, finite;
// surrounding blanks are ignored; false otherwise.
bool parseAmount(const QString &text, double *value);

} // namespace ledger
