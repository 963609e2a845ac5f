// Edit borders, up-down halves and progress bars painted from the colour-coded test skin.
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskinedit.h"
#include "skin/controls/tskinprogress.h"
#include "skin/controls/tskinupdown.h"
#include "skin/data/tskindata.h"
#include "support/skin/skinnedwidgets.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const QString UpDownV = QStringLiteral("updownv.bmp");
const QString UpDownH = QStringLiteral("updownh.bmp");
constexpr QRgb Face = 0xFFECF0F5;     // the test skin's ButtonFace
constexpr QRgb Shadow = 0xFF96A0AF;   // ButtonShadow
constexpr QRgb DkShadow = 0xFF5A6473; // ButtonDkShadow
constexpr QRgb White = 0xFFFFFFFF;

// A spin box of 80 x 24 in a window, its edit skin attached.
struct SpinWindow {
    QWidget window;
    QSpinBox *box = new QSpinBox(&window);
    TSkinEdit *skin;
    explicit SpinWindow(TSkinData *data) {
        window.resize(120, 40);
        box->setGeometry(10, 8, 80, 24);
        skin = new TSkinEdit(box);
        skin->InitSkin(nullptr, data, false);
        window.show();
    }
    // Pixels of the up and the down half, clear of the glyphs.
    QRgb Up() { return PixelOf(box, QPoint(75, 4)); }
    QRgb Down() { return PixelOf(box, QPoint(75, 19)); }
};

} // namespace

class TestSkinEdits : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data;
    QRgb V(int frame) const { return testSkin.FrameColour(UpDownV, frame); }

private slots:
    void initTestCase();
    void editRings();
    void spinHalves();
    void spinWithoutStrip();
    void arrowButton();
    void progress_data();
    void progress();
    void progressChunks();
    void imagesFollowTheSkin();
};

void TestSkinEdits::initTestCase() {
    QApplication::setStyle(new SkinStyle);
    UseCrispFont();
    data = LoadedSkinData(testSkin);
}

void TestSkinEdits::editRings() {
    QLineEdit edit(QStringLiteral("1234"));
    edit.resize(100, 24);
    (new TSkinEdit(&edit))->InitSkin(nullptr, data.get(), false);
    edit.setFocus(); // the focus frame is covered as well
    for (const QPoint &p : {QPoint(50, 0), QPoint(0, 12), QPoint(99, 12), QPoint(50, 23)})
        QCOMPARE(PixelOf(&edit, p), Shadow);
    QCOMPARE(PixelOf(&edit, QPoint(50, 1)), White);
    QCOMPARE(PixelOf(&edit, QPoint(2, 12)), White);
    QCOMPARE(PixelOf(&edit, QPoint(97, 22)), White);

    QLineEdit frameless, plain;
    for (QLineEdit *e : {&frameless, &plain}) {
        e->setFrame(false);
        e->resize(100, 24);
    }
    (new TSkinEdit(&frameless))->InitSkin(nullptr, data.get(), false);
    QCOMPARE(Grab(&frameless), Grab(&plain));
}

void TestSkinEdits::spinHalves() {
    SpinWindow w(data.get());
    QCOMPARE(w.Up(), V(1));
    QCOMPARE(w.Down(), V(5));
    // Three pixels clear of the box's edges: the rings show there.
    QCOMPARE(PixelOf(w.box, QPoint(77, 4)), White);
    QCOMPARE(PixelOf(w.box, QPoint(76, 4)), V(1));
    QCOMPARE(PixelOf(w.box, QPoint(75, 2)), White);
    QCOMPARE(PixelOf(w.box, QPoint(75, 3)), V(1));

    HoverAt(w.box, QPoint(75, 19));
    QCOMPARE(w.Down(), V(8));
    QCOMPARE(w.Up(), V(1));
    QTest::mousePress(w.box, Qt::LeftButton, {}, QPoint(75, 4));
    QCOMPARE(w.Up(), V(2));
    QCOMPARE(w.box->value(), 1); // the box still steps itself
    QTest::mouseRelease(w.box, Qt::LeftButton, {}, QPoint(75, 4));
    HoverAt(w.box, QPoint(75, 4));
    QCOMPARE(w.Up(), V(4));
    QCOMPARE(w.Down(), V(5));

    w.box->setEnabled(false);
    QCOMPARE(w.Up(), V(3));
    QCOMPARE(w.Down(), V(7));
}

