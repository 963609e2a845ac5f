#include "ledger/backup/backuprestorepage.h"

#include "ledger/core/dbguard.h"
#include "ledger/core/prompter.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QDir>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <memory>
#include <utility>

namespace ledger {

namespace {

QGroupBox *makeGroup(const QString &caption, QToolButton **button, const QString &buttonName,
                     QProgressBar **bar, const QString &barName, QStyle::StandardPixmap icon,
                     QWidget *parent) {
    auto *group = new QGroupBox(caption, parent);
    auto *row = new QHBoxLayout(group);
    *button = new QToolButton(group);
    (*button)->setObjectName(buttonName);
    (*button)->setText(caption);
    (*button)->setIcon(parent->style()->standardIcon(icon));
    (*button)->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    (*button)->setAutoRaise(true);
    *bar = new QProgressBar(group);
    (*bar)->setObjectName(barName);
    (*bar)->setRange(0, 100);
    (*bar)->setVisible(false);
    (*bar)->setFixedWidth(320);
    row->addWidget(*button);
    row->addSpacing(12);
    row->addWidget(*bar);
    row->addStretch(1);
    return group;
}

} // namespace

BackupRestorePage::BackupRestorePage(QWidget *parent)
    : QWidget(parent), m_clock([] { return QDateTime::currentDateTime(); }) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(18);
    layout->addWidget(makeGroup(QStringLiteral("数据备份"), &m_backup,
                                QStringLiteral("sbtn_db_bak"), &m_backupBar,
                                QStringLiteral("pbr_db_bak"), QStyle::SP_DialogSaveButton, this));
    QGroupBox *restoreGroup =
        makeGroup(QStringLiteral("数据还原"), &m_restore, QStringLiteral("sbtn_db_restore"),
                  &m_restoreBar, QStringLiteral("pbr_db_restore"), QStyle::SP_BrowserReload, this);
    m_restoreWaits = new QLabel(restoreWaitsText(), restoreGroup);
    m_restoreWaits->setObjectName(QStringLiteral("lbl_db_restore_wait"));
    m_restoreWaits->setVisible(false);
    // In the bar's place while the restore waits.
    auto *row = static_cast<QHBoxLayout *>(restoreGroup->layout());
    row->insertWidget(row->indexOf(m_restoreBar) + 1, m_restoreWaits);
    layout->addWidget(restoreGroup);
    layout->addStretch(1);
    connect(m_backup, &QToolButton::clicked, this, &BackupRestorePage::sbtn_db_bakClick);
    connect(m_restore, &QToolButton::clicked, this, &BackupRestorePage::sbtn_db_restoreClick);
}

BackupRestorePage::~BackupRestorePage() {
    // The worker reports through queued calls only; it must not outlive the connection. A
    // restore still waiting for another instance's gives up at once.
    if (m_staging)
        m_staging->giveUpWaiting = true;
    if (m_watcher)
        m_watcher->waitForFinished();
    // A restore cut short here never swaps its staged copy in: it is removed, the lock let go.
    if (m_staging)
        m_staging->staged.reset();
}

QString BackupRestorePage::restoreRefusedText() {
    return QStringLiteral("还原失败：所选文件不是可用的备份，当前数据未改变。");
}

QString BackupRestorePage::restoreNotCompletedText() {
    return QStringLiteral("还原失败：无法完成还原，当前数据未改变。");
}

QString BackupRestorePage::restoreFailedText(const QString &backupDir, const QString &dataDir) {
    const auto folder = [](const QString &path) {
        return QDir::toNativeSeparators(QDir::cleanPath(path)) + QDir::separator();
    };
    return QStringLiteral("还原失败! 手工从") + folder(backupDir) +
           QStringLiteral("目录下拷贝最新数据库到") + folder(dataDir) +
           QStringLiteral("下，并更名为Kexbora.db。");
}

QString BackupRestorePage::restoreWaitsText() {
    return QStringLiteral("正在等待另一个运行中的本程序完成数据还原……");
}

