#include "ledger/app/datetext.h"

#include <QRegularExpression>

namespace ledger {

QDateTime parseDateTime(const QString &text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})"
                       "(?:\\s+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?)?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (match.hasMatch()) {
        const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                         match.captured(3).toInt());
        const QTime time = match.captured(4).isEmpty()
                               ? QTime(0, 0)
                               : QTime(match.captured(4).toInt(), match.captured(5).toInt(),
                                       match.captured(6).toInt());
        if (date.isValid() && time.isValid())
            return QDateTime(date, time);
    }
    return QDateTime::currentDateTime();
}

} // namespace ledger
