// Reading the skin INI vocabulary into skin objects, through the real SkinStream path.
#include "skin/data/tskindata.h"
#include "skin/data/tskininireader.h"
#include "support/skin/testskin.h"

#include <QtTest>

using namespace skin;
using skin::test::TTestSkin;

namespace {

// Loads the skin into a fresh component; the component must have read it.
std::unique_ptr<TSkinData> Load(const TTestSkin &s) {
    auto data = std::make_unique<TSkinData>();
    data->SetSkinStream(s.Packed());
    return data;
}

// Centre pixel of frame `index` of an object's strip.
QRgb FramePixel(const TDataSkinObject &o, int index, bool vertical = false) {
    const QRect r = o.FrameRect(index, vertical);
    return o.Image.pixel(r.center()) | 0xFF000000u;
}

} // namespace

class TestSkinObjects : public QObject {
    Q_OBJECT

private slots:
    void completeSkinHasEveryObjectWithItsFrames();
    void framesShowTheirOwnColours();
    void bordersMapKeysOntoMargins();
    void missingSectionMeansNoObject();
    void frameCountsReplaceOrKeepFrameKey();
    void tabPaneMarginsAreCapped();
    void tileAboveOneDependsOnReader();
    void imageValuesNameEntriesByFilePart();
    void coloursAndDefaults();
    void colourTextParsing_data();
    void colourTextParsing();
    void captionTextColoursNeedAllThreeKeys();
    void checkAndRadioFramesFromWidth();
    void degenerateImagesAndCountsAreSafe();
    void hostileBmpHeaderGivesEmptyImage();
    void absurdNumbersEverywhereLoad_data();
    void absurdNumbersEverywhereLoad();
};

void TestSkinObjects::completeSkinHasEveryObjectWithItsFrames() {
    const TTestSkin s;
    auto d = Load(s);
    QVERIFY(!d->SkinLoading());
    const struct {
        const TDataSkinObject *object;
        int frames;
    } expected[] = {
        {d->Left.get(), 2},
        {d->Right.get(), 2},
        {d->Top.get(), 2},
        {d->Bottom.get(), 2},
        {d->Buttons.get(), 5},
        {d->Title.get(), 2},
        {d->Progress.get(), 2},
        {d->ProgressChunk.get(), 1},
        {d->menuBar.get(), 2},
        {d->GroupBoxEdge.get(), 2},
        {d->GroupBox.get(), 1},
        {d->Tabs.get(), 5},
        {d->StatusBarEdges.get(), 3},
        {d->TabPane.get(), 1},
        {d->ToolBars.get(), 5},
        {d->ComboButton.get(), 4},
        {d->SunkEdge.get(), 4},
        {d->ExtraImages.get(), 5},
        {d->Headerbar.get(), 2},
        {d->MenuItem.get(), 5},
        {d->MenuBackground.get(), 1},
        {d->Scrollbar.get(), 23},
        {d->HorzScroll.get(), 4},
        {d->VertScroll.get(), 4},
        {d->HorzScrollThumb.get(), 3},
        {d->VertScrollThumb.get(), 3},
        {d->TrackbarThumbHorz.get(), 5},
        {d->TrackbarThumbVert.get(), 5},
        {d->TrackbarThumbLeft.get(), 5},
        {d->TrackbarThumbRight.get(), 5},
        {d->TrackbarThumbUp.get(), 5},
        {d->TrackbarThumbDown.get(), 5},
        {d->UpDownHorz.get(), 8},
        {d->UpDownVert.get(), 8},
        {d->Track.get(), 1},
        {d->TRACKVERT.get(), 1},
        {d->Toolbar.get(), 1},
    };
    for (const auto &e : expected) {
        QVERIFY(e.object);
        QVERIFY2(e.object->HasImage(), qPrintable(e.object->Name));
        QCOMPARE(e.object->Frame, e.frames);
    }
    QCOMPARE(d->Buttons->CheckButtonFrame, 12);
    QCOMPARE(d->Buttons->RadioButtonFrame, 8);
    QVERIFY(!d->Buttons->CheckImage.isNull());
    QCOMPARE(d->Tabs->Image2.size(), QSize(40, 40));
    QCOMPARE(d->UpDownVert->Image2.size(), QSize(56, 4));
    QCOMPARE(d->TabPane->Name, QStringLiteral("Tab.Pane"));
    QCOMPARE(d->menuBar->Name, QStringLiteral("Personality"));
    QCOMPARE(d->Objects().size(), 38 + int(d->TitleButtons.size()));
}

