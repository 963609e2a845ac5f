// Check boxes and radio buttons painted from the colour-coded test skin's strips.
#include "skin/controls/tskincheckbox.h"
#include "skin/controls/tskinradiobutton.h"
#include "skin/data/tskindata.h"
#include "support/skin/skinnedwidgets.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const QString CheckImage = QStringLiteral("check.bmp");
constexpr QRgb Face = 0xFFECF0F5; // the test skin's ButtonFace
constexpr int BoxSize = 13;

// A window with a 120 x 24 check box or radio button at (10, 10) whose skin is attached.
struct BoxWindow {
    QWidget window;
    QAbstractButton *box;
    BoxWindow(QAbstractButton *b, TSkinData *data) : box(b) {
        window.resize(150, 50);
        b->setParent(&window);
        b->setGeometry(10, 10, 120, 24);
        TSkinCheckBox *skin =
            qobject_cast<QRadioButton *>(b) ? new TSkinRadioButton(b) : new TSkinCheckBox(b);
        skin->InitSkin(nullptr, data, false);
    }
    // Centre of the box at the left (or right) edge.
    QRgb BoxPixel(bool right = false) {
        const int x = right ? box->width() - BoxSize / 2 - 1 : BoxSize / 2;
        return PixelOf(box, QPoint(x, box->height() / 2));
    }
};

} // namespace

class TestSkinCheckRadio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseCrispFont(); }
    void frames_data();
    void frames();
    void pixelsFollowTheState();
    void rightToLeftBoxAtTheRight();
    void focusRectOnlyWithCaption();
    void transparentTagShowsParent();
    void missingStripPaintsNatively();
};

void TestSkinCheckRadio::frames_data() {
    QTest::addColumn<bool>("radio");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("state"); // Qt::CheckState
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("frame");
    const int off = Qt::Unchecked, on = Qt::Checked, part = Qt::PartiallyChecked;
    QTest::newRow("4 unchecked") << false << 4 << off << true << 1;
    QTest::newRow("4 checked") << false << 4 << on << true << 2;
    QTest::newRow("4 partly") << false << 4 << part << true << 4;
    QTest::newRow("4 disabled unchecked") << false << 4 << off << false << 3;
    QTest::newRow("4 disabled checked") << false << 4 << on << false << 4;
    QTest::newRow("4 disabled partly") << false << 4 << part << false << 4;
    QTest::newRow("12 checked") << false << 12 << on << true << 5;
    QTest::newRow("12 disabled unchecked") << false << 12 << off << false << 4;
    QTest::newRow("12 disabled checked") << false << 12 << on << false << 8;
    QTest::newRow("12 partly") << false << 12 << part << true << 9;
    QTest::newRow("12 disabled partly") << false << 12 << part << false << 12;
    QTest::newRow("radio 4 disabled checked") << true << 4 << on << false << 4;
    QTest::newRow("radio 4 checked") << true << 4 << on << true << 2;
    QTest::newRow("radio 8 checked") << true << 8 << on << true << 5;
    QTest::newRow("radio 8 disabled unchecked") << true << 8 << off << false << 4;
    QTest::newRow("radio 8 disabled checked") << true << 8 << on << false << 8;
}

void TestSkinCheckRadio::frames() {
    QFETCH(bool, radio);
    QFETCH(int, count);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(int, frame);
    const int got = radio ? RadioButtonFrame(count, state == Qt::Checked, enabled)
                          : CheckBoxFrame(count, Qt::CheckState(state), enabled);
    QCOMPARE(got, frame);
}

void TestSkinCheckRadio::pixelsFollowTheState() {
    // Strips of 4 and 8 frames besides the 12 and 8 of the complete skin; a strip shorter than
    // the state asks for shows its last frame.
    for (int count : {12, 4, 2}) {
        TTestSkin skin;
        skin.SetStrip(CheckImage, count, QSize(BoxSize, BoxSize));
        skin.SetKey(QStringLiteral("Buttons"), QStringLiteral("CheckButtonFrame"),
                    QString::number(count));
        const auto data = LoadedSkinData(skin);
        BoxWindow w(new QCheckBox(QStringLiteral("Box")), data.get());
        QCOMPARE(w.BoxPixel(), skin.FrameColour(CheckImage, 1));
        w.box->setChecked(true);
        QCOMPARE(w.BoxPixel(), skin.FrameColour(CheckImage, std::min(count == 12 ? 5 : 2, count)));
        w.box->setEnabled(false);
        QCOMPARE(w.BoxPixel(), skin.FrameColour(CheckImage, std::min(count == 12 ? 8 : 4, count)));
        QCOMPARE(PixelOf(w.box, QPoint(BoxSize + 1, 1)), Face);
    }
    TTestSkin skin;
    const auto data = LoadedSkinData(skin);
    BoxWindow w(new QRadioButton(QStringLiteral("Radio")), data.get());
    w.box->setChecked(true);
    QCOMPARE(w.BoxPixel(), skin.FrameColour(QStringLiteral("radio.bmp"), 5));
}

void TestSkinCheckRadio::rightToLeftBoxAtTheRight() {
    TTestSkin skin;
    const auto data = LoadedSkinData(skin);
    BoxWindow w(new QCheckBox, data.get());
    w.box->setLayoutDirection(Qt::RightToLeft);
    QCOMPARE(w.BoxPixel(true), skin.FrameColour(CheckImage, 1));
    QCOMPARE(w.BoxPixel(false), Face);
}

void TestSkinCheckRadio::focusRectOnlyWithCaption() {
    TTestSkin skin;
    const auto data = LoadedSkinData(skin);
    for (const QString &caption : {QString(), QStringLiteral("Caption")}) {
        BoxWindow w(new QCheckBox(caption), data.get());
        QVERIFY(ShowActive(&w.window));
        w.box->clearFocus();
        const QImage unfocused = Grabbed(w.box);
        w.box->setFocus();
        QCOMPARE(Grabbed(w.box) == unfocused, caption.isEmpty());
    }
}

void TestSkinCheckRadio::transparentTagShowsParent() {
    TTestSkin skin;
    const auto data = LoadedSkinData(skin);
    auto *box = new QCheckBox(QStringLiteral("Box"));
    box->setProperty("tag", TransparentTag);
    BoxWindow w(box, data.get());
    QPalette p = w.window.palette();
    p.setColor(QPalette::Window, Qt::cyan);
    w.window.setPalette(p);
    w.window.setAutoFillBackground(true);
    QCOMPARE(PixelOf(&w.window, QPoint(10 + 60, 10 + 1)), QColor(Qt::cyan).rgb());
    QCOMPARE(PixelOf(&w.window, QPoint(10 + BoxSize / 2, 22)), skin.FrameColour(CheckImage, 1));
}

void TestSkinCheckRadio::missingStripPaintsNatively() {
    TTestSkin skin;
    skin.RemoveKey(QStringLiteral("Buttons"), QStringLiteral("CheckButton"));
    const auto data = LoadedSkinData(skin);
    QCheckBox native(QStringLiteral("Box"));
    native.resize(120, 24);
    BoxWindow w(new QCheckBox(QStringLiteral("Box")), data.get());
    QCOMPARE(Grabbed(w.box), Grabbed(&native));
}

QTEST_MAIN(TestSkinCheckRadio)
#include "tst_skincheckradio.moc"
