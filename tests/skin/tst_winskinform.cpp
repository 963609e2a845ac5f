// Skinned windows: attaching, the client kept at its size, unskinning, the private messages and
// the mouse on the frame (offscreen: moving and sizing take the manual path).
#include "skin/window/skinmessageevent.h"
#include "skin/window/twindowcommands.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"
#include "support/skin/skinnedwidgets.h"
#include "support/skin/windowfixture.h"

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

// A window with a layout, sized 300 x 200 before skinning.
std::unique_ptr<QWidget> LaidOutWindow(Qt::WindowFlags flags = {}) {
    auto window = std::make_unique<QWidget>(nullptr, flags);
    auto *layout = new QVBoxLayout(window.get());
    layout->addWidget(new QLabel(QStringLiteral("client")));
    window->resize(300, 200);
    return window;
}

// Answers SM_SKINBUTTONENABLED with 1.
class AskingWindow : public QWidget {
public:
    bool event(QEvent *event) override {
        if (event->type() == QEvent::Type(SM_SKINBUTTONENABLED))
            static_cast<SkinMessageEvent *>(event)->result = 1;
        return QWidget::event(event);
    }
};

// Records the private messages a window receives (not the frame's button queries).
class MessageSpy : public QObject {
public:
    explicit MessageSpy(QObject *target) { target->installEventFilter(this); }
    QList<std::pair<int, qintptr>> messages; // message, wParam
    bool eventFilter(QObject *, QEvent *event) override {
        if (SkinMessageEvent::isSkinMessage(event->type()) &&
            event->type() != QEvent::Type(SM_SKINBUTTONENABLED)) {
            auto *m = static_cast<SkinMessageEvent *>(event);
            messages.append({m->message(), m->lParam == SkinSignature ? -1 : m->wParam});
        }
        return false;
    }
};

QPoint Center(const TWinSysButton *button) {
    return button->Rect().center();
}

} // namespace

class TestWinSkinForm : public QObject {
    Q_OBJECT
private slots:
    void attach_data();
    void attach();
    void messageBoxWideEnoughForItsTitle();
    void unskinRestoresEverything();
    void privateMessages();
    void nothingPaintedBeforeSkinningFinishes();
    void captionButtonsAct();
    void helpButtonOnlyWhereTheWindowAsks();
    void newPackageRedrawsOpenWindows();
    void captionDoubleClickMaximizes();
    void dragMovesAndSizes();
    void maximizedHereOnlyWithoutWindowManager();
    void hotButtonFollowsThePointer();
    void activeAgainAfterItsModalDialog();
};

void TestWinSkinForm::attach_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("frameKind");
    QTest::addColumn<QMargins>("margins");
    QTest::newRow("sizable") << 0 << 0 << QMargins(4, 28, 4, 4);
    QTest::newRow("fixed size") << 1 << 1 << QMargins(4, 28, 4, 4);
    QTest::newRow("no caption") << 2 << 2 << QMargins();
    QTest::newRow("dialog-frame form") << 3 << 3 << QMargins(4, 28, 4, 4);
}

void TestWinSkinForm::attach() {
    QFETCH(int, kind);
    TWindowFixture fixture;
    auto window = LaidOutWindow(kind == 2 ? Qt::FramelessWindowHint : Qt::WindowFlags());
    if (kind == 1)
        window->setFixedSize(300, 200);
    if (kind == 3)
        window->setProperty("BorderStyle", QStringLiteral("bsDialog"));
    fixture.AddSkinData(TTestSkin(), window.get());
    TWinSkinForm *form = fixture.Show(window.get());
    QVERIFY(form);
    QTEST(int(form->FrameKind()), "frameKind");
    QTEST(window->contentsMargins(), "margins");
    QCOMPARE(window->contentsRect().size(), QSize(300, 200));
    QCOMPARE(window->windowFlags().testFlag(Qt::FramelessWindowHint), true);
    QCOMPARE(window->mask().isEmpty(), kind == 2);
    if (kind == 1)
        QCOMPARE(window->maximumSize(), QSize(308, 232));
}

