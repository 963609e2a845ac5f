#include "ledger/main/tfrmmain.h"

#include "ledger/app/paths.h"
#include "ledger/app/programskin.h"
#include "ledger/calc/calcform.h"
#include "ledger/calc/investcalcpage.h"
#include "ledger/calc/mortgagecalcpage.h"
#include "ledger/calc/savingscalcpage.h"
#include "ledger/core/untpub.h"
#include "ledger/core/untvar.h"
#include "ledger/core/webpane.h"
#include "ledger/data/tfrmdm.h"
#include "ledger/main/appfilter.h"
#include "ledger/main/artwork.h"
#include "ledger/main/webenginepane.h"
#include "ledger/users/tfrmmodifypwd.h"
#include "ui_tfrmmain.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

namespace ledger {

namespace {

// Captions of the navigation nodes under the root; the position is the page index.
const QStringList &nodeCaptions() {
    static const QStringList captions = {QStringLiteral("系统首页"), QStringLiteral("收入信息"),
                                         QStringLiteral("支出信息"), QStringLiteral("金融账户"),
                                         QStringLiteral("转账信息"), QStringLiteral("借支信息"),
                                         QStringLiteral("统计分析")};
    return captions;
}

// Rows of the tree hidden above the left panel's top edge (the root row).
constexpr int kHiddenTreeTop = 28;
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
    : QMainWindow(parent), ui(std::make_unique<Ui::TfrmMain>()),
      m_factory(webPanes ? std::move(webPanes) : WebPaneFactory(&WebEnginePane::create)),
      m_homeHost(QString::fromLatin1(kHomeHost)) {
    ui->setupUi(this);
    attachProgramSkin(this);

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

    ui->pnlMiddleLeft->installEventFilter(this);
    ui->tv1->installEventFilter(this);
    ui->tv1->viewport()->installEventFilter(this);
    connect(ui->tv1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { tv1CurrentChanged(current); });
    connect(ui->tv1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        // A click on the row that was already current shows its page again.
        if (item == m_currentAtPress)
            showTreePage();
    });

    createRecordPages();
    placeOnSheet(ui->tbsShenqi, new InvestCalcPage);
    placeOnSheet(ui->TabSheet16, new SavingsCalcPage);
    placeOnSheet(ui->TabSheet17, new MortgageCalcPage);
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

QTreeWidgetItem *TfrmMain::treeRoot() const {
    return ui->tv1->topLevelItemCount() > 0 ? ui->tv1->topLevelItem(0) : nullptr;
}

void TfrmMain::FormCreate() {
    resize(970, 670);
    ui->PageControl1->tabBar()->hide();
    ui->tv1->applyItemHeight(NavTree::kItemHeight);

    QTreeWidgetItem *root = treeRoot();
    if (!root)
        return;
    for (int i = 0; i < root->childCount(); ++i)
        root->child(i)->setIcon(0, navIcon(i));
    ui->tv1->expandAll();
    setTreePosition();
    ui->tv1->setCurrentItem(root->child(0));
    showPage(HomePage);
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
    ui->tv1->setGeometry(0, -kHiddenTreeTop, w, h - adsHeight + kHiddenTreeTop);
    ui->pnlFunAds->setGeometry(0, h - adsHeight, w, adsHeight);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ui->pnlMiddleLeft && event->type() == QEvent::Resize) {
        setTreePosition();
    } else if (watched == ui->tv1 && event->type() == QEvent::KeyRelease) {
        tv1KeyUp(static_cast<QKeyEvent *>(event)->key());
    } else if (watched == ui->tv1->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_currentAtPress = ui->tv1->currentItem();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::tv1KeyUp(int key) {
    QTreeWidgetItem *root = treeRoot();
    if (key == Qt::Key_Up && root && ui->tv1->currentItem() == root && root->childCount() > 0)
        ui->tv1->setCurrentItem(root->child(0));
}

void TfrmMain::tv1CurrentChanged(QTreeWidgetItem *current) {
    QTreeWidgetItem *root = treeRoot();
    if (current && current == root && root->childCount() > 0) {
        // The root row lies out of sight and is never selected.
        ui->tv1->setCurrentItem(root->child(0));
        return;
    }
    showTreePage();
}

void TfrmMain::showPage(int index) {
    ui->PageControl1->setCurrentIndex(index);
}

void TfrmMain::showTreePage() {
    QTreeWidgetItem *item = ui->tv1->currentItem();
    if (!item)
        return;
    const int index = nodeCaptions().indexOf(item->text(0));
    if (index < 0)
        return;
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
    const QDateTime now = QDateTime::currentDateTime();
    m_statusTime->setText(QStringLiteral("系统时间:") +
                          now.toString(QString::fromLatin1(kDateFmt)) + QLatin1Char(' ') +
                          now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("      "));
}

void TfrmMain::SpeedButton5Click() {
    TfrmModifyPwd dialog(this);
    dialog.exec();
}

} // namespace ledger
