// The skinned menu bar of a window with a QMenuBar: its strip in the frame, the buttons' look,
// opening drop-downs by mouse and keyboard and walking between them, its items' shortcuts, the
// bar's layout rules.
#include "skin/data/tskindata.h"
#include "skin/draw/skincolor.h"
#include "skin/menus/menubarlayout.h"
#include "skin/menus/tskinmenulayer.h"
#include "skin/menus/twinskinmenu.h"
#include "skin/menus/twinskinpopmenu.h"
#include "skin/window/twinskinform.h"
#include "support/skin/skinnedwidgets.h"
#include "support/skin/windowfixture.h"

#include <QAbstractEventDispatcher>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <xcb/xcb.h>

using namespace skin;
using namespace skin::test;

namespace {

void Flush() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// A main window with File (Open Ctrl+O, Recent > one.db, Quit), Edit, a disabled Tools (Options
// Ctrl+T) and View; or with a bar without items.
struct BarSetup {
    explicit BarSetup(Qt::LayoutDirection direction = Qt::LeftToRight, bool items = true) {
        fixture.Manager().SetMenuLayer(&layer);
        QMenuBar *native = window.menuBar();
        if (items) {
            file = native->addMenu(QStringLiteral("&File"));
            file->addAction(QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
            recent = file->addMenu(QStringLiteral("Recent"));
            recent->addAction(QStringLiteral("one.db"));
            file->addAction(QStringLiteral("Quit"));
            edit = native->addMenu(QStringLiteral("&Edit"));
            edit->addAction(QStringLiteral("Cut"));
            tools = native->addMenu(QStringLiteral("&Tools"));
            tools->addAction(QStringLiteral("Options"), QKeySequence(Qt::CTRL | Qt::Key_T));
            tools->menuAction()->setEnabled(false);
            view = native->addMenu(QStringLiteral("&View"));
            view->addAction(QStringLiteral("Zoom"));
        }
        window.setLayoutDirection(direction);
        window.setCentralWidget(new QLabel(QStringLiteral("client")));
        window.resize(400, 300);
        window.show();
        clientBefore = window.centralWidget()->size();
        data = fixture.AddSkinData(TTestSkin(), &window);
        form = fixture.Show(&window);
        ShowActive(&window);
        bar = form ? dynamic_cast<TWinSkinMenu *>(form->MenuBar()) : nullptr;
    }
    QRect ButtonRect(int index) const { return bar->Buttons().at(std::size_t(index))->Rect(); }
    void Click(int index) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, ButtonRect(index).center());
    }
    // Whether `keys` on the window, once pending changes are handled, trigger `action`.
    bool Triggers(QAction *action, QKeyCombination keys) {
        QSignalSpy triggered(action, &QAction::triggered);
        Flush();
        QTest::keyClick(&window, keys.key(), keys.keyboardModifiers());
        return triggered.count() == 1;
    }

    TWindowFixture fixture;
    TSkinMenuLayer layer;
    QMainWindow window;
    QMenu *file = nullptr, *recent = nullptr, *edit = nullptr, *tools = nullptr, *view = nullptr;
    TSkinData *data = nullptr;
    TWinSkinForm *form = nullptr;
    TWinSkinMenu *bar = nullptr;
    QSize clientBefore;
};

QMenu *OpenPopup() {
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

bool HasColour(const QImage &image, const QRect &rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (PixelAt(image, x, y) == (colour | 0xFF000000u))
                return true;
    return false;
}

// X's notice, as the program reads it from the display, that a pointer grab began at `time`.
void ReadGrabCrossing(quint32 time) {
    xcb_enter_notify_event_t crossing{};
    crossing.response_type = XCB_LEAVE_NOTIFY;
    crossing.mode = XCB_NOTIFY_MODE_GRAB;
    crossing.time = time;
    QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &crossing,
                                                            nullptr);
}

} // namespace

class TestSkinMenuBar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseCrispFont(); }
    void barInTheFrame();
    void dropDownsByMouse();
    void keyboardWalk();
    void loneAltF10AndPassingOn();
    void loneAltByServerTime_data();
    void loneAltByServerTime();
    void barFollowsItsActionsAndUnskin();
    void menusDeletedWhileSkinned();
    void menuKeysWhileSkinned();
    void menuKeysOfABarFilledLater();
    void rightToLeftDropDowns();
    void layoutRules();
};

