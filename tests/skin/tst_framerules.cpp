// The frame's rules as functions: caption-button visibility and frames, title placement, the
// frame layout, hit tests and manual dragging.
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tdataskintitle.h"
#include "skin/data/tskindata.h"
#include "skin/window/captionbuttons.h"
#include "skin/window/captiontext.h"
#include "skin/window/framedrag.h"
#include "skin/window/framehittest.h"
#include "skin/window/hotpart.h"
#include "skin/window/tframelayout.h"
#include "skin/window/tnctracker.h"
#include "skin/window/windowcodes.h"

#include "support/skin/testskin.h"

#include <QtTest>

using namespace skin;

Q_DECLARE_METATYPE(skin::TCaptionFacts)
Q_DECLARE_METATYPE(skin::FrameHit)

class TestFrameRules : public QObject {
    Q_OBJECT
private slots:
    void visibility_data();
    void visibility();
    void askWindowOnlyForTheFirstRule();
    void buttonFrame_data();
    void buttonFrame();
    void titleAlignment_data();
    void titleAlignment();
    void captionTextRect_data();
    void captionTextRect();
    void frameLayout_data();
    void frameLayout();
    void hitTest_data();
    void hitTest();
    void draggedGeometry_data();
    void draggedGeometry();
    void hotPart_data();
    void hotPart();
};

namespace {

// Facts as "SNXa" letters: S system menu, N minimize, X maximize, a active; plus the show state
// and the frame kind.
TCaptionFacts Facts(const char *flags, int showState = 0, int frameKind = 0, bool dialog = false) {
    const QByteArray f(flags);
    TCaptionFacts facts;
    facts.SystemMenu = f.contains('S');
    facts.Minimize = f.contains('N');
    facts.Maximize = f.contains('X');
    facts.Active = f.contains('a');
    facts.ShowState = TShowState(showState);
    facts.FrameKind = TFrameKind(frameKind);
    facts.IsDialog = dialog;
    return facts;
}

} // namespace

void TestFrameRules::visibility_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("visibility");
    QTest::addColumn<int>("visibility1");
    QTest::addColumn<TCaptionFacts>("facts");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    const auto row = [](const char *name, int action, int v, int v1, TCaptionFacts facts,
                        bool visible, bool enabled) {
        QTest::newRow(name) << action << v << v1 << facts << visible << enabled;
    };
    row("always", 5, 0, 0, Facts("a"), true, true);
    row("never", 5, -1, 0, Facts("SNXa"), false, true);
    row("five is never", 5, 5, 0, Facts("SNXa"), false, true);
    row("maximized only (1, 0)", 5, 1, 0, Facts("a"), false, true);
    row("maximized only, maximized", 5, 1, 0, Facts("a", 1), true, true);
    row("not maximized", 5, 2, 2, Facts("a", 1), false, true);
    row("active", 5, 3, 3, Facts("S"), false, true);
    row("inactive", 5, 4, 4, Facts("S"), true, true);
    row("6 needs a box and S", 5, 6, 6, Facts("Xa"), false, true);
    row("6 with max and S", 5, 6, 6, Facts("SXa"), true, true);
    row("8 second rule: N or X", 5, 0, 8, Facts("Na"), true, true);
    row("7 not X", 5, 7, 0, Facts("SXa"), false, true);
    row("9 not N", 5, 9, 0, Facts("Sa"), true, true);
    row("10 first rule true", 5, 10, 0, Facts(""), true, true);
    row("10 second rule false", 5, 0, 10, Facts(""), false, true);
    row("100 (MDI) never", 5, 100, 100, Facts("SNXa"), false, true);
    row("200 custom dialog frame", 5, 200, 200, Facts("", 0, 3), true, true);
    row("200 system dialog", 5, 200, 200, Facts("", 0, 3, true), false, true);
    row("201..999", 5, 999, 201, Facts(""), true, true);
    row("other values", 5, 3000, 0, Facts("SNXa"), false, true);
    row("close needs S", 0, 0, 0, Facts("NXa"), false, true);
    row("close with S", 0, 0, 0, Facts("Sa"), true, true);
    row("maximize without X: disabled", 1, 0, 0, Facts("SNa"), true, false);
    row("maximize with X and S", 1, 0, 0, Facts("SXa"), true, true);
    row("minimize without N: disabled", 2, 0, 0, Facts("SXa"), true, false);
    row("system menu on a dialog frame", 3, 0, 0, Facts("S", 0, 3), false, true);
    row("system menu 11 on a sizable frame", 11, 0, 0, Facts("S"), true, true);
    row("system menu 12 on a dialog frame", 12, 0, 0, Facts("S", 0, 3), false, true);
}

