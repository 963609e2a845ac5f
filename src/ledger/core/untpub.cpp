// The text, file and message helpers of untPub.
#include "ledger/core/untpub.h"

#include "common/atomicwrite.h"
#include "ledger/app/version.h"
#include "ledger/core/prompter.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
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

QString versionFromText(const QString &projectVersion) {
    QStringList parts = projectVersion.trimmed().split(QLatin1Char('.'), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 4)
        return QStringLiteral("0.0.0.0");
    QStringList numbers;
    for (const QString &part : parts) {
        bool ok = false;
        const uint n = part.toUInt(&ok);
        if (!ok || n > 0xFFFF)
            return QStringLiteral("0.0.0.0");
        numbers.append(QString::number(n));
    }
    while (numbers.size() < 4)
        numbers.append(QStringLiteral("0"));
    return numbers.join(QLatin1Char('.'));
}

QString getExeVersion() {
    return versionFromText(QStringLiteral(KEXBORA_VERSION_STRING));
}

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

bool copyFileByStream(const QString &source, const QString &destination) {
    if (source == destination)
        return true;
    const QString sourcePath = QFileInfo(source).canonicalFilePath();
    if (!sourcePath.isEmpty() && sourcePath == QFileInfo(destination).canonicalFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    in.close();
    return common::writeFileAtomically(destination, data);
}

void showInfo(const QString &text) {
    Prompter::instance().info(text);
}

} // namespace ledger