void TestWinSkinForm::messageBoxWideEnoughForItsTitle() {
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin());
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("A rather long title for a short text"),
                    QStringLiteral("ok"));
    TWinSkinForm *form = fixture.Show(&box);
    QVERIFY(form);
    QCOMPARE(form->FrameKind(), TFrameKind::Dialog);
    QVERIFY(form->IsDialog());
    QVERIFY(box.width() >= 22 + form->CaptionTextWidth() + 96);
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(!VisibleButton(form, 3)); // no system-menu button on a dialog frame
}

void TestWinSkinForm::unskinRestoresEverything() {
    TWindowFixture fixture;
    auto window = LaidOutWindow();
    window->setFixedSize(300, 200);
    window->setContentsMargins(1, 2, 3, 4);
    const QColor background = window->palette().color(QPalette::Window);
    const Qt::WindowFlags flags = window->windowFlags();
    TSkinData *data = fixture.AddSkinData(TTestSkin(), window.get());
    QVERIFY(fixture.Show(window.get()));
    QVERIFY(window->palette().color(QPalette::Window) != background);

    data->SetActive(false);
    QTRY_VERIFY(!fixture.Manager().FindSkinnedWindow(window.get()));
    QCOMPARE(window->windowFlags(), flags);
    QCOMPARE(window->contentsMargins(), QMargins(1, 2, 3, 4));
    QCOMPARE(window->size(), QSize(300, 200));
    QCOMPARE(window->maximumSize(), QSize(300, 200));
    QVERIFY(window->mask().isEmpty());
    QVERIFY(!window->hasMouseTracking());
    QCOMPARE(window->palette().color(QPalette::Window), background);
    QCOMPARE(SendSkinMessage(window.get(), SM_SKINQUERY), qintptr(0));

    data->SetActive(true);
    QTRY_VERIFY(fixture.Manager().FindSkinnedWindow(window.get()));
    QTRY_COMPARE(window->size(), QSize(308, 232));
}

void TestWinSkinForm::privateMessages() {
    TWindowFixture fixture;
    auto window = LaidOutWindow();
    fixture.AddSkinData(TTestSkin(), window.get());
    QCOMPARE(SendSkinMessage(window.get(), SM_SKINQUERY), qintptr(0));
    QVERIFY(fixture.Show(window.get()));
    MessageSpy spy(window.get());
    QCOMPARE(SendSkinMessage(window.get(), SM_SKINQUERY), qintptr(1));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(SendSkinMessage(window.get(), SM_SKINPRESENT, 0, SkinSignature), SkinSignature);
    QCOMPARE(SendSkinMessage(window.get(), SM_SKINPRESENT, 0, 7), qintptr(1));
    QCOMPARE(SendSkinMessage(window.get(), SM_SKINCOLORS), qintptr(0));
    const QList<std::pair<int, qintptr>> expected = {
        {SM_SKINQUERY, 0},    {SM_SKINAPPLIED, -1}, // posted after the query
        {SM_SKINPRESENT, -1}, {SM_SKINPRESENT, 0},
        {SM_SKINCOLORS, 0},   {SM_SKINAPPLIED, -1}, // sent when the colours are applied again
    };
    QCOMPARE(spy.messages, expected);

    // The frame printed into an image is the frame the window paints.
    QImage printed(window->size(), QImage::Format_RGB32);
    printed.fill(Qt::black);
    QPainter painter(&printed);
    QCOMPARE(SendSkinMessage(window.get(), SM_SKINPRINTFRAME, painter, SkinSignature),
             SkinSignature);
    painter.end();
    const QImage grabbed = Grab(window.get());
    const QRect client = window->contentsRect();
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x)
            if (!client.contains(x, y) && PixelAt(printed, x, y) != PixelAt(grabbed, x, y))
                QFAIL(qPrintable(QStringLiteral("frame pixel %1,%2 differs").arg(x).arg(y)));
}

void TestWinSkinForm::nothingPaintedBeforeSkinningFinishes() {
    TWindowFixture fixture;
    TTestSkin skin;
    auto window = LaidOutWindow();
    fixture.AddSkinData(skin, window.get());
    window->show(); // SM_SKINACTIVE is still queued
    TWinSkinForm *form = fixture.Manager().FindSkinnedWindow(window.get());
    QVERIFY(form);
    QCOMPARE(form->State(), TFormState::Attached);
    const QRgb left = skin.FrameColour(QStringLiteral("left.bmp"), 1);
    QVERIFY(PixelAt(Grab(window.get()), 1, 100) != left);
    QApplication::processEvents();
    QCOMPARE(form->State(), TFormState::Skinned);
    QCOMPARE(PixelAt(Grab(window.get()), 1, 100), left);
}

