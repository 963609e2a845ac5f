// Sliders painted from the colour-coded test skin: channel caps and middle, thumb frames,
// ticks as the style draws them.
#include "skin/controls/tskintrackbar.h"
#include "support/skin/skinnedwidgets.h"

#include <QPainter>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

constexpr QRgb Red = 0xFFC80000, Green = 0xFF00B400, Blue = 0xFF0000C8;
constexpr QRgb Shadow = 0xFF96A0AF; // the test skin's ButtonShadow

// A channel image of three bands along its length: 2 pixels red, green, 2 pixels blue.
QImage Bands(bool vertical) {
    QImage image(vertical ? QSize(4, 12) : QSize(12, 4), QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor::fromRgb(Green));
    const QRect head = vertical ? QRect(0, 0, 4, 2) : QRect(0, 0, 2, 4);
    const QRect tail = vertical ? QRect(0, 10, 4, 2) : QRect(10, 0, 2, 4);
    p.fillRect(head, QColor::fromRgb(Red));
    p.fillRect(tail, QColor::fromRgb(Blue));
    return image;
}

struct Slider : QSlider {
    using QSlider::QSlider;
    QRect Part(QStyle::SubControl part) const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, part, this);
    }
};

} // namespace

class TestSkinTrackBar : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;

private slots:
    void initTestCase();
    void channelBands_data();
    void channelBands();
    void thumbFrameEverywhere();
    void ticksStayTheStyles();
    void focusCue();
};

void TestSkinTrackBar::initTestCase() {
    testSkin.SetImage(QStringLiteral("track.bmp"), Bands(false));
    testSkin.SetImage(QStringLiteral("trackvert.bmp"), Bands(true));
}

void TestSkinTrackBar::channelBands_data() {
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("trackVert");
    QTest::newRow("horizontal") << false << true;
    QTest::newRow("vertical") << true << true;
    QTest::newRow("vertical without TRACKVERT") << true << false;
}

void TestSkinTrackBar::channelBands() {
    QFETCH(bool, vertical);
    QFETCH(bool, trackVert);
    TTestSkin skin = testSkin;
    if (!trackVert)
        skin.RemoveSection(QStringLiteral("TRACKVERT"));
    const auto data = LoadedSkinData(skin);
    Slider slider(vertical ? Qt::Vertical : Qt::Horizontal);
    slider.resize(vertical ? QSize(30, 160) : QSize(160, 30));
    (new TSkinTrackBar(&slider))->InitSkin(nullptr, data.get(), false);
    const QRect g = slider.Part(QStyle::SC_SliderGroove);
    const QPoint c = g.center();
    // Each end of the channel is looked at while the thumb is at the other end.
    const auto at = [&slider](int value, QPoint p) {
        slider.setValue(value);
        return PixelOf(&slider, p);
    };
    const int topEnd = vertical ? 0 : 99, bottomEnd = 99 - topEnd;
    if (vertical && trackVert) {
        QCOMPARE(at(topEnd, QPoint(c.x(), g.top() + 1)), Red);
        QCOMPARE(at(topEnd, c), Green);
        QCOMPARE(at(bottomEnd, QPoint(c.x(), g.bottom() - 1)), Blue);
    } else if (vertical) {
        // The horizontal channel over the groove: caps at its sides, centred along it.
        QCOMPARE(at(topEnd, QPoint(g.left(), c.y())), Red);
        QCOMPARE(at(topEnd, QPoint(g.right(), c.y())), Blue);
    } else {
        QCOMPARE(at(topEnd, QPoint(g.left() + 1, c.y())), Red);
        QCOMPARE(at(topEnd, c), Green);
        QCOMPARE(at(bottomEnd, QPoint(g.right() - 1, c.y())), Blue);
    }
}

void TestSkinTrackBar::thumbFrameEverywhere() {
    // Frame 2 of the thumb strip at every position and while pressed.
    const auto data = LoadedSkinData(testSkin);
    const QRgb frame2 = testSkin.FrameColour(QStringLiteral("thumbh.bmp"), 2);
    Slider slider(Qt::Horizontal);
    slider.resize(160, 30);
    (new TSkinTrackBar(&slider))->InitSkin(nullptr, data.get(), false);
    for (int value : {0, 50, 99}) {
        slider.setValue(value);
        QCOMPARE(PixelOf(&slider, slider.Part(QStyle::SC_SliderHandle).center()), frame2);
    }
    const QRect handle = slider.Part(QStyle::SC_SliderHandle);
    QTest::mousePress(&slider, Qt::LeftButton, {}, handle.center());
    QVERIFY(slider.isSliderDown());
    QCOMPARE(PixelOf(&slider, handle.center()), frame2);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, handle.center());

    // Without thumb images: a white rectangle outlined in ButtonShadow.
    TTestSkin noThumb = testSkin;
    noThumb.RemoveSection(QStringLiteral("Trackbar.ThumbHorz"));
    const auto plain = LoadedSkinData(noThumb);
    Slider outlined(Qt::Horizontal);
    outlined.resize(160, 30);
    (new TSkinTrackBar(&outlined))->InitSkin(nullptr, plain.get(), false);
    const QRect t = outlined.Part(QStyle::SC_SliderHandle);
    const QImage image = Grab(&outlined);
    QCOMPARE(QList<QRgb>({PixelAt(image, t.left(), t.top()), PixelAt(image, t.right(), t.bottom()),
                          PixelAt(image, t.left() + 1, t.top() + 1)}),
             QList<QRgb>({Shadow, Shadow, QColor(Qt::white).rgb()}));
}

void TestSkinTrackBar::ticksStayTheStyles() {
    const auto data = LoadedSkinData(testSkin);
    Slider native(Qt::Horizontal), skinned(Qt::Horizontal);
    for (Slider *s : {&native, &skinned}) {
        s->resize(160, 40);
        s->setTickPosition(QSlider::TicksBelow);
        s->setTickInterval(10);
    }
    (new TSkinTrackBar(&skinned))->InitSkin(nullptr, data.get(), false);
    const int below = std::max(skinned.Part(QStyle::SC_SliderGroove).bottom(),
                               skinned.Part(QStyle::SC_SliderHandle).bottom()) +
                      1;
    const QRect ticks(0, below, 160, 40 - below);
    QVERIFY(!ticks.isEmpty());
    const QImage n = Grab(&native).copy(ticks), s = Grab(&skinned).copy(ticks);
    QCOMPARE(s, n);
    QVERIFY(n != QImage(n.size(), n.format())); // there are ticks to compare
}

void TestSkinTrackBar::focusCue() {
    // The style's focus cue over the skin: after Tab, not after a click (as the style has it),
    // and gone with the focus.
    const auto data = LoadedSkinData(testSkin);
    QWidget window;
    window.resize(200, 80);
    auto *slider = new QSlider(Qt::Horizontal, &window);
    slider->setGeometry(10, 10, 160, 30);
    auto *other = new QSlider(Qt::Horizontal, &window);
    other->setGeometry(10, 45, 160, 30);
    (new TSkinTrackBar(slider))->InitSkin(nullptr, data.get(), false);
    QVERIFY(ShowActive(&window));
    other->setFocus();
    const QImage unfocused = Grab(slider);
    slider->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(slider->hasFocus());
    QCOMPARE(Grab(slider), unfocused);
    window.setAttribute(Qt::WA_KeyboardFocusChange);
    other->setFocus(Qt::TabFocusReason);
    slider->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(Grab(slider) != unfocused);
    other->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(Grab(slider), unfocused);
}

QTEST_MAIN(TestSkinTrackBar)
#include "tst_skintrackbar.moc"
