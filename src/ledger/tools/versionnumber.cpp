#include "ledger/tools/versionnumber.h"

#include "ledger/core/exeversion.h"
#include "ledger/core/texttools.h"

#include <stdexcept>

namespace ledger {

qint64 packVersion(const QString &dotted) {
    QList<int> parts = versionParts(dotted);
    if (parts.isEmpty())
        return -1;
    parts.resize(4, 0);
    qint64 packed = 0;
    for (const int part : parts) {
        if (part > 255)
            return -1;
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
    qint64 value = 0;
    if (line.startsWith('$') || line.startsWith("0x") || line.startsWith("0X")) {
        const QByteArray digits = line.mid(line.startsWith('$') ? 1 : 2);
        try {
            // An empty text would read as 0: the "$" keeps it an error.
            value = hexToInt(QLatin1Char('$') + QString::fromLatin1(digits));
        } catch (const std::invalid_argument &) {
            return false;
        }
    } else {
        // toLongLong alone would accept blanks inside and a second sign.
        for (const char c : line) {
            if (c < '0' || c > '9')
                return false;
        }
        bool ok = false;
        value = line.toLongLong(&ok);
        if (!ok)
            return false;
    }
    *number = negative ? -value : value;
    return true;
}

} // namespace ledger