void TestWinSkinForm::captionButtonsAct() {
    TWindowFixture fixture;
    TTestSkin skin;
    skin.SetKey(QStringLiteral("BUTTON5"), QStringLiteral("Action"), QStringLiteral("50"));
    skin.SetKey(QStringLiteral("BUTTON5"), QStringLiteral("Visibility"), QStringLiteral("0"));
    skin.SetKey(QStringLiteral("BUTTON5"), QStringLiteral("Xcoord"), QStringLiteral("150"));
    auto window = LaidOutWindow(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    // The frame is never painted: the buttons work from the layout alone.
    fixture.AddSkinData(skin, window.get())->FramePainting = false;
    TWinSkinForm *form = fixture.Show(window.get());
    QVERIFY(form);
    QWindow *handle = window->windowHandle();
    MessageSpy spy(window.get());

    TWinSysButton *custom = VisibleButton(form, 50);
    QVERIFY(custom);
    QTest::mouseClick(handle, Qt::LeftButton, {}, Center(custom));
    QTRY_VERIFY(spy.messages.contains(std::pair<int, qintptr>(SM_SKINBUTTONACTION, 50)));

    TWinSysButton *minimize = VisibleButton(form, 2); // no minimize box: disabled
    QVERIFY(minimize && !minimize->Enabled());
    QTest::mouseClick(handle, Qt::LeftButton, {}, Center(minimize));
    QCoreApplication::sendPostedEvents();
    QVERIFY(!window->isMinimized());

    // Press on the close button, slide off and release: nothing happens.
    TWinSysButton *close = VisibleButton(form, 0);
    QTest::mousePress(handle, Qt::LeftButton, {}, Center(close));
    QCOMPARE(close->State(), TNCObject::TState::Pressed);
    QTest::mouseMove(handle, QPoint(150, 100));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(150, 100));
    QCOMPARE(close->State(), TNCObject::TState::Normal);
    QCoreApplication::sendPostedEvents();
    QVERIFY(window->isVisible());
    QTest::mouseClick(handle, Qt::LeftButton, {}, Center(close));
    QTRY_VERIFY(!window->isVisible());
}

void TestWinSkinForm::helpButtonOnlyWhereTheWindowAsks() {
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin()); // its help button asks the window (Visibility 1000)
    QWidget plain;
    QWidget help(nullptr, Qt::Dialog | Qt::WindowContextHelpButtonHint);
    AskingWindow asking;
    for (QWidget *window :
         {static_cast<QWidget *>(&plain), &help, static_cast<QWidget *>(&asking)}) {
        window->resize(300, 200);
        TWinSkinForm *form = fixture.Show(window);
        Grab(window);
        QCOMPARE(VisibleButton(form, 4) != nullptr, window == &asking); // a hint is no answer
    }
}

void TestWinSkinForm::newPackageRedrawsOpenWindows() {
    TWindowFixture fixture;
    TTestSkin wider;
    wider.SetStrip(QStringLiteral("left.bmp"), 2, QSize(6, 40));
    TSkinData *data = fixture.AddSkinData(TTestSkin());
    auto window = LaidOutWindow();
    QVERIFY(fixture.Show(window.get()));
    data->SetSkinStream(wider.Packed());
    QTRY_COMPARE(window->contentsMargins(), QMargins(6, 28, 4, 4));
    QCOMPARE(window->contentsRect().size(), QSize(300, 200));
    QCOMPARE(PixelAt(Grab(window.get()), 5, 100), wider.FrameColour(QStringLiteral("left.bmp"), 1));
}

void TestWinSkinForm::captionDoubleClickMaximizes() {
    TWindowFixture fixture;
    auto window = LaidOutWindow();
    fixture.AddSkinData(TTestSkin(), window.get());
    QVERIFY(fixture.Show(window.get()));
    const QRect normal = window->geometry();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(150, 14));
    QTRY_VERIFY(window->isMaximized());
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(150, 14));
    QTRY_VERIFY(!window->isMaximized());
    QTRY_COMPARE(window->geometry(), normal);
}