void TestSkinObjects::framesShowTheirOwnColours() {
    const TTestSkin s;
    auto d = Load(s);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(FramePixel(*d->Tabs, i), s.FrameColour("tabs.bmp", i));
    for (int i = 1; i <= 23; ++i)
        QCOMPARE(FramePixel(*d->Scrollbar, i), s.FrameColour("scrollbar.bmp", i));
    // Stacked strips: frame 2 of the caption lies below frame 1.
    QCOMPARE(FramePixel(*d->Top, 2, true), s.FrameColour("top.bmp", 2));
    QCOMPARE(FramePixel(*d->menuBar, 1, true), s.FrameColour("menubar.bmp", 1));
    // The mirrored twin of the combo strip is made before composing; composing replaces
    // Image, the twin keeps the read strip's frames in reverse order.
    QCOMPARE(d->ComboButton->Image2.pixel(1, 10) | 0xFF000000u,
             s.FrameColour("combobutton.bmp", 4));
}

void TestSkinObjects::bordersMapKeysOntoMargins() {
    TTestSkin s;
    s.SetKey("Personality", "LeftTopHeight", "27");
    s.SetKey("Personality", "LeftBotHeight", "5");
    s.SetKey("Personality", "TopTopHeight", "7");
    s.SetKey("Personality", "TopBotHeight", "9");
    s.RemoveKey("Personality", "BottomFrame");
    s.RemoveKey("Personality", "BottomStretch");
    s.RemoveKey("Personality", "BottomTrans");
    auto d = Load(s);
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
}

void TestSkinObjects::missingSectionMeansNoObject() {
    TTestSkin s;
    s.RemoveSection("SunkEdge");
    s.RemoveKey("GroupBox", "Image");
    s.RemoveKey("Personality", "menuBar");
    s.RemoveSection("Personality");
    auto d = Load(s);
    QVERIFY(!d->SkinLoading());
    QVERIFY(!d->SunkEdge);
    QVERIFY(!d->GroupBox);
    QVERIFY(!d->menuBar);
    QVERIFY(d->ComboButton);
    // The fixed objects exist even without their section.
    QVERIFY(d->Left && d->Top && d->Title && d->Buttons);
    QVERIFY(!d->Top->HasImage());
}

void TestSkinObjects::frameCountsReplaceOrKeepFrameKey() {
    TTestSkin s;
    s.SetKey("ToolBars", "Frame", "3");
    s.SetKey("Headerbar", "Frame", "3");
    s.SetKey("Track", "Frame", "7");
    s.SetKey("Progress", "Style", "1");
    s.SetKey("HorzScrollThumb", "FrameCount", "6");
    s.RemoveKey("VertScrollThumb", "FrameCount");
    auto d = Load(s);
    QCOMPARE(d->ToolBars->Frame, 5);
    QCOMPARE(d->Headerbar->Frame, 3);
    QCOMPARE(d->Track->Frame, 7);
    QCOMPARE(d->Progress->Frame, 1);
    QCOMPARE(d->HorzScrollThumb->Frame, 6);
    QCOMPARE(d->VertScrollThumb->Frame, 3);

    TTestSkin t;
    t.RemoveKey("Headerbar", "Frame");
    auto e = Load(t);
    QCOMPARE(e->Headerbar->Frame, 5);
}

void TestSkinObjects::tabPaneMarginsAreCapped() {
    TTestSkin s;
    s.SetKey("Tab.Pane", "LeftWidth", "9");
    s.SetKey("Tab.Pane", "BottomHeight", "3");
    s.SetKey("Tabs", "LeftWidth", "9");
    auto d = Load(s);
    QCOMPARE(d->TabPane->Margins(), QMargins(4, 4, 4, 3));
    QCOMPARE(d->Tabs->LeftWidth, 9);
}

void TestSkinObjects::tileAboveOneDependsOnReader() {
    TTestSkin s;
    s.SetKey("MenuItem", "Tile", "2");
    s.SetKey("Progress", "Tile", "2");
    s.SetKey("Personality", "TileMenu", "2");
    s.SetKey("Personality", "LeftStretch", "2");
    s.SetKey("GroupBox", "Tile", "2");
    s.SetKey("Tabs", "Tile", "2");
    s.SetKey("Buttons", "Tile", "2");
    s.SetKey("Progress.Chunk", "Tile", "1");
    auto d = Load(s);
    QCOMPARE(d->MenuItem->Tile, 0);
    QCOMPARE(d->GroupBox->Tile, 0);
    QCOMPARE(d->Tabs->Tile, 0);
    QCOMPARE(d->Buttons->Tile, 0);
    QCOMPARE(d->Progress->Tile, 1);
    QCOMPARE(d->menuBar->Tile, 1);
    QCOMPARE(d->Left->Tile, 1);
    QCOMPARE(d->ProgressChunk->Tile, 1);
}

