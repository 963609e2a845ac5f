// Skinned popup menus: borders and item frames from the skin, item widths, the system menu
// and what it does, presses that close a menu over a skinned frame, keyboard move and size.
#include "skin/draw/skincolor.h"
#include "skin/menus/tskinmenulayer.h"
#include "skin/menus/twinskinpopmenu.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tkeyboardmovesize.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"
#include "support/skin/skinnedwidgets.h"
#include "support/skin/windowfixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

// A skinned, active window with a text field, and the menu layer in use.
struct MenuSetup {
    explicit MenuSetup(const TTestSkin &skin = TTestSkin())
        : window(new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowMinMaxButtonsHint |
                                          Qt::WindowCloseButtonHint)) {
        fixture.Manager().SetMenuLayer(&layer);
        auto *layout = new QVBoxLayout(window.get());
        edit = new QLineEdit(QStringLiteral("text"));
        layout->addWidget(edit);
        QPixmap icon(16, 16);
        icon.fill(Qt::darkGreen);
        window->setWindowIcon(QIcon(icon));
        window->resize(320, 200);
        fixture.AddSkinData(skin, window.get());
        form = fixture.Show(window.get());
        ShowActive(window.get());
        Grab(window.get()); // lays the caption buttons out
    }
    TWindowFixture fixture;
    TSkinMenuLayer layer;
    std::unique_ptr<QWidget> window;
    QLineEdit *edit = nullptr;
    TWinSkinForm *form = nullptr;
};

QMenu *OpenPopup() {
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// Opens the system menu by a right click on the caption.
QMenu *RightClickCaption(QWidget *window) {
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, QPoint(40, 14));
    return QTest::qWaitFor([] { return OpenPopup() != nullptr; }) ? OpenPopup() : nullptr;
}

int PixelsOf(const QImage &image, const QRect &rect, QRgb colour) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += PixelAt(image, x, y) == (colour | 0xFF000000u);
    return n;
}

// The enabled state of each system-menu item, by the caption's start.
QString EnabledItems(QMenu *menu) {
    QStringList on;
    for (QAction *action : menu->actions())
        if (!action->isSeparator() && action->isEnabled())
            on << action->text().left(action->text().indexOf(QLatin1Char('(')));
    return on.join(QLatin1Char(' '));
}

// Opens `menu` over the window with the pointer on the close button and presses there: the press
// closes the menu and goes on to the window. The close button's centre.
QPoint PressCloseButtonOverMenu(MenuSetup &s, QMenu &menu) {
    const QPoint close = VisibleButton(s.form, 0)->Rect().center();
    QCursor::setPos(s.window->mapToGlobal(close));
    menu.addAction(QStringLiteral("Open"));
    menu.popup(s.window->mapToGlobal(QPoint(20, 40)));
    if (QTest::qWaitFor([&menu] { return OpenPopup() == &menu; }))
        QTest::mousePress(s.window->windowHandle(), Qt::LeftButton, {}, close);
    return close;
}

// The time of the last mouse release a widget got.
struct TReleaseTime : QObject {
    quint64 time = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::MouseButtonRelease)
            time = static_cast<QMouseEvent *>(event)->timestamp();
        return false;
    }
};

} // namespace

class TestSkinMenus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseCrispFont(); }
    void borderAndItemFrames_data();
    void borderAndItemFrames();
    void itemWidths_data();
    void itemWidths();
    void rightToLeftMirrorsItems();
    void menuDestroyedWhileOpen();
    void contextMenuOfTextField();
    void systemMenuFollowsWindowState();
    void pressClosingMenuActsOnCaptionButtons();
    void pressClosingMenuAsksDisplay_data();
    void pressClosingMenuAsksDisplay();
    void keyboardMoveAndSize();
    void arrowSteps();
};

void TestSkinMenus::borderAndItemFrames_data() {
    QTest::addColumn<bool>("shadowIsText");
    QTest::newRow("own shadow colour") << false;
    QTest::newRow("shadow equals text") << true;
}

