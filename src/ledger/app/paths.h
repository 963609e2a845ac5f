#pragma once

#include <QString>

namespace ledger {

// File names and fixed texts of the ledger's storage.
inline constexpr char kDatabaseFileName[] = "Kexbora.db";
inline constexpr char kTemplateFileName[] = "init.db";
inline constexpr char kDatabaseKey[] = "plovk";
inline constexpr char kPasswordKey[] = "!@#vokrane";
// The one date format used for every date shown, stored or bound.
inline constexpr char kDateFmt[] = "yyyy-MM-dd";
// The developer's web server (home pages, help, update check).
inline constexpr char kHomeHost[] = "http://www.kexbora.example";

// The folders the program works in, derived from the program's own folder.
struct DataPaths {
    QString programDir; // with trailing '/'
    QString dataDir;    // programDir + "../Data/"
    QString databaseFile;
    QString templateFile;
    QString backupDir;    // dataDir + "backup/"
    QString fallbackPage; // programDir + "../other/1.html"

    static DataPaths fromProgramDir(const QString &programDir);
    static DataPaths forRunningProgram(); // QCoreApplication::applicationDirPath()
};

} // namespace ledger
