#include "ledger/core/moneytext.h"

#include "ledger/data/numbertext.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace ledger {

namespace {

// From 2^53 on a double holds whole numbers only, and 'f' would print its binary expansion,
// digits nobody typed (1e23 as 99999999999999991611392); its shortest decimal is printed.
constexpr double kWholeNumbersOnly = 9007199254740992.0;

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

QString fixedText(double value, int decimals, bool grouped) {
    if (!std::isfinite(value))
        return numberText(value);
    if (std::abs(value) < kWholeNumbersOnly) {
        QLocale c = QLocale::c();
        if (grouped)
            c.setNumberOptions(QLocale::DefaultNumberOptions);
        return withoutNegativeZero(c.toString(value, 'f', decimals));
    }
    QString text = numberText(value); // whole, so without a point
    const qsizetype firstDigit = value < 0 ? 1 : 0;
    if (grouped) {
        for (qsizetype i = text.size() - 3; i > firstDigit; i -= 3)
            text.insert(i, QLatin1Char(','));
    }
    if (decimals > 0)
        text += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    return text;
}

// One spelling of a plain decimal number: no '+', no leading zeros, no trailing zeros after
// the point, no point without a fraction, zero unsigned ("-007.50" reads "-7.5").
QString canonicalDecimal(QStringView text) {
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        text = text.mid(1);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QStringView whole = point < 0 ? text : text.left(point);
    QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    while (whole.startsWith(QLatin1Char('0')))
        whole = whole.mid(1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (whole.isEmpty() && fraction.isEmpty())
        return QStringLiteral("0");
    QString result = negative ? QStringLiteral("-") : QString();
    result += whole.isEmpty() ? QStringLiteral("0") : whole.toString();
    if (!fraction.isEmpty())
        result += QLatin1Char('.') + fraction.toString();
    return result;
}

// A plain decimal number (an optional sign, digits with at most one '.', no exponent) as a
// double, infinite beyond a double's range; false for any other text.
bool readPlainDecimal(const QString &trimmed, double *value) {
    static const QRegularExpression pattern(QStringLiteral("^[+-]?(?:\\d+\\.?\\d*|\\.\\d+)$"));
    if (!pattern.match(trimmed).hasMatch())
        return false;
    bool ok = false;
    *value = QLocale::c().toDouble(trimmed, &ok);
    return ok || std::isinf(*value); // QLocale gives an infinity, not ok, beyond the range
}

} // namespace

QString formatMoneyN(double value) {
    return fixedText(value, 2, true);
}

QString formatFixed(double value, int decimals) {
    return fixedText(value, qMax(0, decimals), false);
}

bool parseAmount(const QString &text, double *value) {
    double parsed = 0;
    if (!readPlainDecimal(text.trimmed(), &parsed) || !std::isfinite(parsed))
        return false;
    if (value)
        *value = parsed;
    return true;
}

AmountEntry readAmount(const QString &text, double *value) {
    const QString trimmed = text.trimmed();
    double parsed = 0;
    if (!readPlainDecimal(trimmed, &parsed))
        return AmountEntry::NotANumber;
    const QString typed = canonicalDecimal(trimmed);
    if (std::isfinite(parsed) && typed != canonicalDecimal(numberText(parsed)))
        return AmountEntry::TooManyDigits;
    if (value)
        *value = parsed;
    const qsizetype point = typed.indexOf(QLatin1Char('.'));
    const qsizetype sign = typed.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype wholeDigits = (point < 0 ? typed.size() : point) - sign;
    return wholeDigits > kMaxWholeDigits ? AmountEntry::TooLarge : AmountEntry::Kept;
}

} // namespace ledger