void TestSkinMenus::borderAndItemFrames() {
    QFETCH(bool, shadowIsText);
    TTestSkin skin;
    if (shadowIsText)
        skin.SetKey(QStringLiteral("Colours"), QStringLiteral("ButtonShadow"),
                    QStringLiteral("30 30 31"));
    MenuSetup s(skin);
    QMenu menu(s.window.get());
    QAction *open = menu.addAction(QStringLiteral("Open"));
    QAction *disabled = menu.addAction(QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    QAction *separator = menu.addSeparator();
    QAction *last = menu.addAction(QStringLiteral("Last"));
    menu.popup(s.window->mapToGlobal(QPoint(40, 60)));
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(SendSkinMessage(&menu, SM_SKINQUERY), 1);
    menu.setActiveAction(last);
    const QImage image = Grab(&menu);

    const QRgb ring = skin.FrameColour(QStringLiteral("menubg.bmp"), 1);
    for (QPoint p : {QPoint(0, 0), QPoint(2, image.height() / 2),
                     QPoint(image.width() - 3, image.height() - 1)})
        QCOMPARE(PixelAt(image, p.x(), p.y()), ring);
    const auto frameAt = [&](QAction *action) {
        const QRect r = menu.actionGeometry(action);
        return PixelAt(image, r.left() + 1, r.top() + 1);
    };
    const QString item = QStringLiteral("menuitem.bmp");
    QCOMPARE(frameAt(open), skin.FrameColour(item, 1));
    QCOMPARE(frameAt(last), skin.FrameColour(item, 4));
    const QRect line = menu.actionGeometry(separator);
    QCOMPARE(line.height(), 8);
    QCOMPARE(PixelAt(image, line.center().x(), line.center().y()), skin.FrameColour(item, 2));

    const QRgb shadow =
        shadowIsText ? SkinToQColor(clBtnShadow, menu.palette()).rgb() : qRgb(150, 160, 175);
    const QRect dimmed = menu.actionGeometry(disabled);
    QVERIFY(PixelsOf(image, dimmed, shadow) > 10);
    QCOMPARE(PixelsOf(image, dimmed, qRgb(30, 30, 31)), 0);
    QVERIFY(PixelsOf(image, menu.actionGeometry(open), qRgb(30, 30, 31)) > 10);

    menu.hide();
    QVERIFY(!s.fixture.Manager().IsMenuWrapped(&menu));
    QCOMPARE(s.fixture.Manager().MenuKind(), TSkinManage::TMenuKind::Popup);
    // Unwrapped, the menu paints as the application's style does.
    QCOMPARE(PixelAt(Grab(&menu), 0, 0), PixelAt(QMenu(s.window.get()).grab().toImage(), 0, 0));
}

void TestSkinMenus::itemWidths_data() {
    QTest::addColumn<bool>("icon");
    QTest::addColumn<bool>("systemMenu");
    QTest::addColumn<int>("extra");
    QTest::newRow("no images") << false << false << 3 + 35;
    QTest::newRow("images") << true << false << 3 + 10;
    QTest::newRow("system menu") << true << true << 3 + 12;
}

void TestSkinMenus::itemWidths() {
    QFETCH(bool, icon);
    QFETCH(bool, systemMenu);
    QFETCH(int, extra);
    MenuSetup s;
    QMenu menu(s.window.get());
    if (systemMenu)
        menu.setProperty("tag", 33333);
    QPixmap glyph(16, 16);
    glyph.fill(Qt::red);
    QAction *action = menu.addAction(icon ? QIcon(glyph) : QIcon(), QStringLiteral("Open file"));
    menu.addAction(QStringLiteral("&"));
    const int plain = menu.actionGeometry(action).width();
    menu.popup(s.window->mapToGlobal(QPoint(40, 60)));
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(menu.actionGeometry(action).width(), plain + extra);
}

void TestSkinMenus::rightToLeftMirrorsItems() {
    MenuSetup s;
    QPixmap glyph(16, 16);
    glyph.fill(Qt::red);
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QMenu menu(s.window.get());
        menu.setLayoutDirection(direction);
        QAction *action = menu.addAction(QIcon(glyph), QStringLiteral("Open"));
        menu.popup(s.window->mapToGlobal(QPoint(40, 60)));
        QTRY_VERIFY(menu.isVisible());
        const QImage image = Grab(&menu);
        const QRect r = menu.actionGeometry(action);
        const int y = r.center().y();
        // The glyph sits just inside the item frame's left margin, or its right one.
        const QRgb left = PixelAt(image, r.left() + 3 + 1 + 8, y);
        const QRgb right = PixelAt(image, r.right() - 3 - 8, y);
        QCOMPARE(left == qRgb(255, 0, 0), direction == Qt::LeftToRight);
        QCOMPARE(right == qRgb(255, 0, 0), direction == Qt::RightToLeft);
        menu.hide();
    }
}

void TestSkinMenus::menuDestroyedWhileOpen() {
    MenuSetup s;
    auto *menu = new QMenu(s.window.get());
    menu->addAction(QStringLiteral("Open"));
    s.fixture.Manager().SetMenuKind(TSkinManage::TMenuKind::MenuBar);
    menu->popup(s.window->mapToGlobal(QPoint(40, 60)));
    QTRY_VERIFY(menu->isVisible());
    QPointer<TWinSkinPopMenu> wrapper = TWinSkinPopMenu::Find(menu);
    QVERIFY(wrapper);
    delete menu;
    QVERIFY(!wrapper);
    QCOMPARE(s.fixture.Manager().MenuKind(), TSkinManage::TMenuKind::Popup);
    QVERIFY(!TWinSkinPopMenu::Find(menu));
}

