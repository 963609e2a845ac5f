#include "ledger/backup/backuprestorepage.h"

#include "ledger/core/dbguard.h"
#include "ledger/core/prompter.h"
#include "ledger/data/dbbackup.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

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
    layout->addWidget(makeGroup(QStringLiteral("数据还原"), &m_restore,
                                QStringLiteral("sbtn_db_restore"), &m_restoreBar,
                                QStringLiteral("pbr_db_restore"), QStyle::SP_BrowserReload, this));
    layout->addStretch(1);
    connect(m_backup, &QToolButton::clicked, this, &BackupRestorePage::sbtn_db_bakClick);
    connect(m_restore, &QToolButton::clicked, this, &BackupRestorePage::sbtn_db_restoreClick);
}

QString BackupRestorePage::restoreFailedText() {
    return QStringLiteral("还原失败! 手工从\\data\\backup\\目录下拷贝最新数据库到\\data\\下，"
                          "并更名为Kexbora.db。");
}

bool BackupRestorePage::runCopy(QProgressBar *bar, const char *what,
                                const std::function<void(const std::function<void(int)> &)> &copy) {
    m_backup->setEnabled(false);
    m_restore->setEnabled(false);
    bar->setValue(0);
    bar->setVisible(true);
    const bool ok = guardDb(what, [&] {
        copy([bar](int percent) {
            bar->setValue(percent);
            // Repaint the bar; the window takes no input until the copy is done.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        bar->setValue(100);
    });
    bar->setVisible(false);
    m_backup->setEnabled(true);
    m_restore->setEnabled(true);
    return ok;
}

void BackupRestorePage::sbtn_db_bakClick() {
    const bool ok = runCopy(m_backupBar, "backup", [this](const auto &progress) {
        Db &db = ledgerDb();
        DbBackup::backup(db, frmDM->paths().backupDir, m_clock(), progress);
    });
    showInfo(ok ? QStringLiteral("备份成功。") : QStringLiteral("备份失败。"));
}

void BackupRestorePage::sbtn_db_restoreClick() {
    Prompter &prompter = Prompter::instance();
    if (!prompter.confirm(QStringLiteral("是否已做好当前数据库备份工作?"), QStringLiteral("提示")))
        return;
    const QString folder = frmDM ? frmDM->paths().backupDir : QString();
    const QString file = prompter.openFileName(QStringLiteral("数据还原"), folder,
                                               QStringLiteral("备份文件 (*.db)"));
    if (file.isEmpty())
        return;
    const bool ok = runCopy(m_restoreBar, "restore", [&file](const auto &progress) {
        // The connection may be closed after an earlier failure; the restore reopens it.
        if (!frmDM)
            throw DbError(QStringLiteral("no data module"), DbError::Code::NoConnection);
        DbBackup::restore(frmDM->adoConn(), file, progress);
    });
    showInfo(ok ? QStringLiteral("还原成功。") : restoreFailedText());
}

} // namespace ledger
