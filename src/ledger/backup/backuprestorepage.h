#pragma once

#include "ledger/data/dbbackup.h"

#include <QDateTime>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QToolButton;
template <typename T> class QFutureWatcher;

namespace ledger {

// The page "备份还原" (content of TabSheet18): a verified backup of the database file into
// Data/backup/, and the restore of a chosen backup. The copies and their checks run on a worker
// thread with a progress bar shown; the window keeps painting meanwhile, with busyChanged
// telling it to lock its controls. The ledger is closed only while a restore swaps the files.
// A restore that waits for another instance's says so; the page's end gives that wait up.
class BackupRestorePage : public QWidget {
    Q_OBJECT
public:
    explicit BackupRestorePage(QWidget *parent = nullptr);
    ~BackupRestorePage() override;

    void sbtn_db_bakClick();
    void sbtn_db_restoreClick();

    // The clock that names backups (tests fix it).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    bool isBusy() const { return m_watcher != nullptr; }

    // A restore refused for its file, and one that failed otherwise; the current data is
    // unchanged after both.
    static QString restoreRefusedText();
    static QString restoreNotCompletedText();
    // For a restore that could not put the previous ledger back: where to copy by hand.
    static QString restoreFailedText(const QString &backupDir, const QString &dataDir);
    // Shown in place of the restore's progress while it waits for another instance's restore.
    static QString restoreWaitsText();

signals:
    void busyChanged(bool busy);

private:
    using Failure = std::optional<DbError>;
    using Work = std::function<void(const std::function<void(int)> &progress)>;
    // Runs work on a worker thread with bar showing its progress and both buttons locked,
    // then done on this thread with the failure, if any.
    void runInBackground(QProgressBar *bar, const char *what, Work work,
                         std::function<void(const Failure &)> done);
    void finishRestore(StagedRestore staged);
    void showRestoreFailure(DbBackup::RestoreFailure failure);

    QToolButton *m_backup;
    QToolButton *m_restore;
    QProgressBar *m_backupBar;
    QProgressBar *m_restoreBar;
    QLabel *m_restoreWaits;
    QFutureWatcher<Failure> *m_watcher = nullptr;
    // The restore under way: its staged copy (and with it the restore lock) once the worker has
    // made it, kept until it is swapped in.
    struct Staging {
        std::optional<StagedRestore> staged;
        DbBackup::RestoreFailure failure = DbBackup::RestoreFailure::NotCompleted;
        std::atomic<bool> giveUpWaiting = false; // set when the page ends
    };
    std::shared_ptr<Staging> m_staging;
    std::function<QDateTime()> m_clock;
};

} // namespace ledger
