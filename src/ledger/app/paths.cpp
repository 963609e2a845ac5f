#include "ledger/app/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace ledger {

DataPaths DataPaths::fromProgramDir(const QString &programDir) {
    DataPaths paths;
    paths.programDir = QDir::cleanPath(programDir) + QLatin1Char('/');
    paths.dataDir =
        QDir::cleanPath(paths.programDir + QStringLiteral("../Data")) + QLatin1Char('/');
    paths.databaseFile = paths.dataDir + QLatin1String(kDatabaseFileName);
    paths.templateFile = paths.dataDir + QLatin1String(kTemplateFileName);
    paths.backupDir = paths.dataDir + QStringLiteral("backup/");
    paths.fallbackPage = QDir::cleanPath(paths.programDir + QStringLiteral("../other/1.html"));
    return paths;
}

DataPaths DataPaths::forRunningProgram() {
    return fromProgramDir(QCoreApplication::applicationDirPath());
}

} // namespace ledger
