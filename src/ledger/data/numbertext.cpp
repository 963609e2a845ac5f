#include "ledger/data/numbertext.h"

#include <QLocale>

namespace ledger {

QString numberText(double value) {
    if (value == 0.0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace ledger
