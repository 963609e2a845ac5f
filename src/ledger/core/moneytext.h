#pragma once

#include <QString>

namespace ledger {

// Number texts of the program. None of them ever prints "-0" or an exponent; a stored amount
// reads as numberText (ledger/data/numbertext.h).
QString formatMoneyN(double value);              // "%n": 1,234.50
QString formatFixed(double value, int decimals); // "%.0f", "%.1f", "%.2f"
// Strict amount parsing: an optional sign, digits with at most one '.', no exponent, finite;
// surrounding blanks are ignored; false otherwise.
bool parseAmount(const QString &text, double *value);

// An amount typed for the ledger: parsed strictly, and kept only when the double holds the
// typed decimal number exactly (its shortest decimal is the same number). Every amount of up
// to 15 significant digits is kept. *value is set only for Kept.
enum class AmountEntry { Kept, NotANumber, TooManyDigits };
AmountEntry readAmount(const QString &text, double *value);

} // namespace ledger
