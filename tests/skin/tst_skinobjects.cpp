// Reading the skin INI vocabulary into skin objects, through the real SkinStream path.
#include "skin/data/tskindata.h"
#include "skin/data/tskininireader.h"
#include "support/skin/testskin.h"

#include <QtEndian>
#include <QtTest>

using namespace skin;
using skin::test::TTestSkin;

namespace {

// Centre pixel of frame `index` of an object's strip.
QRgb FramePixel(const TDataSkinObject &o, int index, bool vertical = false) {
    return o.Image.pixel(o.FrameRect(index, vertical).center()) | 0xFF000000u;
}

} // namespace

class TestSkinObjects : public QObject {
    Q_OBJECT

private slots:
    void everyObjectShowsItsFrames();
    void bordersMapKeysOntoMargins();
    void missingSectionMeansNoObject();
    void frameCountsAndTiles();
    void imageValuesNameEntriesByFilePart();
    void coloursAndDefaults();
    void colourTextParsing_data();
    void colourTextParsing();
    void checkAndRadioFramesFromWidth();
    void degenerateImagesAndCountsAreSafe();
    void absurdNumbersEverywhereLoad_data();
    void absurdNumbersEverywhereLoad();
};

void TestSkinObjects::everyObjectShowsItsFrames() {
    const TTestSkin s;
    auto d = s.Read();
    // clang-format off
    const struct {
        const TDataSkinObject *object;
        const char *image; // nullptr: composed after reading, frames checked elsewhere
        bool vertical = false;
    } objects[] = {
        {d->Left.get(), "left.bmp"}, {d->Right.get(), "right.bmp"}, {d->Top.get(), "top.bmp", true},
        {d->Bottom.get(), "bottom.bmp", true}, {d->Title.get(), "textback.bmp", true},
        {d->menuBar.get(), "menubar.bmp", true}, {d->Buttons.get(), "buttons.bmp"},
        {d->Progress.get(), "progress.bmp"}, {d->ProgressChunk.get(), "progresschunk.bmp"},
        {d->Tabs.get(), "tabs.bmp"}, {d->GroupBoxEdge.get(), "groupboxedge.bmp"},
        {d->GroupBox.get(), "groupboxlabel.bmp"}, {d->StatusBarEdges.get(), "statusedges.bmp"},
        {d->TabPane.get(), "tabpane.bmp"}, {d->ToolBars.get(), "toolbars.bmp"},
        {d->ExtraImages.get(), "extraimages.bmp"}, {d->Headerbar.get(), "headerbar.bmp"},
        {d->MenuItem.get(), "menuitem.bmp"}, {d->MenuBackground.get(), "menubg.bmp"},
        {d->Track.get(), "track.bmp"}, {d->Scrollbar.get(), "scrollbar.bmp"},
        {d->HorzScroll.get(), "hscroll.bmp"}, {d->VertScroll.get(), "vscroll.bmp"},
        {d->HorzScrollThumb.get(), "hthumb.bmp"}, {d->VertScrollThumb.get(), "vthumb.bmp"},
        {d->TRACKVERT.get(), "trackvert.bmp"}, {d->TrackbarThumbHorz.get(), "thumbh.bmp"},
        {d->TrackbarThumbVert.get(), "thumbv.bmp"}, {d->TrackbarThumbLeft.get(), "thumbleft.bmp"},
        {d->TrackbarThumbRight.get(), "thumbright.bmp"}, {d->TrackbarThumbUp.get(), "thumbup.bmp"},
        {d->TrackbarThumbDown.get(), "thumbdown.bmp"}, {d->UpDownHorz.get(), "updownh.bmp"},
        {d->UpDownVert.get(), "updownv.bmp"}, {d->ComboButton.get(), nullptr},
        {d->SunkEdge.get(), nullptr}};
    // clang-format on
    for (const auto &e : objects) {
        QVERIFY(e.object && e.object->HasImage());
        if (!e.image) {
            QCOMPARE(e.object->Frame, 4);
            continue;
        }
        int frames = 0;
        while (s.FrameColour(e.image, frames + 1))
            ++frames;
        QCOMPARE(e.object->Frame, frames);
        for (int i = 1; i <= frames; ++i)
            QCOMPARE(FramePixel(*e.object, i, e.vertical), s.FrameColour(e.image, i));
    }
    QCOMPARE(d->Buttons->CheckButtonFrame, 12);
    QCOMPARE(d->Buttons->RadioButtonFrame, 8);
    QCOMPARE(d->Buttons->CheckImage.pixel(20, 5) | 0xFF000000u, s.FrameColour("check.bmp", 2));
    QCOMPARE(d->Tabs->Image2.size(), QSize(40, 40));
    QCOMPARE(d->UpDownVert->Image2.size(), QSize(56, 4));
    QCOMPARE(d->TabPane->Name, QStringLiteral("Tab.Pane"));
    // The mirrored twin of the combo strip keeps the read frames in reverse order.
    QCOMPARE(d->ComboButton->Image2.pixel(1, 10) | 0xFF000000u,
             s.FrameColour("combobutton.bmp", 4));
}

