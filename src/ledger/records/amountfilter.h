#pragma once

class QLineEdit;

namespace ledger {

// The amount filter of every amount and rate edit: digits and at most one '.', nothing else
// (typed, pasted or dropped).
void installAmountFilter(QLineEdit *edit);
// The amount filter with an optional leading minus (a balance may be overdrawn).
void installSignedAmountFilter(QLineEdit *edit);
// The filter of whole-number edits: digits only.
void installDigitsFilter(QLineEdit *edit);

} // namespace ledger