void TestFrameRules::visibility() {
    QFETCH(int, action);
    QFETCH(int, visibility);
    QFETCH(int, visibility1);
    QFETCH(TCaptionFacts, facts);
    TDataSkinSysButton button(QStringLiteral("BUTTON0"));
    button.Action = action;
    button.Visibility = visibility;
    button.Visibility1 = visibility1;
    const TCaptionButtonFlags flags = CaptionButtonVisible(button, facts, true, {});
    QTEST(flags.Visible, "visible");
    QTEST(flags.Enabled, "enabled");
}

void TestFrameRules::askWindowOnlyForTheFirstRule() {
    TDataSkinSysButton button(QStringLiteral("BUTTON5"));
    button.Action = 4;
    int asked = 0;
    qintptr answer = 0;
    const TAskButtonEnabled ask = [&] {
        ++asked;
        return answer;
    };
    button.Visibility = 1500;
    QVERIFY(!CaptionButtonVisible(button, Facts("a"), true, ask).Visible);
    answer = 1;
    QVERIFY(CaptionButtonVisible(button, Facts("a"), true, ask).Visible);
    QCOMPARE(asked, 2);
    button.Visibility = 0;
    button.Visibility1 = 1500; // the second rule holds without asking
    QVERIFY(CaptionButtonVisible(button, Facts("a"), true, ask).Visible);
    QCOMPARE(asked, 2);
}

void TestFrameRules::buttonFrame_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("frame");
    QTest::newRow("normal") << 1 << true << true << 4 << 1;
    QTest::newRow("pressed") << 2 << true << true << 4 << 2;
    QTest::newRow("hot") << 3 << true << true << 4 << 3;
    QTest::newRow("inactive") << 3 << true << false << 4 << 4;
    QTest::newRow("disabled") << 2 << false << true << 4 << 4;
    QTest::newRow("disabled, three frames") << 1 << false << true << 3 << 1;
    QTest::newRow("hot, three frames") << 3 << true << true << 3 << 3;
}

void TestFrameRules::buttonFrame() {
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(bool, active);
    QFETCH(int, count);
    QTEST(CaptionButtonFrame(state, enabled, active, count, false), "frame");
}

void TestFrameRules::titleAlignment_data() {
    QTest::addColumn<int>("value"); // as the skin gives it
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::newRow("0 left") << 0 << Qt::Alignment(Qt::AlignLeft);
    QTest::newRow("1 centred") << 1 << Qt::Alignment(Qt::AlignHCenter);
    QTest::newRow("2 right") << 2 << Qt::Alignment(Qt::AlignRight);
    QTest::newRow("3 none") << 3 << Qt::Alignment();
    QTest::newRow("-1 none") << -1 << Qt::Alignment();
}

void TestFrameRules::titleAlignment() {
    QFETCH(int, value);
    QTEST(TitleAlignment(value), "alignment");
}

