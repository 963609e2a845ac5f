#pragma once

#include "ledger/data/db.h"
#include "ledger/data/stagedrestore.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace ledger {

// Backup and restore of the ledger's database file through its open connection. Both work on
// copies under temporary names and verify them before a file takes its final name, so a failure
// never leaves a partial backup or a broken ledger behind.
class DbBackup {
public:
    // Told the share of the work done, 0 to 100, while a copy runs.
    using Progress = std::function<void(int percent)>;

    // Opens the file with the key and checks that it holds every table and column of the
    // ledger's schema (ledgerschemacheck.h); a thorough check also reads every page. Throws
    // DbError.
    static void verifyLedgerFile(const QString &path, const QByteArray &key, bool thorough);

    // The backup file's name for a local time and the n-th backup within that second.
    static QString backupFileName(const QDateTime &time, int n = 1);
    // Removes what interrupted backups left in folder (their unfinished copies and journals),
    // unless another backup is under way there.
    static void removeLeftovers(const QString &folder);
    // Copies the ledger file (through a connection of its own, online-backup path, keyed like
    // the ledger) into folder, created when missing, under the first free backupFileName for
    // time; the copy, written under a name of its own while a shared lock on folder tells other
    // processes that it is under way, must open with the key and hold the ledger's tables before
    // it takes that name. Returns the new file's path. Safe on any thread. Throws DbError and
    // leaves no new file then.
    static QString backup(const QString &ledgerFile, const QByteArray &key, const QString &folder,
                          const QDateTime &time, const Progress &progress = {});

    // Why a restore failed.
    enum class RestoreFailure {
        FileRefused,  // the chosen file is not a usable backup: missing, the ledger itself,
                      // another key, lacking ledger tables or columns, damaged; nothing was
                      // changed
        NotCompleted, // the file is good, but a copy, rename or reopening failed or a journal
                      // is left beside the ledger; the current ledger is in place and open
        LedgerLost,   // the previous ledger could not be put back or opened again
        WaitGivenUp,  // given up while another restore was under way; nothing was changed
    };
    // What a failed restore throws: the DbError of the step that failed, and why. LedgerLost
    // also has the code LedgerLost.
    class RestoreError : public DbError {
    public:
        RestoreError(const DbError &error, RestoreFailure failure);
        RestoreFailure failure() const { return m_failure; }

    private:
        RestoreFailure m_failure;
    };

    // Restore, first half: waits until no other restore runs beside ledgerFile (across
    // processes), then copies source beside it under a name of its own and verifies the copy
    // page by page; the source must not be the ledger itself and must be an intact ledger with
    // the key. While another restore is under way keepWaiting, when given, is asked whether to
    // wait on (at once, then every FolderLock::kRetryMs); false gives the restore up. Touches
    // neither the ledger nor any connection, so it may run on any thread (the waiting too).
    // The returned copy keeps other restores and start-up clean-ups away until it is swapped in
    // or dropped. Throws RestoreError (FileRefused, NotCompleted or WaitGivenUp) and leaves no
    // copy then.
    static StagedRestore stageRestore(const QString &ledgerFile, const QByteArray &key,
                                      const QString &source, const Progress &progress = {},
                                      const common::FolderLock::KeepWaiting &keepWaiting = {});
    // Restore, second half: closes the open ledger, swaps the staged copy in while a copy of
    // the current file is kept until the reopened ledger proves good, and reopens. Throws
    // RestoreError: NotCompleted when the ledger file it found is in place and open again,
    // LedgerLost when even that fails. The staged copy is gone either way, and the next restore
    // may begin once this returns.
    static void swapIn(Db &live, StagedRestore staged, const Progress &progress = {});
    // Both halves in a row on the caller's thread. Throws RestoreError.
    static void restore(Db &live, const QString &source, const Progress &progress = {});

    // Settles what a restore cut short left beside ledgerFile; meant for before the ledger is
    // opened. Staged copies are removed. The kept previous ledger is removed when it is a
    // second name of ledgerFile itself, takes the ledger's name when there is no ledger, and
    // is otherwise moved into backupFolder under the first free backup name of its
    // modification time, so a restore offers it; it is never deleted. Touches no other file,
    // and nothing while another process restores into the same folder or copies the template
    // there. Throws DbError when the previous ledger could not be moved; it stays where it was
    // then.
    static void settleRestoreLeftovers(const QString &ledgerFile, const QString &backupFolder);
};

} // namespace ledger