void TestSkinEdits::spinWithoutStrip() {
    TTestSkin noStrip;
    noStrip.RemoveSection(QStringLiteral("UpDown.Vert"));
    const auto plain = LoadedSkinData(noStrip);
    SpinWindow w(plain.get());
    QCOMPARE(w.Up(), Face);
    QCOMPARE(PixelOf(w.box, QPoint(76, 4)), DkShadow); // the outline
    QTest::mousePress(w.box, Qt::LeftButton, {}, QPoint(75, 19));
    QCOMPARE(w.Down(), Shadow);
    QTest::mouseRelease(w.box, Qt::LeftButton, {}, QPoint(75, 19));
}

void TestSkinEdits::arrowButton() {
    // A tab bar's scroll arrow: the whole button is the right button of UpDown.Horz.
    QToolButton button;
    button.setArrowType(Qt::RightArrow);
    button.resize(16, 20);
    (new TSkinUpDown(&button))->InitSkin(nullptr, data.get(), false);
    const auto at = [&] { return PixelOf(&button, QPoint(1, 1)); };
    QCOMPARE(at(), testSkin.FrameColour(UpDownH, 5));
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(&button, &enter);
    QCOMPARE(at(), testSkin.FrameColour(UpDownH, 8));
    button.setDown(true);
    QCOMPARE(at(), testSkin.FrameColour(UpDownH, 6));
}

void TestSkinEdits::progress_data() {
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("filled"); // along the bar, from its start
    QTest::newRow("0 %") << 0 << 100 << 0 << false << 0;
    QTest::newRow("50 %") << 0 << 100 << 50 << false << 50;
    QTest::newRow("busy") << 0 << 0 << 0 << false << 0;
    QTest::newRow("minimum not 0") << 50 << 150 << 100 << false << 50;
    QTest::newRow("vertical 50 %") << 0 << 100 << 50 << true << 50;
}

void TestSkinEdits::progress() {
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(bool, vertical);
    QFETCH(int, filled);
    QProgressBar bar;
    bar.setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    bar.setRange(minimum, maximum);
    bar.setValue(value);
    bar.resize(vertical ? QSize(14, 100) : QSize(100, 14));
    (new TSkinProgress(&bar))->InitSkin(nullptr, data.get(), false);
    const QString image = QStringLiteral("progress.bmp");
    // Along the bar: a vertical one fills from the bottom.
    const auto along = [&](int d) {
        return PixelOf(&bar, vertical ? QPoint(7, 99 - d) : QPoint(d, 7));
    };
    if (filled > 0) {
        QCOMPARE(along(filled / 2), testSkin.FrameColour(image, 2));
        QCOMPARE(along(filled - 3), testSkin.FrameColour(image, 2));
    }
    QCOMPARE(along(filled + 2), testSkin.FrameColour(image, 1));
    QCOMPARE(along(97), testSkin.FrameColour(image, 1));
}

void TestSkinEdits::progressChunks() {
    TTestSkin chunked;
    chunked.SetKey(QStringLiteral("Progress"), QStringLiteral("Style"), QStringLiteral("1"));
    const auto chunkData = LoadedSkinData(chunked);
    QProgressBar bar;
    bar.setValue(50);
    bar.resize(100, 14);
    (new TSkinProgress(&bar))->InitSkin(nullptr, chunkData.get(), false);
    // Tile 1: copies of the 8 x 10 chunk over the 50 filled pixels from LeftWidth + 2.
    const QRgb chunk = chunked.FrameColour(QStringLiteral("progresschunk.bmp"), 1);
    QVERIFY(PixelOf(&bar, QPoint(2, 7)) != chunk);
    QCOMPARE(PixelOf(&bar, QPoint(3, 7)), chunk);
    QCOMPARE(PixelOf(&bar, QPoint(52, 2)), chunk);
    QVERIFY(PixelOf(&bar, QPoint(53, 7)) != chunk);
    QVERIFY(PixelOf(&bar, QPoint(20, 1)) != chunk);
}

void TestSkinEdits::imagesFollowTheSkin() {
    // A kept image goes when the skin changes, though size and state stay the same.
    TTestSkin first;
    const auto changing = LoadedSkinData(first);
    QProgressBar bar;
    bar.setValue(0);
    bar.resize(100, 14);
    (new TSkinProgress(&bar))->InitSkin(nullptr, changing.get(), false);
    const QString image = QStringLiteral("progress.bmp");
    QCOMPARE(PixelOf(&bar, QPoint(50, 7)), first.FrameColour(image, 1));
    TTestSkin second = first;
    second.SetStrip(image, 2, QSize(20, 14)); // frames of new colours
    QVERIFY(second.FrameColour(image, 1) != first.FrameColour(image, 1));
    changing->SetSkinStream(second.Packed());
    changing->Loaded();
    QCOMPARE(PixelOf(&bar, QPoint(50, 7)), second.FrameColour(image, 1));
}

QTEST_MAIN(TestSkinEdits)
#include "tst_skinedits.moc"
