#include "ledger/data/dbbackup.h"

#include "common/atomicwrite.h"
#include "common/folderlock.h"
#include "ledger/data/db.h"
#include "ledger/data/ledgerschemacheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <filesystem>
#include <memory>
#include <sqlcipher/sqlite3.h>

namespace ledger {

namespace {

constexpr int kPagesPerStep = 4096;
constexpr int kMaxBackupsPerSecond = 999;
// The tags of the unique names of a backup being written and of a restore's staged copy.
const QString kPartTag = QStringLiteral("part");
const QString kStagedTag = QStringLiteral("restore-new");

using RestoreError = DbBackup::RestoreError;
using RestoreFailure = DbBackup::RestoreFailure;

void report(const DbBackup::Progress &progress, int percent) {
    if (progress)
        progress(percent);
}

[[noreturn]] void fileFailure(const QString &what, const QString &path, const QString &why = {}) {
    throw DbError(what + QLatin1Char(' ') + path +
                      (why.isEmpty() ? QString() : QStringLiteral(": ") + why),
                  DbError::Code::File);
}

std::filesystem::path fsPath(const QString &path) {
    return std::filesystem::path(path.toStdU16String());
}

struct BackupJobEnd {
    void operator()(sqlite3_backup *job) const { sqlite3_backup_finish(job); }
};

[[noreturn]] void engineFailure(const QString &what, sqlite3 *db, int code) {
    throw DbError(what + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db)),
                  DbError::Code::Engine, code);
}

// Copies every page of the open source database into a new file keyed with key.
void onlineCopy(Db &source, const QString &target, const QByteArray &key,
                const DbBackup::Progress &progress, int first, int last) {
    Db copy;
    QString error;
    if (!copy.create(target, key, &error))
        fileFailure(QStringLiteral("cannot create"), target, error);
    std::unique_ptr<sqlite3_backup, BackupJobEnd> job(
        sqlite3_backup_init(copy.handle(), "main", source.handle(), "main"));
    if (!job)
        engineFailure(QStringLiteral("backup cannot start"), copy.handle(),
                      sqlite3_errcode(copy.handle()));
    int rc = SQLITE_OK;
    while (rc == SQLITE_OK) {
        rc = sqlite3_backup_step(job.get(), kPagesPerStep);
        const int pages = sqlite3_backup_pagecount(job.get());
        if (pages > 0)
            report(progress, first + int(qint64(last - first) *
                                         (pages - sqlite3_backup_remaining(job.get())) / pages));
    }
    rc = sqlite3_backup_finish(job.release());
    if (rc != SQLITE_OK)
        engineFailure(QStringLiteral("backup failed"), copy.handle(), rc);
}

// A copy's progress in bytes told as the share from first to last.
std::function<void(qint64, qint64)> copyProgress(const DbBackup::Progress &progress, int first,
                                                 int last) {
    return [=](qint64 done, qint64 size) {
        size = qMax<qint64>(size, 1);
        report(progress, first + int(qint64(last - first) * qMin(done, size) / size));
    };
}

// Throws the error of a file copy that failed.
void requireCopied(bool copied, const QString &error) {
    if (!copied)
        throw DbError(error, DbError::Code::File);
}

// Moves from over to, replacing to in one step.
void replaceFile(const QString &from, const QString &to) {
    QString error;
    if (!common::renameReplacing(from, to, &error))
        throw DbError(error, DbError::Code::File);
}

// A second name for the file's current content: a hard link, or a copy where links fail.
void keepCopy(const QString &path, const QString &kept) {
    Db::removeFile(kept);
    std::error_code ec;
    std::filesystem::create_hard_link(fsPath(path), fsPath(kept), ec);
    QString error;
    if (ec)
        requireCopied(common::copyFileAtomically(path, kept, {}, &error), error);
}

// Runs step; its failure is thrown as a restore failing for that cause.
template <typename Step> void restoreStep(RestoreFailure cause, Step &&step) {
    try {
        step();
    } catch (const RestoreError &) {
        throw;
    } catch (const DbError &e) {
        throw RestoreError(e, cause);
    } catch (const std::exception &e) {
        throw RestoreError(DbError(QString::fromUtf8(e.what()), DbError::Code::File), cause);
    }
}

// Moves file into dir (ending in '/') under the first free backup name for time, never
// replacing a file. Returns the new path. Throws DbError.
QString moveToFreeBackupName(const QString &file, const QString &dir, const QDateTime &time) {
    for (int n = 1; n <= kMaxBackupsPerSecond; ++n) {
        const QString target = dir + DbBackup::backupFileName(time, n);
        QString error;
        if (common::renameWithoutReplacing(file, target, &error))
            return target;
        if (!QFileInfo::exists(target))
            throw DbError(error, DbError::Code::File);
    }
    fileFailure(QStringLiteral("every backup name of this second is taken in"), dir);
}

