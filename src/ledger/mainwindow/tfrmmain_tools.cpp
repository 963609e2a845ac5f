// The top-bar tools of the main window: calculator, help, update check and feedback; and the
// statistics and backup pages.
#include "ledger/mainwindow/tfrmmain.h"

#include "ledger/backup/backuprestorepage.h"
#include "ledger/calc/calcform.h"
#include "ledger/core/exeversion.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/stats/statisticspage.h"
#include "ledger/tools/externaltools.h"
#include "ledger/tools/updatechecker.h"
#include "ledger/tools/versionnumber.h"
#include "ui_tfrmmain.h"

#include <QNetworkAccessManager>

namespace ledger {

void TfrmMain::createToolPages() {
    placeOnSheet(ui->tbsStat, new StatisticsPage);
    auto *backup = new BackupRestorePage;
    placeOnSheet(ui->TabSheet18, backup);
    // While a copy runs the window paints and moves, but nothing else can be started.
    connect(backup, &BackupRestorePage::busyChanged, this, [this](bool busy) {
        ui->pnlTop->setEnabled(!busy);
        ui->pnlMiddleLeft->setEnabled(!busy);
    });
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TfrmMain::SpeedButton3Click);
    connect(ui->SpeedButton7, &QToolButton::clicked, this, &TfrmMain::SpeedButton7Click);
    connect(ui->SpeedButton8, &QToolButton::clicked, this, &TfrmMain::SpeedButton8Click);
    connect(ui->SpeedButton9, &QToolButton::clicked, this, &TfrmMain::SpeedButton9Click);
}

StatisticsPage *TfrmMain::statisticsPage() const {
    return ui->tbsStat->findChild<StatisticsPage *>();
}

void TfrmMain::SpeedButton3Click() {
    startCalculator();
}

void TfrmMain::SpeedButton7Click() {
    openInBrowser(forumAddress(m_homeHost));
}

void TfrmMain::SpeedButton8Click() {
    if (!m_updateChecker) {
        QNetworkAccessManager *http = frmDM ? frmDM->IdHTTP1() : new QNetworkAccessManager(this);
        m_updateChecker = new UpdateChecker(http, this);
        connect(m_updateChecker, &UpdateChecker::finished, this,
                [this](UpdateChecker::Result result) {
                    ui->SpeedButton8->setEnabled(true);
                    announceUpdate(result, m_homeHost);
                });
    }
    // The window keeps working while the check waits; the button is off until it ends.
    if (m_updateChecker->check(m_homeHost, packVersion(getExeVersion())))
        ui->SpeedButton8->setEnabled(false);
}

void TfrmMain::SpeedButton9Click() {
    askFeedback(m_homeHost);
}

} // namespace ledger
