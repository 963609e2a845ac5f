// Push, menu and tool buttons painted from the colour-coded test skin, and glyph layout.
#include "skin/controls/tskinbitbutton.h"
#include "skin/controls/tskinmenubutton.h"
#include "skin/controls/tskinspeedbutton.h"
#include "support/skin/skinnedwidgets.h"

#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const QString ButtonsImage = QStringLiteral("buttons.bmp");
constexpr QRgb Face = 0xFFECF0F5; // the test skin's ButtonFace

// A cyan window holding one skinned button of 80 x 30 at (10, 10).
struct ButtonWindow {
    QWidget window;
    QAbstractButton *button;
    ButtonWindow(QAbstractButton *b, TSkinButton *skin, TSkinData *data) : button(b) {
        window.resize(120, 60);
        QPalette p = window.palette();
        p.setColor(QPalette::Window, Qt::cyan);
        window.setPalette(p);
        window.setAutoFillBackground(true);
        b->setParent(&window);
        b->setGeometry(10, 10, 80, 30);
        skin->InitSkin(nullptr, data, false);
    }
    QRgb Centre() { return PixelOf(button, QPoint(40, 24)); }
};

void Enter(QWidget *w) {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestSkinButtons : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data;
    QRgb Frame(int frame) const { return testSkin.FrameColour(ButtonsImage, frame); }

private slots:
    void initTestCase();
    void frameMatrix_data();
    void frameMatrix();
    void clicksAreTheButtons();
    void tabShowsFocus();
    void glyphLayout_data();
    void glyphLayout();
    void flatToolButton();
    void transparentTagShowsParent();
    void missingImagePaintsNatively();
};

void TestSkinButtons::initTestCase() {
    UseCrispFont();
    testSkin.KeyFrameCorners(ButtonsImage, 2);
    data = LoadedSkinData(testSkin);
}

void TestSkinButtons::frameMatrix_data() {
    QTest::addColumn<bool>("menu");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("frame");
    QTest::newRow("normal") << false << "" << 1;
    QTest::newRow("focused") << false << "focus" << 5;
    QTest::newRow("focused hot") << false << "focus hot" << 4;
    QTest::newRow("pressed hot focused") << false << "focus hot press" << 2;
    QTest::newRow("disabled hot") << false << "hot disable" << 3;
    QTest::newRow("disabled while pressed") << false << "disable down" << 3;
    QTest::newRow("menu focused") << true << "focus" << 4;
}

void TestSkinButtons::frameMatrix() {
    QFETCH(bool, menu);
    QFETCH(QString, state);
    QFETCH(int, frame);
    auto *button = new QPushButton;
    ButtonWindow w(button, menu ? new TSkinMenuButton(button) : new TSkinButton(button),
                   data.get());
    QVERIFY(ShowActive(&w.window));
    if (menu)
        button->setMenu(new QMenu(button));
    const auto has = [&state](const char *s) { return state.contains(QLatin1String(s)); };
    has("focus") ? button->setFocus() : button->clearFocus();
    if (has("hot"))
        Enter(button);
    if (has("press"))
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 15));
    if (has("disable"))
        button->setEnabled(false);
    if (has("down"))
        button->setDown(true);
    QCOMPARE(w.Centre(), Frame(frame));
}

