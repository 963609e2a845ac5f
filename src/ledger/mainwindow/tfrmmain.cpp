#include "ledger/mainwindow/tfrmmain.h"

#include "ledger/app/paths.h"
#include "ledger/app/programskin.h"
#include "ledger/calc/calcform.h"
#include "ledger/calc/investcalcpage.h"
#include "ledger/calc/mortgagecalcpage.h"
#include "ledger/calc/savingscalcpage.h"
#include "ledger/core/currentuser.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/formpanel.h"
#include "ledger/core/webpane.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/mainwindow/appfilter.h"
#include "ledger/mainwindow/artwork.h"
#include "ledger/net/reachability.h"
#include "ledger/users/tfrmmodifypwd.h"
#include "ui_tfrmmain.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>

namespace ledger {

namespace {

// The page a navigation node opens, in the node's data.
constexpr int kPageRole = Qt::UserRole;
constexpr int kFunAdsHeight = 200;

void addPane(const WebPaneWidget &pane, QWidget *host, const QString &name) {
    pane.widget->setObjectName(name);
    if (!host->layout()) {
        auto *layout = new QVBoxLayout(host);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    host->layout()->addWidget(pane.widget);
}

} // namespace

TfrmMain::TfrmMain(WebPaneFactory webPanes, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfrmMain>()), m_factory(std::move(webPanes)),
      m_homeHost(QString::fromLatin1(kHomeHost)) {
    ui->setupUi(this);
    attachProgramSkin(this);
    FormPanel::pressButtonsOnEnter(this);

    m_wbMain = m_factory(ui->tbsHomePage);
    addPane(m_wbMain, ui->tbsHomePage, QStringLiteral("wbMain"));
    m_wbFunAds = m_factory(ui->pnlFunAds);
    addPane(m_wbFunAds, ui->pnlFunAds, QStringLiteral("wbFunAds"));

    m_appFilter = new AppFilter(this);
    m_appFilter->setObjectName(QStringLiteral("ApplicationEvents1"));
    m_appFilter->addBrowser(m_wbMain.widget);
    m_appFilter->addBrowser(m_wbFunAds.widget);
    qApp->installEventFilter(m_appFilter);

    buildTopBar();
    buildStatusBar();

    m_timerSystem = new QTimer(this);
    m_timerSystem->setObjectName(QStringLiteral("TimerSystem"));
    m_timerSystem->setInterval(1000);
    connect(m_timerSystem, &QTimer::timeout, this, &TfrmMain::TimerSystemTimer);
    m_timerSystem->start();
    TimerSystemTimer();

    QPalette left = ui->pnlMiddleLeft->palette();
    left.setColor(QPalette::Window, NavTree::backgroundColor());
    ui->pnlMiddleLeft->setPalette(left);
    ui->pnlMiddleLeft->setAutoFillBackground(true);
    // The browser pane under the tree takes the tree's colour too (for a page without a
    // background of its own): the whole left column reads as one.
    m_wbFunAds.widget->setPalette(left);
    ui->pnlMiddleLeft->installEventFilter(this);
    ui->tv1->viewport()->installEventFilter(this);
    ui->tv1->installEventFilter(this);
    buildTree();
    connect(ui->tv1, &QTreeWidget::currentItemChanged, this, &TfrmMain::showTreePage);
    connect(ui->tv1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        // A click on the row that was already current shows its page again.
        if (item == m_currentAtPress)
            showTreePage();
    });

