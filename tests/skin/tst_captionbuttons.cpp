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

QRgb At(const QImage &image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
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
    void frameCountFromImageShape();
    void helpButtonTakesMaximizePlace();
    void mdiButtonsCutFromOneImage();
    void comboStripIsComposed();
    void comboPartsAlone();
    void toolbarGradientAndSampleColour();
    void trackFallsBackOnProgramImage();
};

void TestCaptionButtons::keptSectionsInFileOrderPlusMdi() {
    TTestSkin s;
    for (const char *section : {"BUTTON.CHECKBOX", "BUTTON.RADIO", "Button"})
        s.SetKey(section, "Action", "0"); // not caption buttons
    s.SetKey("Button6", "Action", "2");   // lower-case letters: kept, name upper-cased
    s.SetKey("BUTTON7", "Action", "-1");  // no Visibility: dropped
    s.SetKey("BUTTON8", "Action", "-1");
    s.SetKey("BUTTON8", "Visibility", "0"); // kept
    s.SetKey("BUTTON9", "Action", "-1");
    s.SetKey("BUTTON9", "Visibility", "3"); // dropped
    auto d = s.Read();
    QStringList names;
    for (const auto &b : d->TitleButtons)
        names << b->Name;
    QCOMPARE(names, QStringList({"BUTTON0", "BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4", "BUTTON5",
                                 "BUTTON6", "BUTTON8", "BUTTON8", "BUTTON8", "BUTTON8"}));
    const auto &close = *d->TitleButtons[0];
    QCOMPARE(QList<int>({close.Action, close.Align, close.Xcoord, close.Ycoord, close.CombineOp,
                         close.Frame, close.Visibility1}),
             QList<int>({0, 1, 36, 4, -1, 4, 0}));
    QCOMPARE(At(close.Image, close.FrameRect(3).center().x(), 10),
             s.FrameColour("btnclose.bmp", 3));
    const auto &kept = *d->TitleButtons[7];
    QCOMPARE(kept.Visibility1, -1);
    QCOMPARE(kept.Frame, 6); // no frame key, no image
    for (int k = 0; k < 3; ++k) {
        const auto &mdi = *d->TitleButtons[8 + k];
        QCOMPARE(QList<int>({mdi.Action, mdi.Align, mdi.Visibility, mdi.Visibility1, mdi.Frame}),
                 QList<int>({7 + k, 100, 100, 100, 4}));
    }
}

void TestCaptionButtons::frameCountFromImageShape() {
    TTestSkin s;
    s.SetImage("wide.bmp", Solid(200, 20, qRgb(1, 2, 3)));
    s.SetImage("square.bmp", Solid(90, 30, qRgb(4, 5, 6)));
    s.SetImage("edge.bmp", Solid(76, 20, qRgb(7, 8, 9))); // 3.8 exactly: 3 frames
    const char *images[] = {"wide.bmp", "square.bmp", "edge.bmp", "square.bmp", "square.bmp"};
    for (int i = 0; i < 5; ++i) {
        s.RemoveKey(QStringLiteral("BUTTON%1").arg(i), "frame");
        s.SetKey(QStringLiteral("BUTTON%1").arg(i), "ButtonImage", images[i]);
    }
    s.SetKey("BUTTON3", "Action", "-2");
    s.SetKey("BUTTON5", "frame", "0");
    s.SetKey("BUTTON5", "Action", "11");
    s.SetKey("BUTTON5", "ButtonImage", "wide.bmp");
    auto d = s.Read();
    QList<int> frames;
    for (int i = 0; i < 6; ++i)
        frames << d->TitleButtons[i]->Frame;
    QCOMPARE(frames, QList<int>({6, 3, 3, 6, 3, 6})); // wide or negative action: 6
    QVERIFY(d->TitleButtons[1]->HasImage());
    QVERIFY(!d->TitleButtons[4]->HasImage()); // system menu: the window icon is shown instead
    QVERIFY(!d->TitleButtons[5]->HasImage());

    TTestSkin t; // with a frame key the system-menu button keeps its image
    t.SetKey("BUTTON4", "frame", "2");
    t.SetKey("BUTTON4", "ButtonImage", "btnmin.bmp");
    auto e = t.Read();
    QVERIFY(e->TitleButtons[4]->HasImage());
    QCOMPARE(e->TitleButtons[4]->Frame, 2);
}

