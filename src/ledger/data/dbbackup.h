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
    // Removes what an interrupted backup left in folder (its unfinished copy and journal).
    static void removeLeftovers(const QString &folder);
    // Copies the ledger file (through a connection of its own, online-backup path, keyed like
    // the ledger) into folder, created when missing, under the first free backupFileName for
    // time; the copy must open with the key and hold the ledger's tables before it takes that
    // name. Returns the new file's path. Safe on any thread. Throws DbError and leaves no new
    // file then.
    static QString backup(const QString &ledgerFile, const QByteArray &key, const QString &folder,
                          const QDateTime &time, const Progress &progress = {});

    // Restore, first half: copies source beside ledgerFile and verifies the copy page by page;
    // the source must not be the ledger itself and must be an intact ledger with the key.
    // Touches neither the ledger nor any connection, so it may run on any thread. Returns the
    // copy's path. Throws DbError and leaves no copy then.
    static QString stageRestore(const QString &ledgerFile, const QByteArray &key,
                                const QString &source, const Progress &progress = {});
    // Restore, second half: closes the open ledger, swaps the staged copy in while a copy of
    // the current file is kept until the reopened ledger proves good, and reopens. Throws
    // DbError; the current file is then in place and open again, unless even that fails:
    // the code is then LedgerLost.
    static void swapIn(Db &live, const QString &staged, const Progress &progress = {});
    // Both halves in a row on the caller's thread.
    static void restore(Db &live, const QString &source, const Progress &progress = {});
};

} // namespace ledger
