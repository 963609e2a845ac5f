#include "ledger/core/texttools.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <stdexcept>

namespace ledger {

qint64 hexToInt(const QString &text) {
    if (text.isEmpty())
        return 0;
    const QString digits = text.startsWith(QLatin1Char('$')) ? text.mid(1) : text;
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,16}$"));
    bool ok = false;
    const qint64 value = hex.match(digits).hasMatch() ? digits.toULongLong(&ok, 16) : 0;
    if (!ok)
        throw std::invalid_argument("'" + text.toStdString() + "' is not a valid integer value");
    return value;
}

bool isFloat(const QString &text) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value);
}

QString removeAll(const QString &sub, const QString &text) {
    if (sub.isEmpty())
        return text;
    QString result = text;
    for (qsizetype at = result.indexOf(sub); at >= 0; at = result.indexOf(sub))
        result.remove(at, sub.size());
    return result;
}

} // namespace ledger