void TestCaptionButtons::helpButtonTakesMaximizePlace() {
    TTestSkin s;
    s.SetKey("BUTTON5", "Xcoord", "200");
    s.SetKey("BUTTON5", "Ycoord", "9");
    auto d = s.Read();
    QCOMPARE(d->TitleButtons[5]->Action, 4);
    QCOMPARE(QPoint(d->TitleButtons[5]->Xcoord, d->TitleButtons[5]->Ycoord), QPoint(64, 4));
    s.SetKey("BUTTON1", "Visibility", "1"); // no maximize button before it: its own place
    auto e = s.Read();
    QCOMPARE(QPoint(e->TitleButtons[5]->Xcoord, e->TitleButtons[5]->Ycoord), QPoint(200, 9));
}

void TestCaptionButtons::mdiButtonsCutFromOneImage() {
    TTestSkin s;
    s.SetStrip("mdicontrols.bmp", 12, QSize(16, 14)); // 192 wide
    auto d = s.Read();
    const size_t first = d->TitleButtons.size() - 3;
    for (int k = 0; k < 3; ++k) {
        const auto &b = *d->TitleButtons[first + k];
        QCOMPARE(b.Image.size(), QSize(64, 14));
        QCOMPARE(b.Xcoord, 60 - 20 * k);
        for (int f = 1; f <= 4; ++f)
            QCOMPARE(At(b.Image, b.FrameRect(f).center().x(), 7),
                     s.FrameColour("mdicontrols.bmp", 4 * k + f));
    }
    s.SetImage("mdicontrols.bmp", Solid(11, 14, qRgb(9, 9, 9))); // under 12 columns
    QVERIFY(!s.Read()->TitleButtons.back()->HasImage());
    QCOMPARE(s.Read()->TitleButtons.back()->Xcoord, 4);
    s.RemoveSection("MDICONTROLS");
    auto e = s.Read();
    for (size_t i = e->TitleButtons.size() - 3; i < e->TitleButtons.size(); ++i)
        QVERIFY(!e->TitleButtons[i]->HasImage() && e->TitleButtons[i]->Xcoord == 0);
}

void TestCaptionButtons::comboStripIsComposed() {
    const TTestSkin s;
    auto d = s.Read();
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
        QCOMPARE(At(button.Image, x0, 10), s.FrameColour("sunkedge.bmp", i));
        QCOMPARE(At(button.Image, x0 + 20, 0), s.FrameColour("sunkedge.bmp", i));
        QCOMPARE(At(button.Image, x0 + 50 - a + 1, 1), s.FrameColour("combobutton.bmp", i));
        QCOMPARE(At(button.Image, x0 + 49, 20), s.FrameColour("combobutton.bmp", i));
        QCOMPARE(At(button.Image, x0 + 40, 10), s.FrameColour("extraimages.bmp", i));
        for (const QPoint p : {QPoint(x0 + 10, 10), QPoint(x0 + 2, 2), QPoint(x0 + 48 - a, 17)})
            QCOMPARE(At(button.Image, p.x(), p.y()), KeyColor);
        // The sunk edge holds the mirrored strip: frame i lands in frame 5 - i.
        QCOMPARE(At(d->SunkEdge->Image, 199 - (x0 + 50 - a + 1), 1),
                 s.FrameColour("combobutton.bmp", i));
        // The arrow strip: source column i*50-19 is the button's left edge, 8 further the glyph.
        QCOMPARE(At(d->ComboxArrow->Image, 17 * (i - 1), 0), s.FrameColour("combobutton.bmp", i));
        QCOMPARE(At(d->ComboxArrow->Image, 17 * (i - 1) + 8, 8),
                 s.FrameColour("extraimages.bmp", i));
    }
    QCOMPARE(d->ComboxArrow->Frame, 4);
    QCOMPARE(d->ComboxArrow->Image.size(), QSize(68, 17));
}