void TestFrameRules::captionTextRect_data() {
    QTest::addColumn<int>("alignment"); // as the skin gives it
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<bool>("popup");
    QTest::addColumn<int>("buttonsLeft");
    QTest::addColumn<bool>("dialogFrame");
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<QRect>("expected");
    // Area (4, 0, 292 x 28); text 18 high; plate margins 6 + 6; TextShift 22, TextShiftVert 2,
    // TextRightClip 96. Vertical: (28 - 18) / 2 + 2 / 2 = 6.
    QTest::newRow("left") << 0 << false << false << 0 << false << 60 << QRect(26, 6, 72, 18);
    QTest::newRow("centred") << 1 << false << false << 0 << false << 60 << QRect(114, 6, 72, 18);
    QTest::newRow("right") << 2 << false << false << 0 << false << 60 << QRect(128, 6, 72, 18);
    QTest::newRow("other numbers stay unshifted")
        << 3 << false << false << 0 << true << 60 << QRect(4, 6, 72, 18);
    QTest::newRow("right-to-left is right")
        << 0 << true << false << 0 << false << 60 << QRect(128, 6, 72, 18);
    QTest::newRow("cut at the right clip")
        << 0 << false << false << 0 << false << 300 << QRect(26, 6, 174, 18);
    QTest::newRow("popup cut before its buttons")
        << 0 << false << true << 90 << false << 300 << QRect(26, 6, 59, 18);
    QTest::newRow("popup without buttons")
        << 0 << false << true << 0 << false << 300 << QRect(26, 6, 312, 18);
    QTest::newRow("dialog frame starts 16 further left")
        << 0 << false << false << 0 << true << 60 << QRect(10, 6, 88, 18);
}

void TestFrameRules::captionTextRect() {
    QFETCH(int, alignment);
    QFETCH(int, textWidth);
    TDataSkinTitle title(QStringLiteral("Title"));
    title.TextAlignment = TitleAlignment(alignment);
    title.LeftWidth = 22;
    title.TopHeight = 2;
    title.RightWidth = 96;
    title.TXTBackleft = title.TXTBackRight = 6;
    TCaptionTextPlace place;
    place.Area = QRect(4, 0, 292, 28);
    place.TextSize = QSize(textWidth, 18);
    QFETCH(bool, rightToLeft);
    QFETCH(bool, popup);
    QFETCH(int, buttonsLeft);
    QFETCH(bool, dialogFrame);
    place.RightToLeft = rightToLeft;
    place.Popup = popup;
    place.RightButtonsLeft = buttonsLeft;
    place.DialogFrame = dialogFrame;
    QTEST(CalcCaptionTextRect(title, place), "expected");
}

void TestFrameRules::frameLayout_data() {
    QTest::addColumn<QString>("facts");
    QTest::addColumn<int>("showState");
    QTest::addColumn<int>("frameKind");
    QTest::addColumn<int>("menuBar");
    QTest::addColumn<QList<QRect>>("buttons"); // close, maximize, restore, minimize, menu, help
    QTest::addColumn<QRect>("client");
    // A 300 x 200 window of the test skin: borders 4, caption 28; the buttons from the right
    // edge at 36, 64 and 92, the system-menu button (the 16-px icon) at (6, 6).
    const QRect close(264, 4, 30, 20), max(236, 4, 28, 20), min(208, 4, 28, 20);
    const QRect menu(6, 6, 16, 16), none;
    QTest::newRow("normal") << "SNXa" << 0 << 0 << 0
                            << QList<QRect>{close, max, none, min, menu, none}
                            << QRect(4, 28, 292, 168);
    QTest::newRow("maximized: restore instead of maximize")
        << "SNXa" << 1 << 0 << 0 << QList<QRect>{close, none, max, min, menu, none}
        << QRect(4, 28, 292, 168);
    QTest::newRow("dialog frame: no system-menu button")
        << "SXa" << 0 << 3 << 0 << QList<QRect>{close, max, none, min, none, none}
        << QRect(4, 28, 292, 168);
    QTest::newRow("no system menu: no close, no minimize")
        << "NXa" << 0 << 0 << 0 << QList<QRect>{none, max, none, none, menu, none}
        << QRect(4, 28, 292, 168);
    QTest::newRow("menu-bar strip")
        << "SNXa" << 0 << 0 << 20 << QList<QRect>{close, max, none, min, menu, none}
        << QRect(4, 48, 292, 148);
    QTest::newRow("no caption") << "SNXa" << 0 << 2 << 20 << QList<QRect>{}
                                << QRect(0, 0, 300, 200);
}