void BackupRestorePage::runInBackground(QProgressBar *bar, const char *what, Work work,
                                        std::function<void(const Failure &)> done) {
    m_backup->setEnabled(false);
    m_restore->setEnabled(false);
    bar->setValue(0);
    bar->setVisible(true);
    emit busyChanged(true);
    m_watcher = new QFutureWatcher<Failure>(this);
    connect(m_watcher, &QFutureWatcher<Failure>::finished, this, [this, bar, what, done] {
        const Failure failure = m_watcher->result();
        m_watcher->deleteLater();
        m_watcher = nullptr;
        if (failure)
            qWarning("%s: %s", what, failure->what());
        bar->setVisible(false);
        m_backup->setEnabled(true);
        m_restore->setEnabled(true);
        emit busyChanged(false);
        done(failure);
    });
    m_watcher->setFuture(QtConcurrent::run([bar, work = std::move(work)]() -> Failure {
        auto shown = std::make_shared<std::atomic<int>>(-1);
        try {
            work([bar, shown](int percent) {
                if (shown->exchange(percent) != percent)
                    QMetaObject::invokeMethod(
                        bar, [bar, percent] { bar->setValue(percent); }, Qt::QueuedConnection);
            });
            return std::nullopt;
        } catch (const DbError &e) {
            return e;
        } catch (const std::exception &e) { // nothing may reach the future's result()
            return DbError(QString::fromUtf8(e.what()), DbError::Code::File);
        }
    }));
}

void BackupRestorePage::sbtn_db_bakClick() {
    if (isBusy())
        return;
    QString file;
    QByteArray key;
    const bool ledgerInPlace = guardDb(
        "backup",
        [&] {
            const Db &db = ledgerDb();
            file = db.path();
            key = db.key();
        },
        QStringLiteral("备份失败。"));
    if (!ledgerInPlace)
        return;
    const QString folder = frmDM->paths().backupDir;
    const QDateTime time = m_clock();
    runInBackground(
        m_backupBar, "backup",
        [=](const auto &progress) { DbBackup::backup(file, key, folder, time, progress); },
        [](const Failure &failure) {
            showInfo(failure ? QStringLiteral("备份失败。") : QStringLiteral("备份成功。"));
        });
}

void BackupRestorePage::sbtn_db_restoreClick() {
    if (isBusy())
        return;
    Prompter &prompter = Prompter::instance();
    if (!prompter.confirm(QStringLiteral("是否已做好当前数据库备份工作?"), QStringLiteral("提示")))
        return;
    const QString folder = frmDM ? frmDM->paths().backupDir : QString();
    const QString file = prompter.openFileName(QStringLiteral("数据还原"), folder,
                                               QStringLiteral("备份文件 (*.db)"));
    if (file.isEmpty())
        return;
    if (!frmDM) {
        showInfo(restoreNotCompletedText());
        return;
    }
    // The connection may be closed after an earlier failure; its path and key stay.
    const QString ledgerFile = frmDM->adoConn().path();
    const QByteArray key = frmDM->adoConn().key();
    // The worker waits while another instance restores, saying so; the window stays painted
    // meanwhile.
    auto staging = std::make_shared<Staging>();
    m_staging = staging;
    const auto showWaitingLater = [this](bool waiting) {
        QMetaObject::invokeMethod(
            this,
            [this, waiting] {
                m_restoreWaits->setVisible(waiting);
                m_restoreBar->setVisible(!waiting);
            },
            Qt::QueuedConnection);
    };
    runInBackground(
        m_restoreBar, "restore",
        [=](const auto &progress) {
            bool waiting = false;
            const auto keepWaiting = [&] {
                if (!std::exchange(waiting, true))
                    showWaitingLater(true);
                return !staging->giveUpWaiting;
            };
            const auto tell = [&](int percent) {
                if (std::exchange(waiting, false))
                    showWaitingLater(false);
                progress(percent);
            };
            try {
                staging->staged.emplace(
                    DbBackup::stageRestore(ledgerFile, key, file, tell, keepWaiting));
            } catch (const DbBackup::RestoreError &e) {
                staging->failure = e.failure();
                throw;
            }
        },
        [this, staging](const Failure &failure) {
            m_restoreWaits->setVisible(false);
            m_staging.reset();
            if (failure)
                showRestoreFailure(staging->failure);
            else
                finishRestore(*std::exchange(staging->staged, std::nullopt));
        });
}

void BackupRestorePage::finishRestore(StagedRestore staged) {
    try {
        DbBackup::swapIn(frmDM->adoConn(), std::move(staged));
        showInfo(QStringLiteral("还原成功。"));
    } catch (const DbBackup::RestoreError &e) {
        qWarning("restore: %s", e.what());
        showRestoreFailure(e.failure());
    }
}

void BackupRestorePage::showRestoreFailure(DbBackup::RestoreFailure failure) {
    switch (failure) {
    case DbBackup::RestoreFailure::FileRefused:
        showInfo(restoreRefusedText());
        break;
    case DbBackup::RestoreFailure::NotCompleted:
        showInfo(restoreNotCompletedText());
        break;
    case DbBackup::RestoreFailure::LedgerLost:
        showInfo(restoreFailedText(frmDM->paths().backupDir, frmDM->paths().dataDir));
        break;
    case DbBackup::RestoreFailure::WaitGivenUp: // only as the page ends: nobody to tell
        break;
    }
}

} // namespace ledger