void TestCaptionButtons::comboPartsAlone() {
    TTestSkin s;
    s.RemoveSection("ComboButton");
    auto d = s.Read();
    QVERIFY(!d->ComboButton);
    QCOMPARE(d->SunkEdge->Image.size(), QSize(48, 21)); // not composed
    QCOMPARE(d->SunkEdge->Margins(), QMargins(2, 2, 2, 2));
    QVERIFY(d->ComboxArrow && !d->ComboxArrow->HasImage());

    TTestSkin t;
    t.RemoveSection("SunkEdge");
    QImage button = Solid(72, 21, qRgb(10, 100, 200));
    QPainter(&button).fillRect(QRect(0, 0, 72, 3), QColor(255, 0, 255));
    t.SetImage("combobutton.bmp", button);
    auto e = t.Read();
    QCOMPARE(e->ComboxArrow->Frame, 4);
    QCOMPARE(e->ComboxArrow->Image.size(), QSize(72, 21));
    QCOMPARE(At(e->ComboxArrow->Image, 5, 1), qRgb(236, 240, 245)); // key -> ButtonFace
    QCOMPARE(At(e->ComboxArrow->Image, 5, 10), qRgb(10, 100, 200));
    QCOMPARE(e->ComboButton->Style, 0);
    QCOMPARE(At(e->ComboButton->Image, 5, 1), KeyColor); // source untouched
}

void TestCaptionButtons::toolbarGradientAndSampleColour() {
    TTestSkin s;
    s.SetImage("top.bmp", Solid(120, 56, qRgb(40, 80, 160)));
    auto d = s.Read();
    QCOMPARE(d->TitleSampleColor, SkinRgb(40, 80, 160));
    const QImage &g = d->Toolbar->Image;
    QCOMPARE(d->Toolbar->Frame, 1);
    QCOMPARE(g.size(), QSize(10, 40));
    // Start: 15 % ButtonFace (236 240 245) over 85 % white, per mille with rounding.
    QCOMPARE(At(g, 0, 0), qRgb(252, 253, 254));
    QCOMPARE(At(g, 9, 0), qRgb(252, 253, 254));
    // Saturation of (40 80 160) is 191 > 110: end = 56 % sample over white = (135 157 202);
    // the last of 40 lines lands one step short on falling channels.
    QCOMPARE(At(g, 5, 39), qRgb(136, 158, 203));

    s.RemoveKey("Personality", "Top"); // no caption image: the face colour is the sample
    s.SetKey("Colours", "ButtonFace", "200 200 200");
    auto e = s.Read();
    QCOMPARE(e->TitleSampleColor, SkinRgb(200, 200, 200));
    // Grey sample: end = 15 % grey 128 + 85 % 200 = 189.7 -> 189; start = 247.25 -> 247;
    // line 39 = 247 + (-58*39 + 19) / 39 = 190.
    QCOMPARE(At(e->Toolbar->Image, 0, 0), qRgb(247, 247, 247));
    QCOMPARE(At(e->Toolbar->Image, 0, 39), qRgb(190, 190, 190));
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
    auto d = s.Read();
    TSkinData::SetResourceLoader(previous);
    QVERIFY(asked.contains(QStringLiteral("TRACK")) && asked.contains(QStringLiteral("TRACKVERT")));
    QCOMPARE(d->Track->Name, QStringLiteral("TRACK"));
    QCOMPARE(d->Track->Margins(), QMargins(3, 3, 3, 3));
    QCOMPARE(d->Track->Frame, 1);
    QCOMPARE(d->Track->Tile, 0);
    QCOMPARE(At(d->Track->Image, 2, 2), qRgb(1, 2, 3));
    QVERIFY(d->TRACKVERT && !d->TRACKVERT->HasImage()); // no program image either
}

QTEST_MAIN(TestCaptionButtons)
#include "tst_captionbuttons.moc"