void TestSkinObjects::imageValuesNameEntriesByFilePart() {
    TTestSkin s;
    s.SetKey("Tabs", "Image", "skins\\art\\Tabs.bmp"); // folders dropped, name lower-cased
    s.SetKey("MenuItem", "Image", "C:menuitem.bmp");
    s.SetKey("Headerbar", "Image", "headerbar.BMP"); // upper-case extension: no image
    s.SetKey("ToolBars", "Image", "toolbars.png");
    s.SetKey("Scrollbar", "Image", "nothere.bmp");
    auto d = Load(s);
    QCOMPARE(FramePixel(*d->Tabs, 1), s.FrameColour("tabs.bmp", 1));
    QCOMPARE(FramePixel(*d->MenuItem, 2), s.FrameColour("menuitem.bmp", 2));
    for (const TDataSkinObject *o : {static_cast<const TDataSkinObject *>(d->Headerbar.get()),
                                     static_cast<const TDataSkinObject *>(d->ToolBars.get()),
                                     static_cast<const TDataSkinObject *>(d->Scrollbar.get())}) {
        QVERIFY(o);              // the object exists...
        QVERIFY(!o->HasImage()); // ...with an empty image
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
    auto d = Load(s);
    QCOMPARE(d->ButtonFace, SkinRgb(236, 240, 245));
    QCOMPARE(d->Menubar, d->ButtonFace); // the skin's own face, not the system colour
    QCOMPARE(d->Buttonlight, clBtnHighlight);
    QCOMPARE(d->Hilight, clHighlight); // empty value = default
    QCOMPARE(d->MenuText, SkinRgb(30, 30, 31));
    QCOMPARE(d->ButtonText, SkinRgb(30, 30, 32));
    QCOMPARE(d->TitleTextActive, SkinRgb(255, 255, 253));
    QCOMPARE(d->Tabs->NormalColour2, SkinRgb(70, 70, 70));
    QCOMPARE(d->Tabs->PressedColour2, d->ButtonText);
    QCOMPARE(d->Tabs->NormalColour, 7);
    QCOMPARE(d->Tabs->MouseOverColour, -1);
    QVERIFY(d->Buttons->MouseOverColour2Given);
    QCOMPARE(d->Buttons->MouseOverColour2, SkinRgb(20, 60, 120));
    QCOMPARE(d->ButtonFaceBrush.color(), QColor(236, 240, 245));

    TTestSkin t;
    t.RemoveKey("Buttons", "PressedColour2");
    t.RemoveSection("Colours");
    auto e = Load(t);
    QVERIFY(!e->Buttons->PressedColour2Given);
    QCOMPARE(e->Buttons->PressedColour2, clBtnText);
    QCOMPARE(e->Menubar, clBtnFace);
}

void TestSkinObjects::colourTextParsing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("spaces") << "1 2 3" << 1 << 2 << 3;
    QTest::newRow("commas") << "1,2,3" << 1 << 2 << 3;
    QTest::newRow("letters") << "r1g2b3" << 1 << 2 << 3;
    QTest::newRow("padded") << "  10   20 30  " << 10 << 20 << 30;
    QTest::newRow("two numbers") << "5 6" << 5 << 6 << 0;
    QTest::newRow("mod 256") << "256 300 511" << 0 << 44 << 255;
    QTest::newRow("more than three") << "1 2 3 4 5" << 1 << 2 << 3;
    // 99999999999999999999 mod 256 = 255 (no overflow on long digit runs)
    QTest::newRow("huge") << "99999999999999999999 1 1" << 255 << 1 << 1;
    QTest::newRow("no digits") << "red" << 0 << 0 << 0;
}

void TestSkinObjects::colourTextParsing() {
    QFETCH(QString, text);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QCOMPARE(TSkinIniReader::ParseColourTriple(text), SkinColor(r + g * 256 + b * 65536));
}

void TestSkinObjects::captionTextColoursNeedAllThreeKeys() {
    TTestSkin s;
    s.RemoveKey("Personality", "InActiveTextG");
    auto d = Load(s);
    QCOMPARE(d->Title->ActiveText, SkinRgb(255, 255, 255));
    QCOMPARE(d->Title->InActiveText, clNone);
}

