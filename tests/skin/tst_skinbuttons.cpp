// Push, bit, menu and tool buttons painted from the colour-coded test skin.
#include "skin/controls/tskinbitbutton.h"
#include "skin/controls/tskinbutton.h"
#include "skin/controls/tskinmenubutton.h"
#include "skin/controls/tskinspeedbutton.h"
#include "skin/data/tskindata.h"
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

// A window holding one button of 80 x 30 at (10, 10).
struct ButtonWindow {
    QWidget window;
    QAbstractButton *button;
    explicit ButtonWindow(QAbstractButton *b) : button(b) {
        window.resize(120, 60);
        b->setParent(&window);
        b->setGeometry(10, 10, 80, 30);
    }
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
    QRgb Centre(QWidget *w) { return PixelOf(w, QPoint(w->width() / 2, w->height() - 6)); }

private slots:
    void initTestCase();
    void frameMatrix_data();
    void frameMatrix();
    void clicksAreTheButtons();
    void captionBreaksAtFirstBars();
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
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("frame");
    const QString push = QStringLiteral("push"), menu = QStringLiteral("menu");
    QTest::newRow("normal") << push << "" << 1;
    QTest::newRow("focused") << push << "focus" << 5;
    QTest::newRow("hot") << push << "hot" << 4;
    QTest::newRow("focused hot") << push << "focus hot" << 4;
    QTest::newRow("pressed") << push << "press" << 2;
    QTest::newRow("pressed hot focused") << push << "focus hot press" << 2;
    QTest::newRow("disabled hot") << push << "hot disable" << 3;
    QTest::newRow("disabled pressed") << push << "disable down" << 3;
    QTest::newRow("disabled focused") << push << "focus disable" << 3;
    QTest::newRow("menu focused") << menu << "focus" << 4;
    QTest::newRow("menu pressed") << menu << "focus down" << 2;
}

void TestSkinButtons::frameMatrix() {
    QFETCH(QString, kind);
    QFETCH(QString, state);
    QFETCH(int, frame);
    auto *button = new QPushButton;
    QMenu menu;
    ButtonWindow w(button);
    TSkinButton *skin =
        kind == QLatin1String("menu") ? new TSkinMenuButton(button) : new TSkinButton(button);
    if (kind == QLatin1String("menu"))
        button->setMenu(&menu);
    skin->InitSkin(nullptr, data.get(), false);
    QVERIFY(ShowActive(&w.window));
    if (state.contains(QLatin1String("focus")))
        button->setFocus();
    else
        button->clearFocus();
    if (state.contains(QLatin1String("hot")))
        Enter(button);
    if (state.contains(QLatin1String("press")))
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 15));
    if (state.contains(QLatin1String("disable")))
        button->setEnabled(false);
    if (state.contains(QLatin1String("down")))
        button->setDown(true);
    QCOMPARE(Centre(button), Frame(frame));
    QVERIFY(!button->testAttribute(Qt::WA_NativeWindow));
}

void TestSkinButtons::clicksAreTheButtons() {
    auto *button = new QPushButton(QStringLiteral("&OK"));
    ButtonWindow w(button);
    (new TSkinButton(button))->InitSkin(nullptr, data.get(), false);
    QVERIFY(ShowActive(&w.window));
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);

    // Pressed, dragged out and released outside: no click, and the pressed frame is gone.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::mouseMove(button, QPoint(150, 15));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 15));
    QCOMPARE(clicked.count(), 1);
    QVERIFY(Centre(button) != Frame(2));

    // Space presses and releases the button like a click.
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    QCOMPARE(Centre(button), Frame(2));
    QTest::keyRelease(button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
}

void TestSkinButtons::captionBreaksAtFirstBars() {
    QCOMPARE(ReplaceFirst(QStringLiteral("a||b||c"), QStringLiteral("||"), QStringLiteral("\r\n")),
             QStringLiteral("a\r\nb||c"));
    // Two text bands: the caption is drawn on two lines.
    auto *button = new QPushButton(QStringLiteral("W||W"));
    ButtonWindow w(button);
    button->resize(80, 60);
    (new TSkinButton(button))->InitSkin(nullptr, data.get(), false);
    const QImage image = Grabbed(button);
    const QRgb face = Frame(1);
    int bands = 0;
    bool inText = false;
    for (int y = 4; y < image.height() - 4; ++y) {
        bool text = false;
        for (int x = 4; x < image.width() - 4; ++x)
            text = text || image.pixel(x, y) != face;
        bands += text && !inText;
        inText = text;
    }
    QCOMPARE(bands, 2);
}

