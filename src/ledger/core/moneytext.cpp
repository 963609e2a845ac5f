#include "ledger/core/moneytext.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace ledger {

namespace {

// "-0", "-0.00" and "-0.0" become their unsigned form.
QString withoutNegativeZero(const QString &text) {
    if (!text.startsWith(QLatin1Char('-')))
        return text;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c != QLatin1Char('0'))
            return text;
    }
    return text.mid(1);
}

} // namespace

QString formatMoneyN(double value) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::DefaultNumberOptions);
    return withoutNegativeZero(c.toString(value, 'f', 2));
}

QString formatFixed(double value, int decimals) {
    return withoutNegativeZero(QLocale::c().toString(value, 'f', qMax(0, decimals)));
}

QString formatPlain(double value) {
    return withoutNegativeZero(QString::number(value, 'g', 15));
}

bool parseAmount(const QString &text, double *value) {
    static const QRegularExpression pattern(QStringLiteral("^[+-]?(?:\\d+\\.?\\d*|\\.\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch())
        return false;
    bool ok = false;
    const double parsed = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    if (value)
        *value = parsed;
    return true;
}

} // namespace ledger