// The names of the copies tagged tag that interrupted work left beside the files named by
// baseName (a regular expression), and their journals: with the unique part of the name or,
// from older versions, without it.
QString leftoverPattern(const QString &baseName, const QString &tag) {
    return QStringLiteral("(%1\\.%2|%3)(-journal)?")
        .arg(baseName, tag, common::uniqueNamePattern(baseName, tag));
}

// The name under which a restore keeps the previous ledger until the new one proves good.
QString keptRestoreFile(const QString &ledgerFile) {
    return ledgerFile + QStringLiteral(".restore-old");
}

} // namespace

DbBackup::RestoreError::RestoreError(const DbError &error, RestoreFailure failure)
    : DbError(QString::fromUtf8(error.what()),
              failure == RestoreFailure::LedgerLost ? Code::LedgerLost : error.code(),
              error.sqliteCode()),
      m_failure(failure) {}

void DbBackup::verifyLedgerFile(const QString &path, const QByteArray &key, bool thorough) {
    Db db;
    QString error;
    if (!openLedger(db, path, key, &error))
        throw DbError(path + QStringLiteral(": ") + error, DbError::Code::NotALedger);
    if (thorough) {
        Statement check(db, QStringLiteral("PRAGMA quick_check"));
        const QString verdict = check.next() ? check.text(0) : QString();
        if (verdict != QLatin1String("ok"))
            throw DbError(path + QStringLiteral(": damaged: ") + verdict,
                          DbError::Code::NotALedger);
    }
}

QString DbBackup::backupFileName(const QDateTime &time, int n) {
    const QString stamp = time.toString(QStringLiteral("yyyyMMddHHmmss"));
    return n <= 1 ? stamp + QStringLiteral(".db") : QStringLiteral("%1-%2.db").arg(stamp).arg(n);
}

void DbBackup::removeLeftovers(const QString &folder) {
    const common::FolderLock noBackupUnderWay(folder, common::FolderLock::Mode::Exclusive,
                                              common::FolderLock::Wait::No);
    if (!noBackupUnderWay.heldElsewhere())
        common::removeFilesNamed(folder,
                                 leftoverPattern(QStringLiteral("\\d{14}(-\\d+)?\\.db"), kPartTag));
}

QString DbBackup::backup(const QString &ledgerFile, const QByteArray &key, const QString &folder,
                         const QDateTime &time, const Progress &progress) {
    Db source;
    QString error;
    if (!openLedger(source, ledgerFile, key, &error))
        throw DbError(QStringLiteral("cannot open the ledger: ") + error,
                      DbError::Code::NoConnection);
    if (!QDir().mkpath(folder))
        fileFailure(QStringLiteral("cannot create the folder"), folder);
    removeLeftovers(folder);
    // Shared with other backups; a clean-up waits for its end.
    const common::FolderLock underWay(folder, common::FolderLock::Mode::Shared,
                                      common::FolderLock::Wait::UntilFree);
    const QString dir = QDir(folder).absolutePath() + QLatin1Char('/');
    const QString temp = common::uniqueNameBeside(dir + backupFileName(time), kPartTag);
    try {
        report(progress, 0);
        onlineCopy(source, temp, key, progress, 0, 80);
        // Written page by page by SQLite itself: opening it with the key and finding the
        // ledger's tables is its check (a restore reads every page of what it takes in).
        verifyLedgerFile(temp, key, false);
        report(progress, 95);
        return moveToFreeBackupName(temp, dir, time);
    } catch (...) {
        Db::removeFile(temp);
        throw;
    }
}

StagedRestore DbBackup::stageRestore(const QString &ledgerFile, const QByteArray &key,
                                     const QString &source, const Progress &progress,
                                     const common::FolderLock::KeepWaiting &keepWaiting) {
    if (ledgerFile.isEmpty())
        throw RestoreError(
            DbError(QStringLiteral("no ledger was opened"), DbError::Code::NoConnection),
            RestoreFailure::NotCompleted);
    const QString folder = QFileInfo(ledgerFile).absolutePath();
    using common::FolderLock;
    FolderLock oneRestore =
        keepWaiting ? FolderLock(folder, FolderLock::Mode::Exclusive, keepWaiting)
                    : FolderLock(folder, FolderLock::Mode::Exclusive, FolderLock::Wait::UntilFree);
    if (oneRestore.heldElsewhere())
        throw RestoreError(DbError(QStringLiteral("the wait for another restore in ") + folder +
                                       QStringLiteral(" was given up"),
                                   DbError::Code::File),
                           RestoreFailure::WaitGivenUp);
    report(progress, 0);
    restoreStep(RestoreFailure::FileRefused, [&] {
        const QFileInfo chosen(source);
        if (!chosen.isFile())
            fileFailure(QStringLiteral("not a file:"), source);
        if (chosen.canonicalFilePath() == QFileInfo(ledgerFile).canonicalFilePath())
            fileFailure(QStringLiteral("the chosen file is the open ledger itself:"), source);
        verifyLedgerFile(source, key, false);
    });

    // The chosen file, copied beside the ledger and checked page by page; the ledger is not
    // touched until this copy proves good. Given up on, the copy is removed.
    StagedRestore staged(std::move(oneRestore), ledgerFile,
                         common::uniqueNameBeside(ledgerFile, kStagedTag));
    restoreStep(RestoreFailure::NotCompleted, [&] {
        QString error;
        requireCopied(
            common::copyFileToNewFile(source, staged.copy(), copyProgress(progress, 5, 60), &error),
            error);
    });
    try {
        verifyLedgerFile(staged.copy(), key, true);
    } catch (const DbError &e) {
        // A damaged copy of a sound file is the copy's fault, not the file's.
        restoreStep(RestoreFailure::FileRefused, [&] { verifyLedgerFile(source, key, true); });
        throw RestoreError(e, RestoreFailure::NotCompleted);
    }
    report(progress, 80);
    return staged;
}

