#include "ledger/main/appfilter.h"

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
    int releases = 0;
    int menus = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
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

    void blockedShortcutsDoNothingInEditors_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << int(Qt::ControlModifier);
        QTest::newRow("ctrl+shift+a")
            << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier);
    }
    void blockedShortcutsDoNothingInEditors() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QLineEdit edit(QStringLiteral("some text"));
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(edit.selectedText().isEmpty());
        QCOMPARE(edit.text(), QStringLiteral("some text"));
    }

    void otherKeysStillWork() {
        QLineEdit edit(QStringLiteral("abc"));
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.setCursorPosition(3);
        QTest::keyClick(&edit, Qt::Key_A); // plain letters type
        QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(edit.text(), QStringLiteral("abca"));
        QCOMPARE(edit.selectedText(), QStringLiteral("a"));
    }

    void blockedShortcutsNeverTrigger() {
        QMainWindow window;
        auto *edit = new QLineEdit(&window);
        window.setCentralWidget(edit);
        int newCount = 0, findCount = 0, otherCount = 0;
        auto add = [&](const QKeySequence &seq, int *counter) {
            auto *action = new QAction(&window);
            action->setShortcut(seq);
            window.addAction(action);
            connect(action, &QAction::triggered, [counter] { ++*counter; });
        };
        add(QKeySequence(Qt::CTRL | Qt::Key_N), &newCount);
        add(QKeySequence(Qt::CTRL | Qt::Key_F), &findCount);
        add(QKeySequence(Qt::CTRL | Qt::Key_B), &otherCount);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(newCount, 0);
        QCOMPARE(findCount, 0);
        QCOMPARE(otherCount, 1); // shortcuts in general are untouched
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
        QCOMPARE(inner->presses + inner->releases + browser->presses + browser->releases, 0);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(inner, &menu);
        QCOMPARE(inner->menus, 0);

        QTest::mouseClick(inner, Qt::LeftButton);
        QCOMPARE(inner->presses, 1);
        QTest::mouseClick(outside, Qt::RightButton);
        QCOMPARE(outside->presses, 1);
        QApplication::sendEvent(outside, &menu);
        QCOMPARE(outside->menus, 1);

        QVERIFY(filter->isInBrowser(inner));
        delete browser; // a browser going away leaves no dangling entry
        QVERIFY(!filter->isInBrowser(outside));
        QTest::mouseClick(outside, Qt::RightButton);
        QCOMPARE(outside->presses, 2);
    }
};

QTEST_MAIN(TstAppFilter)
#include "tst_appfilter.moc"
