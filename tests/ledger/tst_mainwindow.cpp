#include "ledger/core/untvar.h"
#include "ledger/main/navtree.h"
#include "ledger/main/tfrmmain.h"
#include "ledger/users/tfrmmodifypwd.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"
#include "support/ledger/webpanestub.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace ledger;
using ledger::test::ScopedPrompter;
using ledger::test::TempLedger;
using ledger::test::WebPaneStub;

namespace {

// A loopback web server answering every request with an empty 200 page.
class TinyHttpServer : public QTcpServer {
public:
    TinyHttpServer() {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                                  "Content-Length: 0\r\nConnection: close\r\n\r\n");
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QString host() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
};

// An address on this machine where nothing listens.
QString closedHost() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TempLedger> ledger;
    QList<WebPaneStub *> panes;

    std::unique_ptr<TfrmMain> makeWindow(const QString &host = closedHost()) {
        panes.clear();
        auto w = std::make_unique<TfrmMain>(WebPaneStub::factory(&panes));
        w->setHomeHost(host);
        return w;
    }
    static QTreeWidget *tree(TfrmMain &w) {
        return w.findChild<QTreeWidget *>(QStringLiteral("tv1"));
    }
    static QTabWidget *pages(TfrmMain &w) {
        return w.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    }
    static QTreeWidgetItem *node(TfrmMain &w, int i) { return tree(w)->topLevelItem(0)->child(i); }

private slots:
    void init() {
        ledger = std::make_unique<TempLedger>();
        QVERIFY2(ledger->isOpen(), qPrintable(ledger->error()));
        ledger->login(ledger->addUser(QStringLiteral("admin"), QStringLiteral("123456")));
    }
    void cleanup() { ledger.reset(); }