void TestSkinMenus::contextMenuOfTextField() {
    MenuSetup s;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            s.edit->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(s.edit, &event);
    QTRY_VERIFY(OpenPopup());
    QPointer<QMenu> menu = OpenPopup();
    QVERIFY(TWinSkinPopMenu::Find(menu));
    QCOMPARE(PixelAt(Grab(menu), 1, 1), TTestSkin().FrameColour(QStringLiteral("menubg.bmp"), 1));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!OpenPopup());
    QTRY_VERIFY(!menu); // deleted on close, its wrapper with it
    QVERIFY(!s.fixture.Manager().IsMenuWrapped(menu));
}

void TestSkinMenus::systemMenuFollowsWindowState() {
    MenuSetup s;
    QMenu *menu = RightClickCaption(s.window.get());
    QVERIFY(menu);
    QCOMPARE(menu->property("tag").toInt(), 33333);
    QCOMPARE(s.fixture.Manager().MenuKind(), TSkinManage::TMenuKind::SystemMenu);
    QVERIFY(TWinSkinPopMenu::Find(menu));
    QCOMPARE(EnabledItems(menu), QStringLiteral("移动 大小 最小化 最大化 关闭"));
    QTest::keyClick(menu, Qt::Key_X);
    QTRY_VERIFY(s.window->isMaximized());
    QTRY_COMPARE(s.form->ShowState(), TShowState::Maximized);
    QCOMPARE(s.fixture.Manager().MenuKind(), TSkinManage::TMenuKind::Popup);

    QTest::keyClick(s.window.get(), Qt::Key_Space, Qt::AltModifier);
    QTRY_VERIFY(OpenPopup());
    menu = OpenPopup();
    QCOMPARE(EnabledItems(menu), QStringLiteral("还原 最小化 关闭"));
    QTest::keyClick(menu, Qt::Key_R);
    QTRY_VERIFY(!s.window->isMaximized());

    // Close, by its mnemonic.
    QVERIFY(RightClickCaption(s.window.get()));
    QTest::keyClick(OpenPopup(), Qt::Key_C);
    QTRY_VERIFY(!s.window->isVisible());
}

void TestSkinMenus::pressClosingMenuActsOnCaptionButtons() {
    // The window takes the pointer for a handed-on press only where the platform grants it.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("grabbing the mouse")));
    {
        // A click on the system-menu button opens the menu; a double click (whose second press
        // lands while the menu is open) closes the window. Clicks count by their event times.
        MenuSetup s;
        TWinSysButton *icon = VisibleButton(s.form, 3);
        QVERIFY(icon);
        QWindow *handle = s.window->windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, {}, icon->Rect().center());
        QTRY_VERIFY(OpenPopup());
        OpenPopup()->close();
        QTRY_VERIFY(!OpenPopup());
        QVERIFY(s.window->isVisible());
        QTest::mouseDClick(handle, Qt::LeftButton, {}, icon->Rect().center());
        QTRY_VERIFY(!s.window->isVisible());
        QVERIFY(!OpenPopup());
    }
    {
        // The release of a press that closed a menu may be lost with the menu's native window
        // (destroyed as the menu closes): a move without the button ends the click, and a
        // click on the close button closes the window.
        MenuSetup s;
        QMenu menu(s.window.get());
        const QPoint close = PressCloseButtonOverMenu(s, menu);
        QVERIFY(!OpenPopup());
        QCOMPARE(VisibleButton(s.form, 0)->State(), TNCObject::TState::Pressed);
        QMouseEvent moved(QEvent::MouseMove, close, close, s.window->mapToGlobal(close),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(s.window->windowHandle(), &moved);
        QTRY_VERIFY(!s.window->isVisible());
    }
}

void TestSkinMenus::pressClosingMenuAsksDisplay_data() {
    QTest::addColumn<bool>("granted");    // the window takes the pointer for the press
    QTest::addColumn<bool>("heldAtGrab"); // the display shows the button down then
    QTest::newRow("pointer taken") << true << true;
    QTest::newRow("pointer taken after the release") << true << false;
    QTest::newRow("pointer refused") << false << true;
}

