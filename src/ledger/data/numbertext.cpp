#include "ledger/data/numbertext.h"

#include <QLocale>
#include <cmath>

namespace ledger {

QString numberText(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("超出范围");
    if (value == 0.0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace ledger
