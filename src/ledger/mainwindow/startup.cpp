#include "ledger/mainwindow/startup.h"

#include "ledger/data/dbbackup.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/mainwindow/startuptiming.h"
#include "ledger/mainwindow/tfrmmain.h"
#include "ledger/users/tfrmlogin.h"

namespace ledger {

Startup::Startup(const DataPaths &paths, WebPaneFactory webPanes)
    : runLogin([](TfrmLogin &login) { return login.exec(); }), m_paths(paths),
      m_webPanes(std::move(webPanes)) {}

Startup::~Startup() {
    m_main.reset();
    m_dm.reset();
}

std::optional<int> Startup::begin() {
    // What an interrupted restore left, settled before the ledger is opened or made.
    try {
        DbBackup::settleRestoreLeftovers(m_paths.databaseFile, m_paths.backupDir);
    } catch (const DbError &e) {
        qWarning("restore leftovers: %s", e.what());
    }
    // The login window, made first, carries the program's skin: the boxes the data module
    // shows before any window (no database, a failed connection) are skinned with it.
    auto login = std::make_unique<TfrmLogin>();
    m_dm = std::make_unique<TfrmDM>(m_paths);
    // The data module has said why it could not open the ledger.
    if (m_dm->DataModuleCreate() != TfrmDM::OpenResult::Opened)
        return 1;
    // What an interrupted backup left.
    DbBackup::removeLeftovers(m_paths.backupDir);

    StartupTiming::watchFirstPaint(login.get(), QStringLiteral("login-shown"));
    const int result = runLogin(*login);
    login.reset();
    if (result != TfrmLogin::LoggedIn)
        return 0;

    StartupTiming::mark(QStringLiteral("login-accepted"));
    m_main = std::make_unique<TfrmMain>(m_webPanes);
    StartupTiming::watchFirstPaint(m_main.get(), QStringLiteral("main-shown"));
    m_main->show();
    return std::nullopt;
}

} // namespace ledger