void TestSkinObjects::bordersMapKeysOntoMargins() {
    TTestSkin s;
    s.SetKey("Personality", "LeftTopHeight", "27");
    s.SetKey("Personality", "LeftBotHeight", "5");
    s.SetKey("Personality", "TopTopHeight", "7");
    s.SetKey("Personality", "TopBotHeight", "9");
    for (const char *key : {"BottomFrame", "BottomStretch", "BottomTrans"})
        s.RemoveKey("Personality", key);
    s.SetKey("Tab.Pane", "LeftWidth", "9"); // the pane's margins are capped at 4
    s.SetKey("Tab.Pane", "BottomHeight", "3");
    s.SetKey("Tabs", "LeftWidth", "9");
    auto d = s.Read();
    QCOMPARE(d->Left->Margins(), QMargins(0, 27, 0, 5));
    QCOMPARE(d->Top->Margins(), QMargins(7, 0, 9, 0));
    QCOMPARE(d->Left->Trans, 1);
    QCOMPARE(d->Top->Trans, 0);
    // Missing keys take 1 for frame, stretch and trans.
    QCOMPARE(d->Bottom->Frame, 1);
    QCOMPARE(d->Bottom->Tile, 1);
    QCOMPARE(d->Bottom->Trans, 1);
    QCOMPARE(d->Title->Margins(), QMargins(22, 0, 96, 0));
    QCOMPARE(d->Title->TXTBackleft, 6);
    QCOMPARE(d->Title->FontHeight, 14);
    QCOMPARE(d->menuBar->Margins(), QMargins(2, 0, 2, 0));
    QCOMPARE(d->TabPane->Margins(), QMargins(4, 4, 4, 3));
    QCOMPARE(d->Tabs->LeftWidth, 9);
}

void TestSkinObjects::missingSectionMeansNoObject() {
    TTestSkin s;
    s.RemoveSection("SunkEdge");
    s.RemoveKey("GroupBox", "Image");
    s.RemoveSection("Personality");
    auto d = s.Read();
    QVERIFY(!d->SunkEdge && !d->GroupBox && !d->menuBar);
    QVERIFY(d->ComboButton);
    QVERIFY(d->Left && d->Top && d->Title && d->Buttons); // the fixed objects always exist
    QVERIFY(!d->Top->HasImage());
}

void TestSkinObjects::frameCountsAndTiles() {
    TTestSkin s;
    s.SetKey("ToolBars", "Frame", "3"); // replaced by the fixed count
    s.SetKey("Headerbar", "Frame", "3");
    s.SetKey("Track", "Frame", "7");
    s.SetKey("Progress", "Style", "1");
    s.SetKey("HorzScrollThumb", "FrameCount", "6");
    s.RemoveKey("VertScrollThumb", "FrameCount");
    for (const char *section : {"MenuItem", "GroupBox", "Tabs", "Buttons", "Progress"})
        s.SetKey(section, "Tile", "2");
    s.SetKey("Personality", "TileMenu", "2");
    s.SetKey("Personality", "LeftStretch", "2");
    auto d = s.Read();
    QCOMPARE(d->ToolBars->Frame, 5);
    QCOMPARE(d->Headerbar->Frame, 3);
    QCOMPARE(d->Track->Frame, 7);
    QCOMPARE(d->Progress->Frame, 1);
    QCOMPARE(d->HorzScrollThumb->Frame, 6);
    QCOMPARE(d->VertScrollThumb->Frame, 3);
    // A tile value above one: some readers keep it as "tile", others as "stretch".
    QCOMPARE(QList<int>({d->MenuItem->Tile, d->GroupBox->Tile, d->Tabs->Tile, d->Buttons->Tile,
                         d->Progress->Tile, d->menuBar->Tile, d->Left->Tile}),
             QList<int>({0, 0, 0, 0, 1, 1, 1}));
    TTestSkin t;
    t.RemoveKey("Headerbar", "Frame");
    QCOMPARE(t.Read()->Headerbar->Frame, 5);
}

