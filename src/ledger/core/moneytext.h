#pragma once

#include <QString>

namespace ledger {

// Number texts of the program. None of them ever prints "-0" or an exponent; a stored amount
// reads as numberText (ledger/data/numbertext.h), and so does a value that is not finite.
QString formatMoneyN(double value);              // "%n": 1,234.50
QString formatFixed(double value, int decimals); // "%.0f", "%.1f", "%.2f"
// Strict amount parsing: an optional sign, digits with at most one '.', no exponent, finite;
// surrounding blanks are ignored; false otherwise.
bool parseAmount(const QString &text, double *value);

// An amount typed for the ledger: parsed strictly, kept only when the double holds the typed
// decimal number exactly (its shortest decimal is the same number), and then only with at
// most kMaxWholeDigits digits before the point (sign and leading zeros not counted). Every
// amount of up to 15 significant digits is held exactly. *value is set for Kept and for
// TooLarge (an exact amount beyond the bound, or an infinity beyond a double's range).
constexpr int kMaxWholeDigits = 12;
enum class AmountEntry { Kept, NotANumber, TooManyDigits, TooLarge };
AmountEntry readAmount(const QString &text, double *value);

} // namespace ledger