void TestSkinButtons::clicksAreTheButtons() {
    auto *button = new QPushButton(QStringLiteral("&OK"));
    ButtonWindow w(button, new TSkinButton(button), data.get());
    QVERIFY(ShowActive(&w.window));
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    // Pressed, dragged out and released outside: no click, and the pressed frame is gone.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::mouseMove(button, QPoint(150, 15));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 15));
    QCOMPARE(clicked.count(), 1);
    QVERIFY(w.Centre() != Frame(2));
    // Space presses and releases the button like a click.
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    QCOMPARE(w.Centre(), Frame(2));
    QTest::keyRelease(button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
}

// Tab from one captioned button to the next: the focused one takes the focused frame and a
// dotted rectangle around its caption, the other one the normal frame and no rectangle.
void TestSkinButtons::tabShowsFocus() {
    QWidget window;
    window.resize(200, 50);
    QPushButton *buttons[2];
    for (int i = 0; i < 2; ++i) {
        buttons[i] = new QPushButton(QStringLiteral("OK"), &window);
        buttons[i]->setGeometry(10 + 90 * i, 10, 80, 30);
        (new TSkinButton(buttons[i]))->InitSkin(nullptr, data.get(), false);
    }
    QVERIFY(ShowActive(&window));
    buttons[0]->setFocus();
    QTest::keyClick(buttons[0], Qt::Key_Tab);
    QVERIFY(buttons[1]->hasFocus());
    QCOMPARE(PixelOf(buttons[0], QPoint(40, 3)), Frame(1));
    QCOMPARE(PixelOf(buttons[1], QPoint(40, 3)), Frame(5));
    // Ink: the pixels of the face other than its frame's colour.
    const auto ink = [](QWidget *b, QRgb face) {
        const QImage image = Grab(b);
        int n = 0;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                n += PixelAt(image, x, y) != face;
        return n;
    };
    QVERIFY(ink(buttons[1], Frame(5)) > ink(buttons[0], Frame(1)) + 10);
}

void TestSkinButtons::glyphLayout_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("glyph");
    QTest::addColumn<QPoint>("textAt");
    // Client 100 x 40, glyph 16 x 16, text 20 x 10 unless empty.
    const QSize t(20, 10);
    QTest::newRow("three equal gaps") << 0 << -1 << -1 << t << QPoint(21, 12) << QPoint(58, 15);
    QTest::newRow("margin, spacing the rest")
        << 0 << 4 << -1 << t << QPoint(4, 12) << QPoint(50, 15);
    QTest::newRow("no caption, no spacing")
        << 0 << -1 << 4 << QSize(0, 0) << QPoint(42, 12) << QPoint(58, 20);
    QTest::newRow("glyph bottom") << 3 << -1 << -1 << t << QPoint(42, 20) << QPoint(40, 6);
}

void TestSkinButtons::glyphLayout() {
    QFETCH(int, layout);
    QFETCH(int, margin);
    QFETCH(int, spacing);
    QFETCH(QSize, text);
    QFETCH(QPoint, glyph);
    QFETCH(QPoint, textAt);
    const GlyphTextLayout at =
        LayoutGlyphText(QSize(100, 40), QSize(16, 16), text, layout, margin, spacing, false);
    QCOMPARE(at.glyph, glyph);
    QCOMPARE(at.text, QRect(textAt, text));
    QCOMPARE(at.format.flags, Qt::TextWordWrap | Qt::TextShowMnemonic);
    QCOMPARE(at.format.align, layout == 1  ? Qt::AlignRight
                              : layout > 1 ? Qt::AlignHCenter
                                           : Qt::AlignLeft);
}

void TestSkinButtons::flatToolButton() {
    auto *tool = new QToolButton;
    tool->setAutoRaise(true);
    ButtonWindow w(tool, new TSkinSpeedButton(tool), data.get());
    QCOMPARE(w.Centre(), Face); // at rest: no frame
    Enter(tool);
    QCOMPARE(w.Centre(), Frame(4));
    tool->setCheckable(true);
    tool->setChecked(true);
    tool->setEnabled(false);
    QCOMPARE(w.Centre(), Frame(2)); // down beats disabled
}

void TestSkinButtons::transparentTagShowsParent() {
    // The keyed corner shows the parent under a transparent button, the face colour else.
    for (int tag : {TransparentTag, 0}) {
        auto *button = new QPushButton;
        button->setProperty("tag", tag);
        ButtonWindow w(button, new TSkinButton(button), data.get());
        QCOMPARE(PixelOf(&w.window, QPoint(10, 10)), tag ? QColor(Qt::cyan).rgb() : Face);
        QCOMPARE(PixelOf(&w.window, QPoint(50, 34)), Frame(1));
    }
}

void TestSkinButtons::missingImagePaintsNatively() {
    TTestSkin noButtons;
    noButtons.RemoveKey(QStringLiteral("Buttons"), QStringLiteral("Bitmap"));
    const auto empty = LoadedSkinData(noButtons);
    QPushButton native(QStringLiteral("OK")), skinned(QStringLiteral("OK"));
    native.resize(80, 30);
    skinned.resize(80, 30);
    (new TSkinButton(&skinned))->InitSkin(nullptr, empty.get(), false);
    QCOMPARE(Grab(&skinned), Grab(&native));
}

QTEST_MAIN(TestSkinButtons)
#include "tst_skinbuttons.moc"