void TestSkinObjects::imageValuesNameEntriesByFilePart() {
    TTestSkin s;
    s.SetKey("Tabs", "Image", "skins\\art\\Tabs.bmp"); // folders dropped, name lower-cased
    s.SetKey("MenuItem", "Image", "C:menuitem.bmp");
    s.SetKey("Headerbar", "Image", "headerbar.BMP"); // upper-case extension: no image
    s.SetKey("ToolBars", "Image", "toolbars.png");
    s.SetKey("Scrollbar", "Image", "nothere.bmp");
    // Headers announcing absurd sizes are refused before anything is allocated for them.
    const auto oversized = [](qint32 width, qint32 height) {
        QByteArray bmp = TTestSkin::BmpBytes(QImage(2, 2, QImage::Format_RGB32));
        qToLittleEndian<qint32>(width, bmp.data() + 18);
        qToLittleEndian<qint32>(height, bmp.data() + 22);
        return bmp;
    };
    s.SetRawEntry("extraimages.bmp", oversized(60000, 60000)); // too wide and tall
    s.SetRawEntry("hscroll.bmp", oversized(5000, -5000));      // top-down, too many pixels
    s.SetRawEntry("menubg.bmp", QByteArray("BM not really a bitmap"));
    s.SetRawEntry("vscroll.bmp", QByteArray());
    auto d = s.Read();
    QCOMPARE(FramePixel(*d->Tabs, 1), s.FrameColour("tabs.bmp", 1));
    QCOMPARE(FramePixel(*d->MenuItem, 2), s.FrameColour("menuitem.bmp", 2));
    for (const TDataSkinObject *o :
         {(const TDataSkinObject *)d->Headerbar.get(), (const TDataSkinObject *)d->ToolBars.get(),
          (const TDataSkinObject *)d->Scrollbar.get(),
          (const TDataSkinObject *)d->ExtraImages.get(),
          (const TDataSkinObject *)d->MenuBackground.get(),
          (const TDataSkinObject *)d->VertScroll.get(),
          (const TDataSkinObject *)d->HorzScroll.get()}) {
        QVERIFY(o && !o->HasImage()); // the object exists with an empty image
        QVERIFY(o->FrameRect(1).isEmpty());
        QVERIFY(o->FrameImage(1).isNull());
    }
}

void TestSkinObjects::coloursAndDefaults() {
    TTestSkin s;
    s.RemoveKey("Colours", "Menubar");
    s.RemoveKey("Colours", "Buttonlight");
    s.SetKey("Colours", "Hilight", "");
    s.RemoveKey("Tabs", "PressedColour2");
    s.SetKey("Tabs", "NormalColour", "7");
    s.RemoveKey("Personality", "InActiveTextG");
    auto d = s.Read();
    QCOMPARE(d->ButtonFace, SkinRgb(236, 240, 245));
    QCOMPARE(d->Menubar, d->ButtonFace); // the skin's own face, not the system colour
    QCOMPARE(d->Buttonlight, clBtnHighlight);
    QCOMPARE(d->Hilight, clHighlight); // empty value = default
    QCOMPARE(d->TitleTextActive, SkinRgb(255, 255, 253));
    QCOMPARE(d->Tabs->NormalColour2, SkinRgb(70, 70, 70));
    QCOMPARE(d->Tabs->PressedColour2, d->ButtonText);
    QCOMPARE(d->Tabs->NormalColour, 7);
    QCOMPARE(d->Tabs->MouseOverColour, -1);
    QVERIFY(d->Buttons->MouseOverColour2Given);
    QCOMPARE(d->Buttons->MouseOverColour2, SkinRgb(20, 60, 120));
    QCOMPARE(d->ButtonFaceBrush.color(), QColor(236, 240, 245));
    QCOMPARE(d->Title->ActiveText, SkinRgb(255, 255, 255));
    QCOMPARE(d->Title->InActiveText, clNone); // needs all three keys

    TTestSkin t;
    t.RemoveKey("Buttons", "PressedColour2");
    t.RemoveSection("Colours");
    auto e = t.Read();
    QVERIFY(!e->Buttons->PressedColour2Given);
    QCOMPARE(e->Buttons->PressedColour2, clBtnText);
    QCOMPARE(e->Menubar, clBtnFace);
}

