#include "ledger/tools/versionnumber.h"

#include <QStringList>

namespace ledger {

qint64 packVersion(const QString &dotted) {
    const QStringList parts = dotted.trimmed().split(QLatin1Char('.'));
    if (parts.size() > 4)
        return -1;
    qint64 packed = 0;
    for (int i = 0; i < 4; ++i) {
        uint part = 0;
        if (i < parts.size()) {
            bool ok = false;
            part = parts.at(i).toUInt(&ok);
            if (!ok || part > 255)
                return -1;
        }
        packed = packed * 256 + part;
    }
    return packed;
}

bool parseVersionNumber(const QByteArray &text, qint64 *number) {
    QByteArray line = text;
    if (line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    const qsizetype end = line.indexOf('\n');
    if (end >= 0)
        line.truncate(end);
    line = line.trimmed();
    bool negative = false;
    if (line.startsWith('-') || line.startsWith('+')) {
        negative = line.startsWith('-');
        line.remove(0, 1);
    }
    int base = 10;
    if (line.startsWith('$')) {
        base = 16;
        line.remove(0, 1);
    } else if (line.startsWith("0x") || line.startsWith("0X")) {
        base = 16;
        line.remove(0, 2);
    }
    // toLongLong alone would accept blanks inside and a second sign.
    for (const char c : line) {
        const bool digit = (c >= '0' && c <= '9') ||
                           (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!digit)
            return false;
    }
    bool ok = false;
    const qint64 value = line.toLongLong(&ok, base);
    if (!ok)
        return false;
    *number = negative ? -value : value;
    return true;
}

} // namespace ledger