    void frameAndPages() {
        auto w = makeWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("Quorvane"));
        QCOMPARE(w->size(), QSize(970, 670));
        QCOMPARE(w->objectName(), QStringLiteral("frmMain"));
        const QStringList names = {"tbsHomePage", "tbsIncome",  "tbsOut",    "tbsBank",
                                   "tbsTransfer", "tbsBorrow",  "tbsStat",   "tbsShenqi",
                                   "TabSheet16",  "TabSheet17", "TabSheet18"};
        const QStringList captions = {"首页",     "收入",     "支出",     "金融账户",
                                      "转账",     "借支",     "统计分析", "本站工具",
                                      "利息计算", "房贷计算", "备份还原"};
        QTabWidget *pc = pages(*w);
        QCOMPARE(pc->count(), int(TfrmMain::PageCount));
        for (int i = 0; i < pc->count(); ++i) {
            QCOMPARE(pc->widget(i)->objectName(), names.at(i));
            QCOMPARE(pc->tabText(i), captions.at(i));
        }
        QVERIFY(pc->tabBar()->isHidden());
        QCOMPARE(pc->currentIndex(), int(TfrmMain::HomePage));
        QCOMPARE(w->findChild<QStatusBar *>(QStringLiteral("StatusBar1"))->property("tag").toInt(),
                 99);
        QCOMPARE(panes.size(), 2);
        QCOMPARE(panes.at(0)->objectName(), QStringLiteral("wbMain"));
        QCOMPARE(panes.at(1)->objectName(), QStringLiteral("wbFunAds"));
        QVERIFY(w->findChild<QWidget *>(QStringLiteral("tbsHomePage"))->isAncestorOf(panes.at(0)));
        QVERIFY(w->findChild<QWidget *>(QStringLiteral("pnlFunAds"))->isAncestorOf(panes.at(1)));
    }

    void topBarButtonsLeftToRight() {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QList<QToolButton *> buttons =
            w->findChild<QWidget *>(QStringLiteral("pnlTop"))->findChildren<QToolButton *>();
        std::sort(buttons.begin(), buttons.end(),
                  [](QToolButton *a, QToolButton *b) { return a->x() < b->x(); });
        QStringList seen;
        for (QToolButton *b : buttons) {
            seen << b->objectName() + QLatin1Char('=') + b->text();
            QVERIFY(w->rect().contains(b->mapTo(w.get(), b->rect().bottomRight())));
        }
        QCOMPARE(seen, (QStringList{"SpeedButton3=计算器", "SpeedButton6=利息计算器",
                                    "SpeedButton4=房贷计算器", "SpeedButton2=本站工具",
                                    "SpeedButton1=数据备份/还原", "SpeedButton7=帮助",
                                    "SpeedButton8=下载最新版", "SpeedButton9=意见反馈",
                                    "SpeedButton5=修改密码"}));
    }

    void treeHidesItsRootRow() {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTreeWidget *tv1 = tree(*w);
        QCOMPARE(tv1->topLevelItem(0)->text(0), QStringLiteral("功能"));
        QCOMPARE(tv1->topLevelItem(0)->childCount(), 7);
        QCOMPARE(tv1->currentItem(), node(*w, 0));
        for (QSize size : {QSize(970, 670), QSize(1100, 800), QSize(900, 560)}) {
            w->resize(size);
            QTRY_COMPARE(w->size(), size);
            QWidget *left = w->findChild<QWidget *>(QStringLiteral("pnlMiddleLeft"));
            // The root row ends above the panel's top edge but for a sliver of background;
            // the first node is fully in sight.
            const QRect rootRow = tv1->visualItemRect(tv1->topLevelItem(0));
            const QRect firstRow = tv1->visualItemRect(node(*w, 0));
            QCOMPARE(rootRow.height(), NavTree::kItemHeight);
            QCOMPARE(firstRow.height(), NavTree::kItemHeight);
            const int rootBottom = tv1->viewport()->mapTo(left, rootRow.bottomLeft()).y();
            QVERIFY(rootBottom < NavTree::kItemHeight / 4);
            QVERIFY(tv1->viewport()->mapTo(left, firstRow.topLeft()).y() >= 0);
            QCOMPARE(tv1->width(), left->width());
            // The small browser pane keeps the bottom of the column.
            QCOMPARE(panes.at(1)->mapTo(left, QPoint(0, panes.at(1)->height())).y(),
                     left->height());
            QVERIFY(tv1->geometry().bottom() < panes.at(1)->mapTo(left, QPoint(0, 0)).y());
        }
    }

    void treeColours() {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTreeWidget *tv1 = tree(*w);
        const QImage image = tv1->viewport()->grab().toImage();
        const qreal dpr = image.devicePixelRatio();
        auto pixel = [&](QPoint p) { return image.pixelColor((QPointF(p) * dpr).toPoint()).rgb(); };
        const QRect selected = tv1->visualItemRect(node(*w, 0));
        const QRect other = tv1->visualItemRect(node(*w, 3));
        // The selected row is coloured across the whole width, indentation included.
        QCOMPARE(pixel(QPoint(2, selected.center().y())), QColor(51, 153, 255).rgb());
        QCOMPARE(pixel(QPoint(tv1->viewport()->width() - 3, selected.center().y())),
                 QColor(51, 153, 255).rgb());
        QCOMPARE(pixel(QPoint(2, other.center().y())), QColor(237, 238, 238).rgb());
        // Still coloured when the tree loses the focus.
        auto *edit = new QLineEdit(w.get());
        edit->setFocus();
        const QImage unfocused = tv1->viewport()->grab().toImage();
        QCOMPARE(unfocused.pixelColor((QPointF(2, selected.center().y()) * dpr).toPoint()).rgb(),
                 QColor(51, 153, 255).rgb());
    }

    void arrowKeysAndClicksChoosePages() {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTreeWidget *tv1 = tree(*w);
        tv1->setFocus();
        QTest::keyClick(tv1, Qt::Key_Up);
        QCOMPARE(tv1->currentItem(), node(*w, 0)); // the root is never reached
        QCOMPARE(pages(*w)->currentIndex(), int(TfrmMain::HomePage));
        QTest::keyClick(tv1, Qt::Key_Home);
        QCOMPARE(tv1->currentItem(), node(*w, 0));
        QTest::keyClick(tv1, Qt::Key_Down);
        QCOMPARE(tv1->currentItem(), node(*w, 1));
        QCOMPARE(pages(*w)->currentIndex(), int(TfrmMain::IncomePage));
        QTest::keyClick(tv1, Qt::Key_Down);
        QCOMPARE(pages(*w)->currentIndex(), int(TfrmMain::OutPage));
        QTest::keyClick(tv1, Qt::Key_Up);
        QCOMPARE(pages(*w)->currentIndex(), int(TfrmMain::IncomePage));

        QWidget *stat = w->findChild<QWidget *>(QStringLiteral("tbsStat"));
        QCOMPARE(stat->property("tag").toInt(), 0);
        const QRect statRow = tv1->visualItemRect(node(*w, 6));
        QTest::mouseClick(tv1->viewport(), Qt::LeftButton, {}, statRow.center());
        QCOMPARE(tv1->currentItem(), node(*w, 6));
        QCOMPARE(pages(*w)->currentIndex(), int(TfrmMain::StatPage));
        QCOMPARE(stat->property("tag").toInt(), 1); // first visit done
        QTest::mouseClick(tv1->viewport(), Qt::LeftButton, {},
                          tv1->visualItemRect(node(*w, 0)).center());
        QCOMPARE(pages(*w)->currentIndex(), int(TfrmMain::HomePage));
    }

    void topBarChoosesToolPages() {
        auto w = makeWindow();
        const std::pair<const char *, int> buttons[] = {{"SpeedButton6", TfrmMain::InterestPage},
                                                        {"SpeedButton4", TfrmMain::MortgagePage},
                                                        {"SpeedButton2", TfrmMain::ShenqiPage},
                                                        {"SpeedButton1", TfrmMain::BackupPage}};
        for (const auto &[name, page] : buttons) {
            w->findChild<QToolButton *>(QString::fromLatin1(name))->click();
            QCOMPARE(pages(*w)->currentIndex(), page);
        }
    }

    void passwordButtonOpensTheDialog() {
        ScopedPrompter prompter;
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<TfrmModifyPwd *>(modal)) {
                title = dialog->windowTitle();
                dialog->reject();
            } else if (modal) {
                modal->close();
            }
        });
        w->findChild<QToolButton *>(QStringLiteral("SpeedButton5"))->click();
        QCOMPARE(title, QStringLiteral("修改密码"));
        QVERIFY(w->findChildren<TfrmModifyPwd *>().isEmpty()); // freed once closed
    }

    void statusBarShowsUserAndTicks() {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->statusPanelText(0), QStringLiteral("当前用户:admin"));
        static const QRegularExpression clock(
            QStringLiteral("^系统时间:(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d) {6}$"));
        const QString first = w->statusPanelText(1);
        const QRegularExpressionMatch m = clock.match(first);
        QVERIFY2(m.hasMatch(), qPrintable(first));
        const QDateTime shown = QDateTime::fromString(m.captured(1), "yyyy-MM-dd HH:mm:ss");
        QVERIFY(qAbs(shown.secsTo(QDateTime::currentDateTime())) <= 2);
        QTRY_VERIFY_WITH_TIMEOUT(w->statusPanelText(1) != first, 2500);
        QVERIFY(clock.match(w->statusPanelText(1)).hasMatch());
    }

    void blockedShortcutsWhileTheWindowLives() {
        QLineEdit edit(QStringLiteral("text"));
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        {
            auto w = makeWindow();
            QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
            QVERIFY(edit.selectedText().isEmpty());
        }
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit.selectedText(), QStringLiteral("text"));
    }

    void noRightClickInBrowserPanes() {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        for (WebPaneStub *pane : panes) {
            QTest::mouseClick(pane, Qt::RightButton, {}, QPoint(5, 5));
            QTest::mouseClick(pane, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(pane->rightPresses, 0);
            QCOMPARE(pane->leftPresses, 1);
        }
    }

    void unreachableHomeFallsBackWithoutFreezing() {
        auto w = makeWindow(closedHost());
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(10);
        w->show();
        // Showing the window returns at once; the home page is decided later.
        QVERIFY(panes.at(0)->urls.isEmpty());
        QVERIFY(panes.at(1)->urls.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!panes.at(0)->urls.isEmpty(), 8000);
        QCOMPARE(panes.at(0)->urls.first(), QUrl::fromLocalFile(ledger->paths().fallbackPage));
        QVERIFY(panes.at(0)->urls.first().toString().endsWith(QStringLiteral("/other/1.html")));
        // The side pane stays blank rather than showing an error page.
        QTRY_COMPARE_WITH_TIMEOUT(panes.at(1)->urls, QList<QUrl>{QUrl("about:blank")}, 8000);
        QVERIFY(ticks > 0);
    }

    void reachableHomeIsShown() {
        TinyHttpServer server;
        QVERIFY(server.isListening());
        auto w = makeWindow(server.host());
        w->show();
        QTRY_VERIFY_WITH_TIMEOUT(!panes.at(0)->urls.isEmpty(), 8000);
        QCOMPARE(panes.at(0)->urls.first(), QUrl(server.host() + "/ads/1.html"));
        QTRY_VERIFY_WITH_TIMEOUT(!panes.at(1)->urls.isEmpty(), 8000);
        QCOMPARE(panes.at(1)->urls.first(), QUrl(server.host() + "/ads/2.html"));
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
