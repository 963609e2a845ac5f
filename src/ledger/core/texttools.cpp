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
    // Digits only (no sign, blank or "0x"); toLongLong refuses what exceeds the type.
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]+$"));
    bool ok = false;
    const qint64 value = hex.match(digits).hasMatch() ? digits.toLongLong(&ok, 16) : 0;
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

bool equalsNoCase(const QString &a, const QString &b) {
    if (a.size() != b.size())
        return false;
    const auto fold = [](QChar c) {
        return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + (u'a' - u'A')) : c;
    };
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (fold(a.at(i)) != fold(b.at(i)))
            return false;
    }
    return true;
}

} // namespace ledger
