// Caption-button sections, the MDI buttons and the images derived after reading a skin.
#include "skin/data/skinmetrics.h"
#include "skin/data/tskindata.h"
#include "skin/draw/keyedblit.h"
#include "support/skin/testskin.h"

#include <QPainter>
#include <QtTest>

using namespace skin;
using skin::test::TTestSkin;

namespace {

std::unique_ptr<TSkinData> Load(const TTestSkin &s) {
    auto data = std::make_unique<TSkinData>();
    data->SetSkinStream(s.Packed());
    return data;
}

QRgb Opaque(QRgb c) {
    return c | 0xFF000000u;
}

QImage Solid(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestCaptionButtons : public QObject {
    Q_OBJECT

private slots:
    void keptSectionsInFileOrderPlusMdi();
    void droppedAndKeptNegativeActions();
    void frameCountFromImageShape();
    void helpButtonTakesMaximizePlace();
    void mdiButtonsCutFromOneImage();
    void mdiWithoutOrNarrowImage();
    void comboStripIsComposed();
    void comboArrowCutFromStrip();
    void sunkEdgeWithoutComboButton();
    void comboButtonWithoutSunkEdge();
    void toolbarGradientAndSampleColour();
    void toolbarGradientWithoutCaptionImage();
    void trackFallsBackOnProgramImage();
};

void TestCaptionButtons::keptSectionsInFileOrderPlusMdi() {
    TTestSkin s;
    s.SetKey("BUTTON.CHECKBOX", "Action", "0");
    s.SetKey("BUTTON.RADIO", "Action", "0");
    s.SetKey("Button", "Action", "0");
    s.SetKey("Button6", "Action", "2"); // lower-case letters: kept, name upper-cased
    auto d = Load(s);
    QStringList names;
    for (const auto &b : d->TitleButtons)
        names << b->Name;
    QCOMPARE(names, QStringList({"BUTTON0", "BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4", "BUTTON5",
                                 "BUTTON6", "BUTTON6", "BUTTON6", "BUTTON6"}));
    const auto &close = *d->TitleButtons[0];
    QCOMPARE(close.Action, 0);
    QCOMPARE(close.Align, 1);
    QCOMPARE(close.Xcoord, 36);
    QCOMPARE(close.Ycoord, 4);
    QCOMPARE(close.CombineOp, -1);
    QCOMPARE(close.Frame, 4);
    QCOMPARE(Opaque(close.Image.pixel(close.FrameRect(3).center())),
             s.FrameColour("btnclose.bmp", 3));
    for (int k = 0; k < 3; ++k) {
        const auto &mdi = *d->TitleButtons[7 + k];
        QCOMPARE(mdi.Action, 7 + k);
        QCOMPARE(mdi.Align, 100);
        QCOMPARE(mdi.Visibility, 100);
        QCOMPARE(mdi.Visibility1, 100);
        QCOMPARE(mdi.Frame, 4);
    }
}

void TestCaptionButtons::droppedAndKeptNegativeActions() {
    TTestSkin s;
    s.SetKey("BUTTON6", "Action", "-1"); // no Visibility: dropped
    s.SetKey("BUTTON7", "Action", "-1");
    s.SetKey("BUTTON7", "Visibility", "0"); // kept
    s.SetKey("BUTTON8", "Action", "-1");
    s.SetKey("BUTTON8", "Visibility", "3"); // dropped
    auto d = Load(s);
    QCOMPARE(d->TitleButtons.size(), size_t(6 + 1 + 3));
    const auto &kept = *d->TitleButtons[6];
    QCOMPARE(kept.Name, QStringLiteral("BUTTON7"));
    QCOMPARE(kept.Visibility1, -1);
    QCOMPARE(kept.Frame, 6); // no frame key, no image
    QCOMPARE(d->TitleButtons[0]->Visibility1, 0);
}

void TestCaptionButtons::frameCountFromImageShape() {
    TTestSkin s;
    s.SetImage("wide.bmp", Solid(200, 20, qRgb(1, 2, 3)));
    s.SetImage("square.bmp", Solid(90, 30, qRgb(4, 5, 6)));
    s.SetImage("edge.bmp", Solid(76, 20, qRgb(7, 8, 9))); // 3.8 exactly: 3 frames
    for (const char *section : {"BUTTON0", "BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4"})
        s.RemoveKey(section, "frame");
    s.SetKey("BUTTON0", "ButtonImage", "wide.bmp");
    s.SetKey("BUTTON1", "ButtonImage", "square.bmp");
    s.SetKey("BUTTON2", "ButtonImage", "edge.bmp");
    s.SetKey("BUTTON3", "ButtonImage", "square.bmp");
    s.SetKey("BUTTON3", "Action", "-2");
    s.SetKey("BUTTON4", "ButtonImage", "square.bmp"); // the system-menu button
    s.SetKey("BUTTON5", "frame", "0");
    s.SetKey("BUTTON5", "Action", "11");
    s.SetKey("BUTTON5", "ButtonImage", "wide.bmp");
    auto d = Load(s);
    QCOMPARE(d->TitleButtons[0]->Frame, 6);
    QCOMPARE(d->TitleButtons[1]->Frame, 3);
    QCOMPARE(d->TitleButtons[2]->Frame, 3);
    QCOMPARE(d->TitleButtons[3]->Frame, 6); // negative action
    QCOMPARE(d->TitleButtons[4]->Frame, 3);
    QVERIFY(!d->TitleButtons[4]->HasImage()); // the window icon is shown instead
    QCOMPARE(d->TitleButtons[5]->Frame, 6);
    QVERIFY(!d->TitleButtons[5]->HasImage());
    QVERIFY(d->TitleButtons[1]->HasImage());

    // With a frame key the system-menu button keeps its image.
    TTestSkin t;
    t.SetKey("BUTTON4", "frame", "2");
    t.SetKey("BUTTON4", "ButtonImage", "btnmin.bmp");
    auto e = Load(t);
    QVERIFY(e->TitleButtons[4]->HasImage());
    QCOMPARE(e->TitleButtons[4]->Frame, 2);
}

void TestCaptionButtons::helpButtonTakesMaximizePlace() {
    TTestSkin s;
    s.SetKey("BUTTON5", "Xcoord", "200");
    s.SetKey("BUTTON5", "Ycoord", "9");
    auto d = Load(s);
    QCOMPARE(d->TitleButtons[5]->Action, 4);
    QCOMPARE(d->TitleButtons[5]->Xcoord, 64);
    QCOMPARE(d->TitleButtons[5]->Ycoord, 4);

    TTestSkin t; // no maximize button before it: the help button keeps its own place
    t.SetKey("BUTTON1", "Visibility", "1");
    t.SetKey("BUTTON5", "Xcoord", "200");
    t.SetKey("BUTTON5", "Ycoord", "9");
    auto e = Load(t);
    QCOMPARE(e->TitleButtons[5]->Xcoord, 200);
    QCOMPARE(e->TitleButtons[5]->Ycoord, 9);
}

void TestCaptionButtons::mdiButtonsCutFromOneImage() {
    TTestSkin s;
    s.SetStrip("mdicontrols.bmp", 12, QSize(16, 14)); // 192 wide
    auto d = Load(s);
    const size_t first = d->TitleButtons.size() - 3;
    const int expectedX[] = {60, 40, 20};
    for (int k = 0; k < 3; ++k) {
        const auto &b = *d->TitleButtons[first + k];
        QCOMPARE(b.Image.size(), QSize(64, 14));
        QCOMPARE(b.Xcoord, expectedX[k]);
        for (int f = 1; f <= 4; ++f)
            QCOMPARE(Opaque(b.Image.pixel(b.FrameRect(f).center())),
                     s.FrameColour("mdicontrols.bmp", 4 * k + f));
    }
}

void TestCaptionButtons::mdiWithoutOrNarrowImage() {
    TTestSkin s;
    s.RemoveSection("MDICONTROLS");
    auto d = Load(s);
    for (size_t i = d->TitleButtons.size() - 3; i < d->TitleButtons.size(); ++i) {
        QVERIFY(!d->TitleButtons[i]->HasImage());
        QCOMPARE(d->TitleButtons[i]->Xcoord, 0);
    }

    TTestSkin t;
    t.SetImage("mdicontrols.bmp", Solid(11, 14, qRgb(9, 9, 9))); // under 12 columns
    auto e = Load(t);
    const auto &last = *e->TitleButtons.back();
    QVERIFY(!last.HasImage());
    QCOMPARE(last.Xcoord, 4);
}

void TestCaptionButtons::comboStripIsComposed() {
    const TTestSkin s;
    auto d = Load(s);
    const int a = kArrowSize + 2;
    const TDataSkinBorder &button = *d->ComboButton;
    QCOMPARE(button.Style, 2);
    QCOMPARE(button.Image.size(), QSize(200, 21));
    QCOMPARE(button.Margins(), QMargins(2, 2, a + 2, 2));
    QCOMPARE(d->SunkEdge->Margins(), QMargins(a + 2, 2, 2, 2));
    QCOMPARE(d->SunkEdge->Image.size(), QSize(200, 21));
    for (int i = 1; i <= 4; ++i) {
        const int x0 = (i - 1) * 50;
        // Field border from the sunk edge, the button at the right, the arrow centred on it,
        // and the field's inside keyed out.
        QCOMPARE(Opaque(button.Image.pixel(x0, 10)), s.FrameColour("sunkedge.bmp", i));
        QCOMPARE(Opaque(button.Image.pixel(x0 + 20, 0)), s.FrameColour("sunkedge.bmp", i));
        QCOMPARE(Opaque(button.Image.pixel(x0 + 50 - a + 1, 1)),
                 s.FrameColour("combobutton.bmp", i));
        QCOMPARE(Opaque(button.Image.pixel(x0 + 49, 20)), s.FrameColour("combobutton.bmp", i));
        QCOMPARE(Opaque(button.Image.pixel(x0 + 40, 10)), s.FrameColour("extraimages.bmp", i));
        QCOMPARE(Opaque(button.Image.pixel(x0 + 10, 10)), KeyColor);
        QCOMPARE(Opaque(button.Image.pixel(x0 + 2, 2)), KeyColor);
        QCOMPARE(Opaque(button.Image.pixel(x0 + 48 - a, 17)), KeyColor);
        // The sunk edge holds the mirrored strip: frame i lands in frame 5 - i, its button at
        // the left.
        const int mx = 199 - (x0 + 50 - a + 1);
        QCOMPARE(mx / 50 + 1, 5 - i);
        QCOMPARE(Opaque(d->SunkEdge->Image.pixel(mx, 1)), s.FrameColour("combobutton.bmp", i));
    }
}

void TestCaptionButtons::comboArrowCutFromStrip() {
    const TTestSkin s;
    auto d = Load(s);
    const TDataSkinObject &arrow = *d->ComboxArrow;
    QCOMPARE(arrow.Name, QStringLiteral("ComboxArrow"));
    QCOMPARE(arrow.Frame, 4);
    QCOMPARE(arrow.Image.size(), QSize(68, 17));
    for (int i = 1; i <= 4; ++i) {
        // Source column i*50-19 is the button's left edge, 8 further in the arrow glyph.
        QCOMPARE(Opaque(arrow.Image.pixel(17 * (i - 1), 0)), s.FrameColour("combobutton.bmp", i));
        QCOMPARE(Opaque(arrow.Image.pixel(17 * (i - 1) + 8, 8)),
                 s.FrameColour("extraimages.bmp", i));
    }
}

void TestCaptionButtons::sunkEdgeWithoutComboButton() {
    TTestSkin s;
    s.RemoveSection("ComboButton");
    auto d = Load(s);
    QVERIFY(!d->SkinLoading());
    QVERIFY(!d->ComboButton);
    QCOMPARE(d->SunkEdge->Image.size(), QSize(48, 21)); // not composed
    QCOMPARE(d->SunkEdge->Margins(), QMargins(2, 2, 2, 2));
    QVERIFY(d->ComboxArrow);
    QVERIFY(!d->ComboxArrow->HasImage());
}

void TestCaptionButtons::comboButtonWithoutSunkEdge() {
    TTestSkin s;
    s.RemoveSection("SunkEdge");
    QImage button = Solid(72, 21, qRgb(10, 100, 200));
    QPainter(&button).fillRect(QRect(0, 0, 72, 3), QColor(255, 0, 255));
    s.SetImage("combobutton.bmp", button);
    auto d = Load(s);
    const TDataSkinObject &arrow = *d->ComboxArrow;
    QCOMPARE(arrow.Frame, 4);
    QCOMPARE(arrow.Image.size(), QSize(72, 21));
    QCOMPARE(Opaque(arrow.Image.pixel(5, 1)), qRgb(236, 240, 245)); // key -> ButtonFace
    QCOMPARE(Opaque(arrow.Image.pixel(5, 10)), qRgb(10, 100, 200));
    QCOMPARE(d->ComboButton->Style, 0);
    QCOMPARE(Opaque(d->ComboButton->Image.pixel(5, 1)), KeyColor); // source untouched
}

void TestCaptionButtons::toolbarGradientAndSampleColour() {
    TTestSkin s;
    s.SetImage("top.bmp", Solid(120, 56, qRgb(40, 80, 160)));
    auto d = Load(s);
    QCOMPARE(d->TitleSampleColor, SkinRgb(40, 80, 160));
    const QImage &g = d->Toolbar->Image;
    QCOMPARE(d->Toolbar->Frame, 1);
    QCOMPARE(g.size(), QSize(10, 40));
    // Start: 15 % ButtonFace (236 240 245) over 85 % white, per mille with rounding.
    QCOMPARE(Opaque(g.pixel(0, 0)), qRgb(252, 253, 254));
    QCOMPARE(Opaque(g.pixel(9, 0)), qRgb(252, 253, 254));
    // Saturation of (40 80 160) is 191 > 110: end = 56 % sample over white = (135 157 202);
    // the last of 40 lines lands one step short on falling channels.
    QCOMPARE(Opaque(g.pixel(5, 39)), qRgb(136, 158, 203));
}

void TestCaptionButtons::toolbarGradientWithoutCaptionImage() {
    TTestSkin s;
    s.RemoveKey("Personality", "Top");
    s.SetKey("Colours", "ButtonFace", "200 200 200");
    auto d = Load(s);
    QCOMPARE(d->TitleSampleColor, SkinRgb(200, 200, 200));
    // Sample (200 200 200) is grey: end = 15 % grey 128 + 85 % 200 = 189.7 -> 189.
    // Start = 15 % 200 + 85 % 255 = 247.25 -> 247; line 39 = 247 + (-58*39 + 19) / 39 = 190.
    QCOMPARE(Opaque(d->Toolbar->Image.pixel(0, 0)), qRgb(247, 247, 247));
    QCOMPARE(Opaque(d->Toolbar->Image.pixel(0, 39)), qRgb(190, 190, 190));
}

void TestCaptionButtons::trackFallsBackOnProgramImage() {
    QStringList asked;
    const auto previous = TSkinData::SetResourceLoader([&asked](const QString &name) {
        asked << name;
        return name == QLatin1String("TRACK") ? Solid(6, 6, qRgb(1, 2, 3)) : QImage();
    });
    TTestSkin s;
    s.RemoveSection("Track");
    s.RemoveKey("TRACKVERT", "Image");
    auto d = Load(s);
    TSkinData::SetResourceLoader(previous);
    QVERIFY(asked.contains(QStringLiteral("TRACK")));
    QVERIFY(asked.contains(QStringLiteral("TRACKVERT")));
    QCOMPARE(d->Track->Name, QStringLiteral("TRACK"));
    QCOMPARE(d->Track->Margins(), QMargins(3, 3, 3, 3));
    QCOMPARE(d->Track->Frame, 1);
    QCOMPARE(d->Track->Tile, 0);
    QCOMPARE(Opaque(d->Track->Image.pixel(2, 2)), qRgb(1, 2, 3));
    QVERIFY(d->TRACKVERT);
    QVERIFY(!d->TRACKVERT->HasImage()); // no program image either: an empty one
}

QTEST_MAIN(TestCaptionButtons)
#include "tst_captionbuttons.moc"
