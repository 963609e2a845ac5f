#pragma once

#include <QDateTime>
#include <QWidget>
#include <functional>

class QProgressBar;
class QToolButton;

namespace ledger {

// The page "备份还原" (content of TabSheet18): a verified backup of the database file into
// Data/backup/, and the restore of a chosen backup, each with a progress bar while it runs.
class BackupRestorePage : public QWidget {
    Q_OBJECT
public:
    explicit BackupRestorePage(QWidget *parent = nullptr);

    void sbtn_db_bakClick();
    void sbtn_db_restoreClick();

    // The clock that names backups (tests fix it).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    static QString restoreFailedText();

private:
    // Runs one copy with its progress bar shown and both buttons locked; true on success.
    bool runCopy(QProgressBar *bar, const char *what,
                 const std::function<void(const std::function<void(int)> &)> &copy);

    QToolButton *m_backup;
    QToolButton *m_restore;
    QProgressBar *m_backupBar;
    QProgressBar *m_restoreBar;
    std::function<QDateTime()> m_clock;
};

} // namespace ledger