void TestSkinObjects::colourTextParsing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    const auto row = [](const char *name, const char *text, int r, int g, int b) {
        QTest::newRow(name) << QString(text) << r + g * 256 + b * 65536;
    };
    row("spaces", "1 2 3", 1, 2, 3);
    row("commas", "1,2,3", 1, 2, 3);
    row("letters", "r1g2b3", 1, 2, 3);
    row("padded", "  10   20 30  ", 10, 20, 30);
    row("two numbers", "5 6", 5, 6, 0);
    row("mod 256", "256 300 511", 0, 44, 255);
    row("more than three", "1 2 3 4 5", 1, 2, 3);
    row("huge, no overflow", "99999999999999999999 1 1", 255, 1, 1);
    row("no digits", "red", 0, 0, 0);
}

void TestSkinObjects::colourTextParsing() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(TSkinIniReader::ParseColourTriple(text), SkinColor(expected));
}

void TestSkinObjects::checkAndRadioFramesFromWidth() {
    TTestSkin s;
    s.RemoveKey("Buttons", "RadioButtonFrame");
    s.RemoveKey("Buttons", "CheckButtonFrame");
    s.SetStrip("radio.bmp", 4, QSize(13, 13));  // 52 x 13: 4 frames
    s.SetStrip("check.bmp", 10, QSize(16, 16)); // 160 x 16: 10 frames
    auto d = s.Read();
    QCOMPARE(d->Buttons->RadioButtonFrame, 4);
    QCOMPARE(d->Buttons->CheckButtonFrame, 10);
    s.RemoveKey("Buttons", "RadioButton");
    s.SetStrip("check.bmp", 2, QSize(13, 13)); // 26 wide: still at least 4
    auto e = s.Read();
    QVERIFY(e->Buttons->RadioImage.isNull());
    QCOMPARE(e->Buttons->RadioButtonFrame, 4);
    QCOMPARE(e->Buttons->CheckButtonFrame, 4);
}

void TestSkinObjects::degenerateImagesAndCountsAreSafe() {
    TTestSkin s;
    s.SetKey("Personality", "TopFrame", "0");
    s.SetKey("Track", "Frame", "0");
    s.SetKey("Track", "LeftWidth", "500");
    s.SetKey("SunkEdge", "LeftWidth", "400");
    s.SetKey("SunkEdge", "RightWidth", "400");
    s.SetStrip("tabs.bmp", 3, QSize(1, 1)); // 3 x 1 image, 5 frames counted
    auto d = s.Read();
    QCOMPARE(d->Top->FrameCount(), 1);
    QCOMPARE(d->Top->FrameRect(2, true), QRect(QPoint(0, 0), d->Top->Image.size()));
    QCOMPARE(d->Track->FrameCount(), 1);
    QVERIFY(d->Tabs->HasImage());
    QVERIFY(d->Tabs->FrameRect(5).isEmpty()); // 3 columns hold no 5 frames
    // The sample of the caption uses the whole image as one frame.
    QCOMPARE(d->TitleSampleColor, QRgbToSkinColor(s.FrameColour("top.bmp", 1)));
}

void TestSkinObjects::absurdNumbersEverywhereLoad_data() {
    QTest::addColumn<QString>("value");
    for (const char *value : {"-7", "0", "100000", "2147483647", "-2147483648"})
        QTest::newRow(value) << QString(value);
}

void TestSkinObjects::absurdNumbersEverywhereLoad() {
    QFETCH(QString, value);
    TTestSkin s;
    for (const char *section :
         {"Personality", "Buttons", "Progress", "Progress.Chunk", "Tabs", "Tab.Pane", "ComboButton",
          "SunkEdge", "ExtraImages", "Headerbar", "Scrollbar", "HorzScrollThumb", "Track",
          "TRACKVERT", "UpDown.Vert", "MDICONTROLS", "BUTTON0", "BUTTON5"})
        for (const char *key :
             {"Frame", "frame", "FrameCount", "LeftWidth", "RightWidth", "TopHeight",
              "BottomHeight", "Style", "Tile", "Trans", "Action", "Xcoord", "TopFrame",
              "LeftTopHeight", "TopTopHeight", "RadioButtonFrame", "CheckButtonFrame",
              "TileLeftMenu", "TextShift"})
            s.SetKey(section, key, value);
    auto d = s.Read();
    for (const TDataSkinObject *o : d->All()) {
        const QRect r = o->FrameRect(o->Frame);
        QVERIFY2(r.isEmpty() || QRect(QPoint(0, 0), o->Image.size()).contains(r),
                 qPrintable(o->Name));
    }
    QVERIFY(d->Toolbar && d->Toolbar->HasImage());
}

QTEST_MAIN(TestSkinObjects)
#include "tst_skinobjects.moc"