void TestSkinMenus::pressClosingMenuAsksDisplay() {
    QFETCH(bool, granted);
    QFETCH(bool, heldAtGrab);
    MenuSetup s;
    int queries = 0;
    bool taken = false;
    Qt::MouseButtons down = heldAtGrab ? Qt::LeftButton : Qt::NoButton;
    s.layer.ClickThrough().SetDisplay(
        {[&](QWindow &, bool take) { return taken = take && granted; },
         [&] { return ++queries, std::optional(down); }});
    TReleaseTime release;
    s.window->installEventFilter(&release);
    QMenu menu(s.window.get());
    const QPoint close = PressCloseButtonOverMenu(s, menu);
    QCOMPARE(queries, 1);
    QCOMPARE(taken, granted && heldAtGrab);
    QCOMPARE(s.window->isVisible(), heldAtGrab); // a release before the grab is made up at once
    if (!heldAtGrab)
        return;
    QMouseEvent move(QEvent::MouseMove, close, close, s.window->mapToGlobal(close), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    move.setTimestamp(1'000'000'000); // long after the press
    QCoreApplication::sendEvent(s.window->windowHandle(), &move);
    if (granted) {
        // Timers fire in the order they fall due: a poll would come before this one.
        bool waited = false;
        QTimer::singleShot(2 * TMenuClickThrough::ButtonPollMs, [&] { waited = true; });
        QTRY_VERIFY(waited);
        QCOMPARE(queries, 1);
        QTest::mouseRelease(s.window->windowHandle(), Qt::LeftButton, {}, close);
    } else {
        QTRY_VERIFY(queries >= 3);
        down = Qt::NoButton; // made up with the time of the last move
        QTRY_COMPARE(release.time, move.timestamp());
    }
    QTRY_VERIFY(!s.window->isVisible());
    QVERIFY(!taken);
}

void TestSkinMenus::keyboardMoveAndSize() {
    MenuSetup s;
    const QRect start = s.window->geometry();
    const auto choose = [&](Qt::Key mnemonic) {
        QVERIFY(RightClickCaption(s.window.get()));
        QTest::keyClick(OpenPopup(), mnemonic);
        QTRY_VERIFY(TKeyboardMoveSize::Running(s.window.get()));
    };
    choose(Qt::Key_M);
    QTest::keyClick(s.window.get(), Qt::Key_Right);
    QTest::keyClick(s.window.get(), Qt::Key_Down);
    QTRY_COMPARE(s.window->geometry(), start.translated(8, 8));
    QTest::keyClick(s.window.get(), Qt::Key_Escape);
    QTRY_COMPARE(s.window->geometry(), start);
    QVERIFY(!TKeyboardMoveSize::Running(s.window.get()));

    choose(Qt::Key_S);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right})
        QTest::keyClick(s.window.get(), key);
    QTest::keyClick(s.window.get(), Qt::Key_Return);
    QTRY_COMPARE(s.window->geometry(), start.adjusted(0, 0, 16, 0));
    QVERIFY(!TKeyboardMoveSize::Running(s.window.get()));
}

void TestSkinMenus::arrowSteps() {
    using Mode = TKeyboardMoveSize::TMode;
    const QRect r(100, 100, 200, 100);
    const QSize min(190, 50), max(400, 300);
    Qt::Edges edges;
    QCOMPARE(TKeyboardMoveSize::ArrowStep(r, Mode::Move, edges, Qt::Key_Up, min, max),
             r.translated(0, -8));
    QCOMPARE(TKeyboardMoveSize::ArrowStep(r, Mode::Size, edges, Qt::Key_A, min, max), r);
    // The first Left picks the left edge; then Right narrows from the left down to the minimum.
    QCOMPARE(TKeyboardMoveSize::ArrowStep(r, Mode::Size, edges, Qt::Key_Left, min, max), r);
    QCOMPARE(edges, Qt::Edges(Qt::LeftEdge));
    QCOMPARE(TKeyboardMoveSize::ArrowStep(r, Mode::Size, edges, Qt::Key_Right, min, max),
             r.adjusted(8, 0, 0, 0));
    QCOMPARE(TKeyboardMoveSize::ArrowStep(r.adjusted(8, 0, 0, 0), Mode::Size, edges, Qt::Key_Right,
                                          min, max),
             r.adjusted(10, 0, 0, 0));
    // The top edge joins; growing upwards stops at the maximum.
    QCOMPARE(TKeyboardMoveSize::ArrowStep(r, Mode::Size, edges, Qt::Key_Up, min, max), r);
    QCOMPARE(TKeyboardMoveSize::ArrowStep(QRect(0, 0, 200, 296), Mode::Size, edges, Qt::Key_Up, min,
                                          max),
             QRect(0, -4, 200, 300));
}

QTEST_MAIN(TestSkinMenus)
#include "tst_skinmenus.moc"
