#include "ledger/core/exeversion.h"

#include "ledger/app/version.h"

#include <QVersionNumber>
#include <algorithm>

namespace ledger {

QList<int> versionParts(const QString &dotted) {
    const QString text = dotted.trimmed();
    qsizetype end = 0;
    const QList<int> numbers = QVersionNumber::fromString(text, &end).segments();
    const bool valid =
        end == text.size() && !numbers.isEmpty() && numbers.size() <= 4 &&
        std::all_of(numbers.begin(), numbers.end(), [](int n) { return n >= 0 && n <= 0xFFFF; });
    return valid ? numbers : QList<int>();
}

QString versionFromText(const QString &projectVersion) {
    QList<int> four = versionParts(projectVersion);
    if (four.isEmpty())
        return QStringLiteral("0.0.0.0");
    four.resize(4, 0);
    return QVersionNumber(four).toString();
}

QString getExeVersion() {
    return versionFromText(QStringLiteral(KEXBORA_VERSION_STRING));
}

} // namespace ledger