void DbBackup::swapIn(Db &live, StagedRestore staged, const Progress &progress) {
    const QString target = live.path();
    const QString kept = keptRestoreFile(target);
    if (staged.copy().isEmpty() || staged.ledgerFile() != target)
        throw RestoreError(
            DbError(QStringLiteral("no copy is staged for ") + target, DbError::Code::File),
            RestoreFailure::NotCompleted);
    live.close();
    bool swapped = false;
    try {
        if (QFileInfo::exists(target + QStringLiteral("-journal")) ||
            QFileInfo::exists(target + QStringLiteral("-wal")))
            fileFailure(QStringLiteral("an unfinished transaction is left beside"), target);
        keepCopy(target, kept);
        report(progress, 85);
        replaceFile(staged.copy(), target);
        swapped = true;
        report(progress, 90);
        QString error;
        if (!live.reopen(&error))
            throw DbError(QStringLiteral("cannot open the restored ledger: ") + error,
                          DbError::Code::NotALedger);
        report(progress, 95);
    } catch (const std::exception &e) {
        live.close();
        QString why = QString::fromUtf8(e.what());
        bool putBack = !swapped;
        if (QFileInfo::exists(kept)) {
            try {
                replaceFile(kept, target);
                // A rename between two links of one file leaves both names.
                QFile::remove(kept);
                putBack = true;
            } catch (const DbError &undo) {
                why += QStringLiteral("; ") + QString::fromUtf8(undo.what());
                putBack = false;
            }
        }
        QString error;
        if (!live.reopen(&error)) {
            why += QStringLiteral("; the previous ledger cannot be opened: ") + error;
            putBack = false;
        }
        const auto *dbError = dynamic_cast<const DbError *>(&e);
        throw RestoreError(DbError(QStringLiteral("restore failed: ") + why,
                                   dbError ? dbError->code() : DbError::Code::File,
                                   dbError ? dbError->sqliteCode() : 0),
                           putBack ? RestoreFailure::NotCompleted : RestoreFailure::LedgerLost);
    }
    Db::removeFile(kept);
}

void DbBackup::restore(Db &live, const QString &source, const Progress &progress) {
    swapIn(live, stageRestore(live.path(), live.key(), source, progress), progress);
}

void DbBackup::settleRestoreLeftovers(const QString &ledgerFile, const QString &backupFolder) {
    // Another instance's restore under way is its own to finish.
    const QFileInfo ledger(ledgerFile);
    const common::FolderLock noRestore(ledger.absolutePath(), common::FolderLock::Mode::Exclusive,
                                       common::FolderLock::Wait::No);
    if (noRestore.heldElsewhere())
        return;
    common::removeFilesNamed(
        ledger.absolutePath(),
        leftoverPattern(QRegularExpression::escape(ledger.fileName()), kStagedTag));
    const QString kept = keptRestoreFile(ledgerFile);
    // A copy of the previous ledger made where links fail, cut short.
    common::removeFilesNamed(
        ledger.absolutePath(),
        common::uniqueNamePattern(QRegularExpression::escape(QFileInfo(kept).fileName()),
                                  common::kAtomicCopyTag));
    const QFileInfo keptInfo(kept);
    if (!keptInfo.isFile())
        return;
    QString error;
    std::error_code ec;
    if (!QFileInfo::exists(ledgerFile)) {
        // The previous ledger is the only one.
        if (common::renameWithoutReplacing(kept, ledgerFile, &error))
            return;
    } else if (std::filesystem::equivalent(fsPath(kept), fsPath(ledgerFile), ec)) {
        if (!QFile::remove(kept))
            fileFailure(QStringLiteral("cannot remove"), kept);
        return;
    }
    // Another ledger than the current one: kept where a restore offers it.
    if (!QDir().mkpath(backupFolder))
        fileFailure(QStringLiteral("cannot create the folder"), backupFolder);
    moveToFreeBackupName(kept, QDir(backupFolder).absolutePath() + QLatin1Char('/'),
                         keptInfo.lastModified());
}

} // namespace ledger
