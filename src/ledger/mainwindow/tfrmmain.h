#pragma once

#include "ledger/mainwindow/webpanefactory.h"

#include <QDateTime>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
class QTimer;
class QTreeWidgetItem;

namespace Ui {
class TfrmMain;
}

namespace ledger {

class AppFilter;
class StatisticsPage;
class UpdateChecker;
class WebPane;

// The main window: top bar, navigation tree, the page control whose tabs are hidden (the tree
// and the top bar choose the page), the two browser panes and the status bar.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Page indexes of PageControl1.
    enum Page {
        HomePage = 0,
        IncomePage,
        OutPage,
        BankPage,
        TransferPage,
        BorrowPage,
        StatPage,
        ShenqiPage,
        InterestPage,
        MortgagePage,
        BackupPage,
        PageCount
    };

    // webPanes makes the two browser panes (the program hands the web engine's, tests stubs).
    explicit TfrmMain(WebPaneFactory webPanes, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The developer's web server the home pages come from (tests point it elsewhere).
    void setHomeHost(const QString &host) { m_homeHost = host; }
    QString homeHost() const { return m_homeHost; }
    // The time the status bar shows, read at each tick (tests set a fixed one).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    WebPane *wbMain() const { return m_wbMain.pane; }
    WebPane *wbFunAds() const { return m_wbFunAds.pane; }
    QString statusPanelText(int panel) const;

    void showTreePage();
    void setTreePosition();
    void TimerSystemTimer();
    void SpeedButton5Click();

    // Top-bar tools and the statistics and backup pages (tfrmmain_tools.cpp).
    void createToolPages();
    StatisticsPage *statisticsPage() const;
    void SpeedButton3Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();

    // Record pages: built once by the constructor, opened by showTreePage.
    void createRecordPages();
    void openRecordPage(int pageIndex);
    void showIncome();
    void showOut();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void buildStatusBar();
    void buildTopBar();
    void buildTree();
    void showPage(int index);
    // The home page with its node current (the node's own page switch not run again).
    void showHomePage();
    // Where the window goes when its ledger was found replaced: from a page of the ledger's
    // records or figures to the home page, so that none shows what the replaced file holds.
    void leaveLedgerPages();

    std::unique_ptr<Ui::TfrmMain> ui;
    WebPaneFactory m_factory;
    WebPaneWidget m_wbMain;
    WebPaneWidget m_wbFunAds;
    AppFilter *m_appFilter = nullptr;
    QTimer *m_timerSystem = nullptr;
    QLabel *m_statusUser = nullptr;
    QLabel *m_statusTime = nullptr;
    QString m_homeHost;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTime;
    bool m_shown = false;
    QTreeWidgetItem *m_currentAtPress = nullptr;
    UpdateChecker *m_updateChecker = nullptr;
};

} // namespace ledger
