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
    void frames();
    void pixelsFollowTheState();
    void missingStripPaintsNatively();
};

void TestSkinCheckRadio::frames() {
    // (strip frames, state, enabled) -> frame, for check boxes and radio buttons.
    const Qt::CheckState off = Qt::Unchecked, on = Qt::Checked, part = Qt::PartiallyChecked;
    const auto check = [](int count, Qt::CheckState state, bool enabled) {
        return CheckBoxFrame(count, state, enabled);
    };
    QCOMPARE(QList<int>({check(4, off, true), check(4, on, true), check(4, part, true),
                         check(4, off, false), check(4, on, false), check(4, part, false)}),
             QList<int>({1, 2, 4, 3, 4, 4}));
    QCOMPARE(QList<int>({check(12, off, true), check(12, on, true), check(12, part, true),
                         check(12, off, false), check(12, on, false), check(12, part, false)}),
             QList<int>({1, 5, 9, 4, 8, 12}));
    QCOMPARE(QList<int>({RadioButtonFrame(4, true, true), RadioButtonFrame(4, true, false),
                         RadioButtonFrame(8, true, true), RadioButtonFrame(8, false, false),
                         RadioButtonFrame(8, true, false)}),
             QList<int>({2, 4, 5, 4, 8}));
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
    // Right to left: the box at the right edge.
    w.box->setLayoutDirection(Qt::RightToLeft);
    QCOMPARE(w.BoxPixel(true), skin.FrameColour(QStringLiteral("radio.bmp"), 5));
    QCOMPARE(w.BoxPixel(false), Face);
}

void TestSkinCheckRadio::missingStripPaintsNatively() {
    TTestSkin skin;
    skin.RemoveKey(QStringLiteral("Buttons"), QStringLiteral("CheckButton"));
    const auto data = LoadedSkinData(skin);
    QCheckBox native(QStringLiteral("Box"));
    native.resize(120, 24);
    BoxWindow w(new QCheckBox(QStringLiteral("Box")), data.get());
    QCOMPARE(Grab(w.box), Grab(&native));
}

QTEST_MAIN(TestSkinCheckRadio)
#include "tst_skincheckradio.moc"