void TestSkinButtons::glyphLayout_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("glyph");
    QTest::addColumn<QPoint>("textAt");
    QTest::addColumn<unsigned>("format");
    // Client 100 x 40, glyph 16 x 16.
    QTest::newRow("three equal gaps") << 0 << -1 << -1 << QSize(20, 10) << QPoint(21, 12)
                                      << QPoint(58, 15) << unsigned(DT_WORDBREAK);
    QTest::newRow("centred with spacing") << 0 << -1 << 4 << QSize(20, 10) << QPoint(30, 12)
                                          << QPoint(50, 15) << unsigned(DT_WORDBREAK);
    QTest::newRow("margin, spacing from the rest") << 0 << 4 << -1 << QSize(20, 10) << QPoint(4, 12)
                                                   << QPoint(50, 15) << unsigned(DT_WORDBREAK);
    QTest::newRow("no caption: no spacing") << 0 << -1 << 4 << QSize(0, 0) << QPoint(42, 12)
                                            << QPoint(58, 20) << unsigned(DT_WORDBREAK);
    QTest::newRow("glyph right") << 1 << -1 << -1 << QSize(20, 10) << QPoint(63, 12)
                                 << QPoint(22, 15) << unsigned(DT_WORDBREAK | DT_RIGHT);
    QTest::newRow("glyph top") << 2 << -1 << -1 << QSize(20, 10) << QPoint(42, 4) << QPoint(40, 24)
                               << unsigned(DT_WORDBREAK | DT_CENTER);
    QTest::newRow("glyph bottom") << 3 << -1 << -1 << QSize(20, 10) << QPoint(42, 20)
                                  << QPoint(40, 6) << unsigned(DT_WORDBREAK | DT_CENTER);
}

void TestSkinButtons::glyphLayout() {
    QFETCH(int, layout);
    QFETCH(int, margin);
    QFETCH(int, spacing);
    QFETCH(QSize, text);
    QFETCH(QPoint, glyph);
    QFETCH(QPoint, textAt);
    QFETCH(unsigned, format);
    const GlyphTextLayout at =
        LayoutGlyphText(QSize(100, 40), QSize(16, 16), text, layout, margin, spacing, false);
    QCOMPARE(at.glyph, glyph);
    QCOMPARE(at.text, QRect(textAt, text));
    QCOMPARE(at.format, format);
}

void TestSkinButtons::flatToolButton() {
    auto *tool = new QToolButton;
    tool->setAutoRaise(true);
    ButtonWindow w(tool);
    (new TSkinSpeedButton(tool))->InitSkin(nullptr, data.get(), false);
    QVERIFY(ShowActive(&w.window));
    const QRgb face = qRgb(236, 240, 245); // the test skin's ButtonFace
    QCOMPARE(Centre(tool), face);
    Enter(tool);
    QCOMPARE(Centre(tool), Frame(4));
    tool->setCheckable(true);
    tool->setChecked(true);
    tool->setEnabled(false);
    QCOMPARE(Centre(tool), Frame(2)); // down beats disabled
    tool->setChecked(false);
    QCOMPARE(Centre(tool), face);
}

void TestSkinButtons::transparentTagShowsParent() {
    const QColor cyan(0, 255, 255);
    for (int tag : {TransparentTag, 0}) {
        auto *button = new QPushButton;
        ButtonWindow w(button);
        QPalette p = w.window.palette();
        p.setColor(QPalette::Window, cyan);
        w.window.setPalette(p);
        w.window.setAutoFillBackground(true);
        button->setProperty("tag", tag);
        (new TSkinButton(button))->InitSkin(nullptr, data.get(), false);
        // The keyed corner shows the parent under a transparent button, the face colour else.
        const QRgb corner = PixelOf(&w.window, QPoint(10, 10));
        QCOMPARE(corner, tag ? cyan.rgb() : qRgb(236, 240, 245));
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
    QCOMPARE(Grabbed(&skinned), Grabbed(&native));
}

QTEST_MAIN(TestSkinButtons)
#include "tst_skinbuttons.moc"
