#include "ledger/mainwindow/appfilter.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace ledger;

namespace {

// A widget that counts the mouse and context-menu input reaching it.
class Probe : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;
    int menus = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent *) override { ++presses; }
    void contextMenuEvent(QContextMenuEvent *) override { ++menus; }
};

} // namespace

class TstAppFilter : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFilter> filter;

private slots:
    void init() {
        filter = std::make_unique<AppFilter>();
        qApp->installEventFilter(filter.get());
    }
    void cleanup() { filter.reset(); }

    // Ctrl+N, Ctrl+F and Ctrl+A never reach a browser pane (nor become shortcuts there); in any
    // other field they do what Qt does: Ctrl+A then typing replaces an amount.
    void shortcuts_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("inBrowser");
        QTest::addColumn<bool>("passes");
        const int ctrl = Qt::ControlModifier;
        for (bool browser : {true, false}) {
            const char *where = browser ? "browser " : "field ";
            const auto row = [&](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(QString::fromLatin1(where) + name));
            };
            row("ctrl+a") << int(Qt::Key_A) << ctrl << browser << !browser;
            row("ctrl+shift+a") << int(Qt::Key_A) << int(ctrl | Qt::ShiftModifier) << browser
                                << !browser;
            row("ctrl+n") << int(Qt::Key_N) << ctrl << browser << !browser;
            row("ctrl+f") << int(Qt::Key_F) << ctrl << browser << !browser;
            row("ctrl+b") << int(Qt::Key_B) << ctrl << browser << true;
        }
    }
    void shortcuts() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, inBrowser);
        QFETCH(bool, passes);
        QMainWindow window;
        auto *edit = new QLineEdit(QStringLiteral("12.34"), &window);
        window.setCentralWidget(edit);
        if (inBrowser)
            filter->addBrowser(edit);
        int triggered = 0;
        auto *action = new QAction(&window);
        action->setShortcut(QKeySequence(key | modifiers));
        window.addAction(action);
        connect(action, &QAction::triggered, [&triggered] { ++triggered; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // A field takes Ctrl+A as select-all; other keys reach the window's shortcut.
        const bool selectAll = key == Qt::Key_A && modifiers == Qt::ControlModifier;
        QCOMPARE(triggered, passes && !selectAll ? 1 : 0);
        QTest::keyClicks(edit, QStringLiteral("5")); // plain keys still type
        QCOMPARE(edit->text(), passes && selectAll ? QString("5") : QString("12.345"));
    }

    void rightButtonNeverReachesBrowsers() {
        QWidget top;
        auto *layout = new QVBoxLayout(&top);
        auto *browser = new Probe(&top);
        auto *inner = new Probe(browser); // a browser's own child widget
        inner->setGeometry(0, 0, 40, 40);
        auto *outside = new Probe(&top);
        browser->setMinimumSize(100, 100);
        outside->setMinimumSize(100, 100);
        layout->addWidget(browser);
        layout->addWidget(outside);
        filter->addBrowser(browser);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));

        QTest::mouseClick(inner, Qt::RightButton);
        QTest::mouseClick(browser, Qt::RightButton, {}, QPoint(80, 80));
        QCOMPARE(inner->presses + browser->presses, 0);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(inner, &menu);
        QCOMPARE(inner->menus, 0);
        QTest::mouseClick(inner, Qt::LeftButton);
        QCOMPARE(inner->presses, 2);
        QTest::mouseClick(outside, Qt::RightButton);
        QCOMPARE(outside->presses, 2);
        QApplication::sendEvent(outside, &menu);
        QCOMPARE(outside->menus, 1);

        QVERIFY(filter->isInBrowser(inner));
        delete browser; // a browser going away leaves no dangling entry
        QVERIFY(!filter->isInBrowser(outside));
        QTest::mouseClick(outside, Qt::RightButton);
        QCOMPARE(outside->presses, 4);
    }
};

QTEST_MAIN(TstAppFilter)
#include "tst_appfilter.moc"
