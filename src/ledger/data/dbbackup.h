#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace ledger {

class Db;

// Backup and restore of the ledger's database file through its open connection. Both work on
// copies under temporary names and verify them before a file takes its final name, so a failure
// never leaves a partial backup or a broken ledger behind.
class DbBackup {
public:
    // Told the share of the work done, 0 to 100, while a copy runs.
    using Progress = std::function<void(int percent)>;

    // The tables every ledger holds.
    static const QStringList &ledgerTables();
    // Opens the file with the key and checks that it holds every ledger table; a thorough check
    // also reads every page. Throws DbError.
    static void verifyLedgerFile(const QString &path, const QByteArray &key, bool thorough);

    // The backup file's name for a local time and the n-th backup within that second.
    static QString backupFileName(const QDateTime &time, int n = 1);
    // Copies the open ledger (its online-backup path, keyed like the ledger) into folder,
    // created when missing, under the first free backupFileName for time; the copy must open
    // with the key and hold the ledger's tables before it takes that name. Returns the new
    // file's path. Throws DbError and leaves no new file then.
    static QString backup(Db &live, const QString &folder, const QDateTime &time,
                          const Progress &progress = {});

    // Replaces the open ledger's file by the ledger in source and reopens the connection. The
    // source must not be the ledger's own file and must be an intact ledger with the same key;
    // it is copied beside the ledger and verified, then swapped in while a copy of the current
    // file is kept until the reopened ledger proves good. Throws DbError; the current file is
    // then in place and open again (unless even that fails, which the message says).
    static void restore(Db &live, const QString &source, const Progress &progress = {});
};

} // namespace ledger