void TestSkinMenuBar::barInTheFrame() {
    BarSetup s;
    QVERIFY(s.bar);
    QVERIFY(s.window.menuBar()->isHidden());
    // The strip takes the native bar's place: the client keeps its size.
    QCOMPARE(s.window.centralWidget()->size(), s.clientBefore);
    QCOMPARE(s.window.contentsMargins().top(), 28 + s.bar->Height());
    QCOMPARE(s.bar->BarRect(), QRect(4, 28, s.window.width() - 8, s.bar->Height()));
    const TTestSkin skin;
    const QRgb text = qRgb(30, 40, 60);
    QImage image = Grab(&s.window);
    const QRect strip = s.bar->BarRect();
    QCOMPARE(PixelAt(image, strip.left() + 1, strip.top() + 1),
             skin.FrameColour(QStringLiteral("menubar.bmp"), 1));
    QCOMPARE(s.ButtonRect(0).left(), strip.left() + 2 + 4);
    QVERIFY(HasColour(image, s.ButtonRect(0), text));
    // The disabled button's caption is in the shadow colour.
    QVERIFY(!HasColour(image, s.ButtonRect(2), text));
    QVERIFY(HasColour(image, s.ButtonRect(2), SkinToQColor(clBtnShadow).rgb()));

    // Hot: a frame in the highlight colour.
    QTest::mouseMove(s.window.windowHandle(), s.ButtonRect(1).center());
    QTRY_COMPARE(PixelAt(Grab(&s.window), s.ButtonRect(1).left(), s.ButtonRect(1).top()),
                 qRgb(255, 255, 254));
    // A full frame repaint shows it at rest.
    s.form->RepaintFrame();
    QCOMPARE(s.bar->Buttons().at(1)->State(), TNCObject::TState::Normal);
    QVERIFY(!s.form->Tracker().Hot());

    QWidget other;
    ShowActive(&other);
    QTRY_COMPARE(PixelAt(Grab(&s.window), strip.left() + 1, strip.top() + 1),
                 skin.FrameColour(QStringLiteral("menubar.bmp"), 2));
}

void TestSkinMenuBar::dropDownsByMouse() {
    BarSetup s;
    QSignalSpy toolsTriggered(s.tools->menuAction(), &QAction::triggered);
    s.Click(0);
    QTRY_COMPARE(OpenPopup(), s.file);
    const QRect r = s.ButtonRect(0);
    QCOMPARE(s.file->pos(), s.window.mapToGlobal(QPoint(r.left(), r.bottom() + 1)));
    QCOMPARE(s.fixture.Manager().MenuKind(), TSkinManage::TMenuKind::MenuBar);
    QVERIFY(TWinSkinPopMenu::Find(s.file));
    QCOMPARE(s.bar->TrackedIndex(), 0);

    // The mouse over another button switches drop-downs; over the same one it does not.
    QTest::mouseMove(s.window.windowHandle(), s.ButtonRect(1).center());
    QTRY_COMPARE(OpenPopup(), s.edit);
    QCOMPARE(s.bar->TrackedIndex(), 1);

    // A click on the open drop-down's button closes it and opens nothing.
    s.Click(1);
    QTRY_VERIFY(!OpenPopup());
    Flush();
    QVERIFY(!OpenPopup());
    QTRY_COMPARE(s.bar->TrackedIndex(), -1);
    QCOMPARE(s.fixture.Manager().MenuKind(), TSkinManage::TMenuKind::Popup);

    // A disabled button opens nothing and triggers nothing.
    s.Click(2);
    Flush();
    QVERIFY(!OpenPopup());
    QCOMPARE(toolsTriggered.count(), 0);
}