void TestFrameRules::frameLayout() {
    QFETCH(QString, facts);
    QFETCH(int, menuBar);
    QFETCH(QList<QRect>, buttons);
    TSkinData data;
    data.SetSkinStream(skin::test::TTestSkin().Packed());
    TFrameInputs in;
    in.Size = QSize(300, 200);
    in.Title = QStringLiteral("Title");
    in.CaptionFont = TFrameLayout::CaptionFont(*data.Objects());
    QFETCH(int, showState);
    QFETCH(int, frameKind);
    in.Facts = Facts(facts.toLatin1().constData(), showState, frameKind);
    in.MenuBarHeight = menuBar;
    const TFrameLayout layout(*data.Objects(), in, [](int, int) { return qintptr(0); });
    QTEST(layout.ClientRect(), "client");
    if (buttons.isEmpty())
        return;
    QCOMPARE(int(layout.Buttons().size()), buttons.size() + 3); // and the hidden MDI buttons
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const TCaptionButtonPlace &place = layout.Buttons()[size_t(i)];
        QCOMPARE(place.Visible ? place.Rect : QRect(), buttons.at(i));
        if (place.Visible) // a click finds the button where the layout put it
            QCOMPARE(layout.ButtonAt(place.Rect.center()), int(i));
    }
    QCOMPARE(layout.ButtonAt(QPoint(150, 14)), -1);
    QCOMPARE(layout.HitTest(QPoint(150, 14), true), FrameHit::Caption);
}

void TestFrameRules::hitTest_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("sizable");
    QTest::addColumn<int>("menuBar");
    QTest::addColumn<FrameHit>("code");
    // A 300 x 200 window; borders 4, caption 28.
    const struct {
        const char *name;
        QPoint p;
        FrameHit sizable, fixed;
    } grid[] = {
        {"client", {150, 100}, FrameHit::Client, FrameHit::Client},
        {"caption", {150, 14}, FrameHit::Caption, FrameHit::Caption},
        {"caption's first row below the edge", {150, 4}, FrameHit::Caption, FrameHit::Caption},
        {"top edge", {150, 1}, FrameHit::Top, FrameHit::Border},
        {"left", {1, 100}, FrameHit::Left, FrameHit::Border},
        {"right", {298, 100}, FrameHit::Right, FrameHit::Border},
        {"bottom", {150, 198}, FrameHit::Bottom, FrameHit::Border},
        {"top-left", {1, 1}, FrameHit::TopLeft, FrameHit::Border},
        {"top-right", {298, 2}, FrameHit::TopRight, FrameHit::Border},
        {"bottom-left", {1, 198}, FrameHit::BottomLeft, FrameHit::Border},
        {"bottom-right", {298, 198}, FrameHit::BottomRight, FrameHit::Border},
        {"left border near the top", {2, 10}, FrameHit::TopLeft, FrameHit::Border},
        {"bottom border near the right", {290, 198}, FrameHit::BottomRight, FrameHit::Border},
        {"outside", {-1, 5}, FrameHit::Nowhere, FrameHit::Nowhere},
        {"past the right", {300, 5}, FrameHit::Nowhere, FrameHit::Nowhere},
    };
    for (const auto &g : grid) {
        QTest::newRow((QByteArray(g.name) + ", sizable").constData())
            << g.p << true << 0 << g.sizable;
        QTest::newRow((QByteArray(g.name) + ", fixed").constData()) << g.p << false << 0 << g.fixed;
    }
    QTest::newRow("menu bar strip") << QPoint(150, 35) << true << 20 << FrameHit::MenuBar;
    QTest::newRow("client below the bar") << QPoint(150, 50) << true << 20 << FrameHit::Client;
    QTest::newRow("caption above the bar") << QPoint(150, 20) << true << 20 << FrameHit::Caption;
    QTest::newRow("side border beside the bar") << QPoint(1, 35) << false << 20 << FrameHit::Border;
}