void TestSkinObjects::checkAndRadioFramesFromWidth() {
    TTestSkin s;
    s.RemoveKey("Buttons", "RadioButtonFrame");
    s.RemoveKey("Buttons", "CheckButtonFrame");
    s.SetStrip("radio.bmp", 4, QSize(13, 13));  // 52 x 13: 4 frames
    s.SetStrip("check.bmp", 10, QSize(16, 16)); // 160 x 16: 10 frames
    auto d = Load(s);
    QCOMPARE(d->Buttons->RadioButtonFrame, 4);
    QCOMPARE(d->Buttons->CheckButtonFrame, 10);

    TTestSkin t;
    t.RemoveKey("Buttons", "RadioButtonFrame");
    t.RemoveKey("Buttons", "RadioButton");
    t.SetStrip("check.bmp", 2, QSize(13, 13)); // 26 wide: still at least 4
    t.RemoveKey("Buttons", "CheckButtonFrame");
    auto e = Load(t);
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
    s.SetRawEntry("menuitem.bmp", QByteArray("BM not really a bitmap"));
    s.SetRawEntry("scrollbar.bmp", QByteArray());
    auto d = Load(s);
    QVERIFY(!d->SkinLoading());
    QCOMPARE(d->Top->Frame, 0);
    QCOMPARE(d->Top->FrameCount(), 1);
    QCOMPARE(d->Top->FrameRect(2, true), QRect(QPoint(0, 0), d->Top->Image.size()));
    QCOMPARE(d->Track->FrameCount(), 1);
    QCOMPARE(d->Track->LeftWidth, 500);
    QVERIFY(d->Tabs->HasImage());
    QVERIFY(d->Tabs->FrameRect(5).isEmpty()); // 3 columns hold no 5 frames
    QVERIFY(!d->MenuItem->HasImage());
    QVERIFY(!d->Scrollbar->HasImage());
    // The sample of the caption uses the whole image as one frame.
    QCOMPARE(d->TitleSampleColor, QRgbToSkinColor(s.FrameColour("top.bmp", 1)));
}

void TestSkinObjects::hostileBmpHeaderGivesEmptyImage() {
    TTestSkin s;
    QByteArray bmp = TTestSkin::BmpBytes(QImage(2, 2, QImage::Format_RGB32));
    qint32 huge = 60000;
    memcpy(bmp.data() + 18, &huge, 4); // width
    memcpy(bmp.data() + 22, &huge, 4); // height
    s.SetRawEntry("tabs.bmp", bmp);
    auto d = Load(s);
    QVERIFY(d->Tabs);
    QVERIFY(!d->Tabs->HasImage());
}

void TestSkinObjects::absurdNumbersEverywhereLoad_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("negative") << "-7";
    QTest::newRow("zero") << "0";
    QTest::newRow("huge") << "100000";
    QTest::newRow("int max") << "2147483647";
    QTest::newRow("int min") << "-2147483648";
}

void TestSkinObjects::absurdNumbersEverywhereLoad() {
    QFETCH(QString, value);
    TTestSkin s;
    const QStringList sections = {
        "Personality", "Buttons",   "Progress",    "Progress.Chunk", "Tabs",      "Tab.Pane",
        "ComboButton", "SunkEdge",  "ExtraImages", "Headerbar",      "Scrollbar", "HorzScrollThumb",
        "Track",       "TRACKVERT", "UpDown.Vert", "MDICONTROLS",    "BUTTON0",   "BUTTON5"};
    const QStringList keys = {"Frame",
                              "frame",
                              "FrameCount",
                              "LeftWidth",
                              "RightWidth",
                              "TopHeight",
                              "BottomHeight",
                              "Style",
                              "Tile",
                              "Trans",
                              "Action",
                              "Xcoord",
                              "TopFrame",
                              "LeftTopHeight",
                              "TopTopHeight",
                              "RadioButtonFrame",
                              "CheckButtonFrame",
                              "TileLeftMenu",
                              "TextShift"};
    for (const QString &section : sections)
        for (const QString &key : keys)
            s.SetKey(section, key, value);
    auto d = Load(s);
    QVERIFY(!d->SkinLoading());
    for (const TDataSkinObject *o : d->Objects()) {
        const QRect r = o->FrameRect(o->Frame);
        QVERIFY2(r.isEmpty() || QRect(QPoint(0, 0), o->Image.size()).contains(r),
                 qPrintable(o->Name));
    }
    QVERIFY(d->Toolbar && d->Toolbar->HasImage());
}

QTEST_MAIN(TestSkinObjects)
#include "tst_skinobjects.moc"