void TestSkinMenuBar::keyboardWalk() {
    BarSetup s;
    QTest::keyClick(&s.window, Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(OpenPopup(), s.file);
    // Left from the first drop-down opens the last; Right from the last, the first.
    QTest::keyClick(s.file, Qt::Key_Left);
    QTRY_COMPARE(OpenPopup(), s.view);
    QTest::keyClick(s.view, Qt::Key_Right);
    QTRY_COMPARE(OpenPopup(), s.file);
    // Right on a submenu item opens it; Left there closes only the submenu.
    s.file->setActiveAction(s.recent->menuAction());
    QTest::keyClick(s.file, Qt::Key_Right);
    QTRY_COMPARE(OpenPopup(), s.recent);
    QTest::keyClick(s.recent, Qt::Key_Left);
    QTRY_COMPARE(OpenPopup(), s.file);
    QTest::keyClick(s.file, Qt::Key_Escape);
    QTRY_VERIFY(!OpenPopup());

    // The offscreen platform activates popups and may leave a closed one active.
    QVERIFY(ShowActive(&s.window));
    // Alt with Ctrl is no accelerator.
    QTest::keyClick(&s.window, Qt::Key_E, Qt::AltModifier | Qt::ControlModifier);
    Flush();
    QVERIFY(!OpenPopup());
    QTest::keyClick(&s.window, Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(OpenPopup(), s.edit);
    QTest::keyClick(s.edit, Qt::Key_Escape);
    QTRY_VERIFY(!OpenPopup());
}

void TestSkinMenuBar::loneAltF10AndPassingOn() {
    // Keys through the window as the platform delivers them (shortcuts first).
    BarSetup s;
    QWindow *handle = s.window.windowHandle();
    const auto closeMenu = [&] {
        QTest::keyClick(OpenPopup(), Qt::Key_Escape);
        return QTest::qWaitFor([] { return !OpenPopup(); }) && ShowActive(&s.window);
    };
    QTest::keyPress(handle, Qt::Key_Alt);
    QTest::keyRelease(handle, Qt::Key_Alt, Qt::AltModifier);
    QTRY_COMPARE(OpenPopup(), s.file);
    QVERIFY(closeMenu());
    QTest::keyClick(handle, Qt::Key_F10);
    QTRY_COMPARE(OpenPopup(), s.file);
    QVERIFY(closeMenu());
    // Alt with a key between, or released with a mouse button down, opens nothing.
    QTest::keyPress(handle, Qt::Key_Alt);
    QTest::keyClick(handle, Qt::Key_Q, Qt::AltModifier);
    QTest::keyRelease(handle, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyPress(handle, Qt::Key_Alt);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::keyRelease(handle, Qt::Key_Alt, Qt::AltModifier);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(200, 200));
    Flush();
    QVERIFY(!OpenPopup());
    // Nor with the window moved, deactivated and activated again, or the pointer moved between.
    QWidget other;
    const std::function<void()> between[] = {
        [&] { s.window.move(s.window.pos() + QPoint(30, 20)); },
        [&] { QVERIFY(ShowActive(&other) && ShowActive(&s.window)); },
        [&] { QTest::mouseMove(handle, QPoint(210, 200)); },
    };
    QTest::mouseMove(handle, QPoint(200, 200));
    for (std::size_t step = 0; step < std::size(between); ++step) {
        QTest::keyPress(handle, Qt::Key_Alt);
        between[step]();
        QTest::keyRelease(handle, Qt::Key_Alt, Qt::AltModifier);
        Flush();
        QVERIFY2(!OpenPopup(), qPrintable(QStringLiteral("step %1").arg(step)));
    }

    // Alt+E on a second window with a bar of its own without E: the main window's Edit opens;
    // not from a modal window.
    QMainWindow second;
    second.menuBar()->addMenu(QStringLiteral("&Tools"))->addAction(QStringLiteral("Options"));
    second.setCentralWidget(new QLineEdit);
    second.resize(300, 200);
    QVERIFY(s.fixture.Show(&second) && ShowActive(&second));
    QTest::keyClick(second.windowHandle(), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(OpenPopup(), s.edit);
    QTest::keyClick(OpenPopup(), Qt::Key_Escape);
    QTRY_VERIFY(!OpenPopup());
    second.hide();
    second.setWindowModality(Qt::ApplicationModal);
    QVERIFY(ShowActive(&second));
    QTest::keyClick(second.windowHandle(), Qt::Key_E, Qt::AltModifier);
    Flush();
    QVERIFY(!OpenPopup());
}

void TestSkinMenuBar::loneAltByServerTime_data() {
    // Crossings in grab mode (a press the window manager took) at X server times, ms after the
    // Alt press; the release comes 100 ms after it. A busy program reads them with the keys in
    // one go: they reach it before the press does.
    QTest::addColumn<quint32>("press");
    QTest::addColumn<QList<int>>("readFirst");
    QTest::addColumn<QList<int>>("readWhileDown");
    QTest::addColumn<bool>("opens");
    QTest::newRow("read first") << 5000u << QList<int>{12, 12} << QList<int>() << false;
    QTest::newRow("read while down") << 5000u << QList<int>() << QList<int>{100} << false;
    QTest::newRow("before and after") << 5000u << QList<int>{-5, 101} << QList<int>() << true;
    QTest::newRow("time wraps") << 0xFFFFFFC0u << QList<int>{-1, 80} << QList<int>() << false;
}

void TestSkinMenuBar::loneAltByServerTime() {
    QFETCH(quint32, press);
    QFETCH(QList<int>, readFirst);
    QFETCH(QList<int>, readWhileDown);
    QFETCH(bool, opens);
    BarSetup s;
    const auto alt = [&](QEvent::Type type, Qt::KeyboardModifiers modifiers, quint32 time) {
        QKeyEvent key(type, Qt::Key_Alt, modifiers);
        key.setTimestamp(time);
        QCoreApplication::sendEvent(s.window.windowHandle(), &key);
    };
    for (int after : readFirst)
        ReadGrabCrossing(press + quint32(after));
    alt(QEvent::KeyPress, Qt::NoModifier, press);
    for (int after : readWhileDown)
        ReadGrabCrossing(press + quint32(after));
    alt(QEvent::KeyRelease, Qt::AltModifier, press + 100);
    Flush();
    if (opens)
        QTRY_COMPARE(OpenPopup(), s.file);
    else
        QVERIFY(!OpenPopup());
}

void TestSkinMenuBar::barFollowsItsActionsAndUnskin() {
    BarSetup s;
    s.window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("About"));
    QTRY_COMPARE(s.bar->Buttons().size(), std::size_t(5));
    QVERIFY(s.ButtonRect(4).left() > s.ButtonRect(3).right());
    const QSize client = s.window.centralWidget()->size();
    s.data->SetActive(false);
    QTRY_VERIFY(!s.window.menuBar()->isHidden());
    QVERIFY(!s.fixture.Manager().FindSkinnedWindow(&s.window));
    QTRY_COMPARE(s.window.centralWidget()->size(), client);
}

// Menus and the bar deleted while the skin holds them: nothing of them is read as they go.
void TestSkinMenuBar::menusDeletedWhileSkinned() {
    BarSetup s;
    s.Click(0);
    QTRY_VERIFY(OpenPopup() == s.file);
    delete s.file;
    QTRY_VERIFY(!s.bar->TrackedMenu());
    delete s.window.menuBar();
    s.window.setMenuBar(new QMenuBar);
    s.window.menuBar()->addMenu(QStringLiteral("&Help"));
    QTRY_COMPARE(s.bar->Buttons().size(), std::size_t(1));
}

void TestSkinMenuBar::menuKeysWhileSkinned() {
    BarSetup s;
    QAction *open = s.file->actions().at(0);
    QAction *cut = s.edit->actions().at(0);
    QVERIFY(s.Triggers(open, Qt::CTRL | Qt::Key_O));
    // Not through a disabled menu item, as with the native bar.
    QVERIFY(!s.Triggers(s.tools->actions().at(0), Qt::CTRL | Qt::Key_T));
    // An item added to a submenu later, a shortcut given later.
    QAction *two =
        s.recent->addAction(QStringLiteral("two.db"), QKeySequence(Qt::CTRL | Qt::Key_2));
    QVERIFY(s.Triggers(two, Qt::CTRL | Qt::Key_2));
    cut->setShortcut(Qt::CTRL | Qt::Key_X);
    QVERIFY(s.Triggers(cut, Qt::CTRL | Qt::Key_X));
    s.recent->removeAction(two);
    QVERIFY(!s.Triggers(two, Qt::CTRL | Qt::Key_2));
    QVERIFY(!s.window.actions().contains(two));

    // The application's own window action: the only one in the actions context menu, and kept.
    s.window.addAction(cut);
    s.window.setContextMenuPolicy(Qt::ActionsContextMenu);
    QList<QAction *> shown;
    QTimer::singleShot(0, &s.window, [&] {
        if (QMenu *menu = OpenPopup()) {
            shown = menu->actions();
            menu->close();
        }
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(100, 100),
                                s.window.mapToGlobal(QPoint(100, 100)));
    QCoreApplication::sendEvent(&s.window, &menuEvent);
    QCOMPARE(shown, QList<QAction *>{cut});
    s.data->SetActive(false);
    QTRY_VERIFY(!s.window.menuBar()->isHidden());
    QCOMPARE(s.window.actions(), QList<QAction *>{cut});
}

void TestSkinMenuBar::menuKeysOfABarFilledLater() {
    BarSetup s(Qt::LeftToRight, false);
    QMenu *file = s.window.menuBar()->addMenu(QStringLiteral("&File"));
    QVERIFY(s.Triggers(file->addAction(QStringLiteral("New"), QKeySequence(Qt::CTRL | Qt::Key_N)),
                       Qt::CTRL | Qt::Key_N));
    s.data->SetActive(false);
    QTRY_VERIFY(!s.window.menuBar()->isHidden());
    QVERIFY(s.window.actions().isEmpty());
}

void TestSkinMenuBar::rightToLeftDropDowns() {
    // Right-aligned under the button, whichever way the menu itself runs.
    BarSetup s(Qt::RightToLeft);
    s.edit->setLayoutDirection(Qt::LeftToRight);
    s.window.move(300, s.window.y()); // room on the left for flowing left from the pointer
    const auto corner = [&](int index) {
        return s.window.mapToGlobal(s.ButtonRect(index).bottomRight() + QPoint(0, 1));
    };
    s.Click(0);
    QTRY_COMPARE(OpenPopup(), s.file);
    QCOMPARE(s.file->geometry().topRight(), corner(0));
    QTest::keyClick(s.file, Qt::Key_Left);
    QTRY_COMPARE(OpenPopup(), s.edit);
    QCOMPARE(s.edit->geometry().topRight(), corner(1));
    QTest::keyClick(s.edit, Qt::Key_Escape);
    QTRY_VERIFY(!OpenPopup());
    QVERIFY(ShowActive(&s.window));
    // The pointer at the drop-down's corner: QMenu would let it flow left from there.
    QCursor::setPos(s.file->geometry().topLeft());
    QTest::keyClick(&s.window, Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(OpenPopup(), s.file);
    QCOMPARE(s.file->geometry().topRight(), corner(0));
}

void TestSkinMenuBar::layoutRules() {
    const QRect strip(4, 28, 300, 20);
    // Text widths 30 and 12, an empty caption and a hidden button, from x = 6.
    QCOMPARE(LayoutMenuButtons({30, 0, -1, 12}, strip, 6, false),
             QList<QRect>(
                 {QRect(10, 28, 40, 19), QRect(50, 28, 0, 19), QRect(), QRect(50, 28, 22, 19)}));
    QCOMPARE(LayoutMenuButtons({30, 12}, strip, 10, true),
             QList<QRect>({QRect(4 + 290 - 40, 28, 40, 19), QRect(4 + 250 - 22, 28, 22, 19)}));
    const std::shared_ptr<const SkinObjects> skin = TTestSkin().Read();
    QCOMPARE(MenuBarStart(*skin, 300, false), 2 + 4);
    QCOMPARE(MenuBarStart(*skin, 300, true), 2 + 8);
    QCOMPARE(MenuBarStart(*skin, 5, false), 12);
    // A drop-down under a button at x 100..139 whose bottom is y 38.
    const QRect button(100, 20, 40, 19);
    QCOMPARE(DropDownTopLeft(button, 120, false), QPoint(100, 39));
    QCOMPARE(DropDownTopLeft(button, 120, true), QPoint(20, 39));
    QCOMPARE(DropDownTopLeft(button, 30, true), QPoint(110, 39));
}

QTEST_MAIN(TestSkinMenuBar)
#include "tst_skinmenubar.moc"
