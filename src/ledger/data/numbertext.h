#pragma once

#include <QString>

namespace ledger {

// The text a REAL column reads as: the shortest plain decimal that reads back as the same
// double ("100", "12.5", "0.000001", "100000000000000000"), never an exponent, never "-0".
// A value that is not finite (a sum beyond the range of a double, or one made of such sums)
// reads "超出范围", never "inf" or "nan".
QString numberText(double value);

} // namespace ledger