void TestFrameRules::hitTest() {
    QFETCH(QPoint, point);
    QFETCH(bool, sizable);
    QFETCH(int, menuBar);
    QTEST(FrameHitTest(point, QSize(300, 200), QMargins(4, 28, 4, 4), menuBar, sizable), "code");
}

void TestFrameRules::draggedGeometry_data() {
    QTest::addColumn<FrameHit>("hit");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");
    // From (100, 100, 300 x 200); minimum 200 x 150, maximum 400 x 260.
    QTest::newRow("move") << FrameHit::Caption << QPoint(-30, 12) << QRect(70, 112, 300, 200);
    QTest::newRow("right") << FrameHit::Right << QPoint(50, 9) << QRect(100, 100, 350, 200);
    QTest::newRow("right past the maximum")
        << FrameHit::Right << QPoint(500, 0) << QRect(100, 100, 400, 200);
    QTest::newRow("left keeps the right edge")
        << FrameHit::Left << QPoint(40, 0) << QRect(140, 100, 260, 200);
    QTest::newRow("left stops at the minimum")
        << FrameHit::Left << QPoint(250, 0) << QRect(200, 100, 200, 200);
    QTest::newRow("top-left") << FrameHit::TopLeft << QPoint(-20, -30) << QRect(80, 70, 320, 230);
    QTest::newRow("bottom-right at both limits")
        << FrameHit::BottomRight << QPoint(-500, 500) << QRect(100, 100, 200, 260);
}

void TestFrameRules::draggedGeometry() {
    QFETCH(FrameHit, hit);
    QFETCH(QPoint, delta);
    QTEST(TFrameDrag::DraggedGeometry(QRect(100, 100, 300, 200), hit, delta, QSize(200, 150),
                                      QSize(400, 260)),
          "expected");
}

void TestFrameRules::hotPart_data() {
    // Buttons by letter ('a', 'b'; '-' none): under the pointer, held down, hot.
    QTest::addColumn<bool>("overWindow");
    QTest::addColumn<bool>("active");
    QTest::addColumn<char>("under");
    QTest::addColumn<char>("pressed");
    QTest::addColumn<char>("hot");
    QTest::newRow("over a button") << true << true << 'a' << '-' << 'a';
    QTest::newRow("over no button") << true << true << '-' << '-' << '-';
    QTest::newRow("pointer off the window") << false << true << 'a' << '-' << '-';
    QTest::newRow("inactive window") << true << false << 'a' << '-' << '-';
    QTest::newRow("held, under the pointer") << true << true << 'a' << 'a' << 'a';
    QTest::newRow("held, pointer on another") << true << true << 'b' << 'a' << '-';
    QTest::newRow("held, pointer off it") << true << true << '-' << 'a' << '-';
    QTest::newRow("held, pointer off the window") << false << true << 'a' << 'a' << '-';
    QTest::newRow("held in an inactive window") << true << false << 'a' << 'a' << 'a';
}

void TestFrameRules::hotPart() {
    struct Button : TNCObject {
        using TNCObject::TNCObject;
        void PaintNC() override {}
    };
    TNCTracker tracker;
    Button a(tracker), b(tracker);
    const auto object = [&](char c) -> TNCObject * {
        return c == 'a' ? &a : c == 'b' ? static_cast<TNCObject *>(&b) : nullptr;
    };
    QFETCH(char, under);
    QFETCH(char, pressed);
    QFETCH(char, hot);
    THotInputs in;
    QFETCH(bool, overWindow);
    QFETCH(bool, active);
    in.OverWindow = overWindow;
    in.Active = active;
    in.Under = object(under);
    in.Pressed = object(pressed);
    QCOMPARE(HotPart(in), object(hot));
}

QTEST_MAIN(TestFrameRules)
#include "tst_framerules.moc"
