#include "ledger/core/exeversion.h"

#include "ledger/app/version.h"

#include <QVersionNumber>
#include <algorithm>

namespace ledger {

QString versionFromText(const QString &projectVersion) {
    const QString text = projectVersion.trimmed();
    qsizetype end = 0;
    const QVersionNumber version = QVersionNumber::fromString(text, &end);
    const QList<int> numbers = version.segments();
    const bool valid =
        end == text.size() && !numbers.isEmpty() && numbers.size() <= 4 &&
        std::all_of(numbers.begin(), numbers.end(), [](int n) { return n >= 0 && n <= 0xFFFF; });
    if (!valid)
        return QStringLiteral("0.0.0.0");
    QList<int> four = numbers;
    four.resize(4, 0);
    return QVersionNumber(four).toString();
}

QString getExeVersion() {
    return versionFromText(QStringLiteral(KEXBORA_VERSION_STRING));
}

} // namespace ledger