void TestWinSkinForm::dragMovesAndSizes() {
    TWindowFixture fixture;
    auto sizable = LaidOutWindow();
    auto fixed = LaidOutWindow();
    fixed->setFixedSize(300, 200);
    fixture.AddSkinData(TTestSkin());
    for (QWidget *window : {sizable.get(), fixed.get()}) {
        QVERIFY(fixture.Show(window));
        const QRect before = window->geometry();
        const auto drag = [window](QPoint from, QPoint by) {
            QWindow *handle = window->windowHandle();
            const QPoint origin = window->pos(); // the window moves under the pointer
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(handle, origin + from + by * step / 4 - window->pos());
            QTest::mouseRelease(handle, Qt::LeftButton, {}, origin + from + by - window->pos());
        };
        drag(QPoint(150, 14), QPoint(40, 24));
        QCOMPARE(window->pos(), before.topLeft() + QPoint(40, 24));
        drag(QPoint(before.width() - 2, 100), QPoint(30, 0));
        QCOMPARE(window->width(), before.width() + (window == sizable.get() ? 30 : 0));
    }
}

void TestWinSkinForm::maximizedHereOnlyWithoutWindowManager() {
    QWidget window;
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect normal = window.geometry();
    TWindowCommands alone(&window, [] { return false; });
    alone.Run(WindowCommand::Maximize);
    QCOMPARE(window.geometry(), window.screen()->availableGeometry());
    QVERIFY(alone.IsMaximized() && !window.isMaximized());
    alone.Run(WindowCommand::Restore);
    QCOMPARE(window.geometry(), normal);
    QVERIFY(!alone.IsMaximized());

    TWindowCommands managed(&window, [] { return true; }); // the window manager's to do
    managed.Run(WindowCommand::Maximize);
    QVERIFY(window.windowState().testFlag(Qt::WindowMaximized));
    managed.Run(WindowCommand::Restore);
    QVERIFY(!window.windowState().testFlag(Qt::WindowMaximized));
}

void TestWinSkinForm::hotButtonFollowsThePointer() {
    // Maximized and restored by its button, the window moves away under a pointer that stays
    // put: no button stays hot.
    TWindowFixture fixture;
    auto window = LaidOutWindow(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    fixture.AddSkinData(TTestSkin(), window.get());
    TWinSkinForm *form = fixture.Show(window.get());
    QVERIFY(form && ShowActive(window.get()));
    window->move(200, 150);
    QTRY_COMPARE(window->pos(), QPoint(200, 150));
    for (bool maximized : {true, false}) {
        TWinSysButton *button = VisibleButton(form, 1);
        QVERIFY(button);
        QCursor::setPos(window->mapToGlobal(Center(button)));
        QTRY_COMPARE(button->State(), TNCObject::TState::Hot);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Center(button));
        QTRY_COMPARE(window->isMaximized(), maximized);
        QTRY_VERIFY(!form->Tracker().Hot());
        QCOMPARE(button->State(), TNCObject::TState::Normal);
    }
}

// Nothing on the offscreen platform (nor on X11 without a window manager) gives the activation
// back when a modal dialog closes: its skin hands it to the window the dialog was over.
void TestWinSkinForm::activeAgainAfterItsModalDialog() {
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin());
    auto window = LaidOutWindow();
    TWinSkinForm *form = fixture.Show(window.get());
    QVERIFY(form);
    for (const bool byCloseButton : {false, true}) {
        window->activateWindow();
        QTRY_VERIFY(form->IsActive());
        QDialog dialog(window.get());
        dialog.setWindowModality(Qt::ApplicationModal);
        TWinSkinForm *dialogForm = fixture.Show(&dialog);
        QVERIFY(dialogForm);
        QTRY_VERIFY(!form->IsActive());
        if (byCloseButton)
            QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                              Center(VisibleButton(dialogForm, 0)));
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QTRY_VERIFY(!dialog.isVisible());
        QTRY_VERIFY2(form->IsActive(), byCloseButton ? "closed by its button" : "closed by Esc");
        QCOMPARE(QApplication::activeWindow(), window.get());
    }
}

QTEST_MAIN(TestWinSkinForm)
#include "tst_winskinform.moc"