    createRecordPages();
    placeOnSheet(ui->tbsShenqi, new InvestCalcPage);
    placeOnSheet(ui->TabSheet16, new SavingsCalcPage);
    placeOnSheet(ui->TabSheet17, new MortgageCalcPage);
    createToolPages();
    // Queued: the ledger may be found replaced in the middle of a page's work or paint.
    if (frmDM)
        connect(frmDM, &TfrmDM::ledgerReplaced, this, &TfrmMain::leaveLedgerPages,
                Qt::QueuedConnection);
    FormCreate();
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(m_appFilter);
}

void TfrmMain::buildTopBar() {
    ui->Image1->setPixmap(paintLogo(ui->Image1->minimumSize(), devicePixelRatioF()));
    QPalette pal = ui->pnlTop->palette();
    pal.setColor(QPalette::Window, QColor(246, 249, 253));
    ui->pnlTop->setPalette(pal);

    connect(ui->SpeedButton5, &QToolButton::clicked, this, &TfrmMain::SpeedButton5Click);
    const std::pair<QToolButton *, int> pageButtons[] = {{ui->SpeedButton6, InterestPage},
                                                         {ui->SpeedButton4, MortgagePage},
                                                         {ui->SpeedButton2, ShenqiPage},
                                                         {ui->SpeedButton1, BackupPage}};
    for (const auto &[button, page] : pageButtons)
        connect(button, &QToolButton::clicked, this, [this, page = page] { showPage(page); });
}

void TfrmMain::buildStatusBar() {
    m_statusUser = new QLabel(QStringLiteral("当前用户:"), ui->StatusBar1);
    m_statusUser->setObjectName(QStringLiteral("pnlStatusUser"));
    m_statusUser->setFixedWidth(204);
    m_statusUser->setAlignment(Qt::AlignCenter);
    m_statusTime = new QLabel(QStringLiteral("系统时间：    "), ui->StatusBar1);
    m_statusTime->setObjectName(QStringLiteral("pnlStatusTime"));
    m_statusTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui->StatusBar1->addWidget(m_statusUser);
    ui->StatusBar1->addWidget(m_statusTime, 1);
}

QString TfrmMain::statusPanelText(int panel) const {
    if (panel == 0)
        return m_statusUser->text();
    if (panel == 1)
        return m_statusTime->text();
    return {};
}

void TfrmMain::buildTree() {
    const std::pair<QString, Page> nodes[] = {
        {QStringLiteral("系统首页"), HomePage},     {QStringLiteral("收入信息"), IncomePage},
        {QStringLiteral("支出信息"), OutPage},      {QStringLiteral("金融账户"), BankPage},
        {QStringLiteral("转账信息"), TransferPage}, {QStringLiteral("借支信息"), BorrowPage},
        {QStringLiteral("统计分析"), StatPage}};
    auto *root = new QTreeWidgetItem(ui->tv1, {QStringLiteral("功能")});
    for (const auto &[caption, page] : nodes) {
        auto *node = new QTreeWidgetItem(root, {caption});
        node->setData(0, kPageRole, int(page));
        node->setIcon(0, navIcon(page));
    }
    ui->tv1->applyItemHeight(NavTree::kItemHeight);
    // The root holds the nodes and is not shown itself.
    ui->tv1->setRootIndex(ui->tv1->model()->index(0, 0));
}

void TfrmMain::FormCreate() {
    resize(970, 670);
    ui->PageControl1->tabBar()->hide();
    // Its hidden tabs never take the focus.
    ui->PageControl1->setFocusPolicy(Qt::NoFocus);
    ui->PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    setTreePosition();
    showHomePage();
}

void TfrmMain::showEvent(QShowEvent *event) {
    if (!m_shown) {
        m_shown = true;
        if (QScreen *s = screen()) {
            const QRect area = s->availableGeometry();
            move(area.center() - rect().center());
        }
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TfrmMain::FormShow() {
    m_statusUser->setText(QStringLiteral("当前用户:") + currentLogName);
    const QString fallback = (frmDM ? frmDM->paths() : DataPaths::forRunningProgram()).fallbackPage;
    navigateWithFallback(m_wbMain.pane, m_homeHost + QStringLiteral("/ads/1.html"), fallback, this);
    // The side pane has no page of its own: unreachable, it stays blank instead of showing
    // the browser's error page.
    navigateWithFallback(m_wbFunAds.pane, m_homeHost + QStringLiteral("/ads/2.html"),
                         QStringLiteral("about:blank"), this);
}

void TfrmMain::setTreePosition() {
    QWidget *panel = ui->pnlMiddleLeft;
    const int w = panel->width();
    const int h = panel->height();
    const int adsHeight = qMin(kFunAdsHeight, h);
    ui->tv1->setGeometry(0, NavTree::kTopGap, w, h - adsHeight - NavTree::kTopGap);
    ui->pnlFunAds->setGeometry(0, h - adsHeight, w, adsHeight);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ui->pnlMiddleLeft && event->type() == QEvent::Resize) {
        setTreePosition();
    } else if (watched == ui->tv1->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_currentAtPress = ui->tv1->currentItem();
    } else if (watched == ui->tv1 && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent *>(event)->key() == Qt::Key_Tab) {
        // Tab goes from the tree into the page shown, not into the pane under the tree.
        if (FormPanel::focusFirstControl(ui->PageControl1->currentWidget()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::showPage(int index) {
    ui->PageControl1->setCurrentIndex(index);
}

void TfrmMain::showHomePage() {
    {
        const QSignalBlocker quiet(ui->tv1);
        ui->tv1->setCurrentItem(ui->tv1->topLevelItem(0)->child(0));
    }
    showPage(HomePage);
}

void TfrmMain::leaveLedgerPages() {
    const int page = ui->PageControl1->currentIndex();
    if (page >= IncomePage && page <= StatPage)
        showHomePage();
}

void TfrmMain::showTreePage() {
    const QTreeWidgetItem *item = ui->tv1->currentItem();
    const QVariant page = item ? item->data(0, kPageRole) : QVariant();
    if (!page.isValid())
        return;
    const int index = page.toInt();
    // The pages of a ledger another instance replaced are not shown: the home page is.
    if (index != HomePage && !guardDb("page switch", requireLedgerInPlace)) {
        // Once the tree has done with the click or key that chose the page.
        QMetaObject::invokeMethod(this, &TfrmMain::showHomePage, Qt::QueuedConnection);
        return;
    }
    if (index == HomePage) {
        showPage(HomePage);
    } else if (index >= IncomePage && index <= BorrowPage) {
        showPage(index);
        openRecordPage(index);
    } else if (index == StatPage) {
        if (ui->tbsStat->property("tag").toInt() == 0) {
            ui->tbsStat->setProperty("tag", 1);
            if (auto *pclStat = ui->tbsStat->findChild<QTabWidget *>(QStringLiteral("pclStat")))
                pclStat->setCurrentIndex(0);
        }
        showPage(StatPage);
    }
}

void TfrmMain::TimerSystemTimer() {
    const QDateTime now = m_clock();
    m_statusTime->setText(QStringLiteral("系统时间:") +
                          now.toString(QString::fromLatin1(kDateFmt)) + QLatin1Char(' ') +
                          now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("      "));
}

void TfrmMain::SpeedButton5Click() {
    TfrmModifyPwd dialog(this);
    dialog.exec();
}

} // namespace ledger
