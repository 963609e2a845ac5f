// Our own skin, as the program carries it: the package embedded at build time, read through
// the skin-data component exactly as a window reads its SkinStream.

#include "skin/data/skinmetrics.h"
#include "skin/data/tskindata.h"
#include "skin/draw/keyedblit.h"
#include "skin/package/skinreader.h"
#include "skinresource.h"
#include "support/skin/classic_lzhuf.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace skin;

namespace {

QByteArray embeddedPackage() {
    kexboraInitSkinResource();
    QFile file(QStringLiteral(":/skins/kexbora.skn"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A pixel a keyed drawing would show although it was meant to be transparent: close to the
// key colour but not equal to it (an anti-aliasing fringe).
bool almostKey(QRgb px) {
    return px != KeyColor && qRed(px) > 240 && qGreen(px) < 16 && qBlue(px) > 240;
}

int countPixels(const QImage &image, const std::function<bool(QRgb)> &test) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            n += test(line[x] | 0xFF000000u) ? 1 : 0;
    }
    return n;
}

struct Expected {
    const char *name;
    const TDataSkinObject *object;
    bool vertical; // frames stacked
};

} // namespace

class tst_OurSkin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void loadsThroughSkinStream();
    void everyObjectHasFittingImage_data();
    void everyObjectHasFittingImage();
    void frameCountsAfterReading();
    void captionButtons();
    void derivedImages();
    void coloursAreAllGiven();
    void noKeyFringes();
    void opaqueImagesHoldNoKeyPixels();
    void windowCornersShapeTheRegion();
    void fallbackResources();
    void generationIsDeterministic();
    void classicCoderAgrees();

private:
    QList<Expected> objects() const;
    QByteArray package;
    std::unique_ptr<TSkinData> data;
};

void tst_OurSkin::initTestCase() {
    package = embeddedPackage();
    QVERIFY2(!package.isEmpty(), "the embedded skin package is missing");
    data = std::make_unique<TSkinData>();
    data->SetSkinStream(package);
}

void tst_OurSkin::loadsThroughSkinStream() {
    QVERIFY(!data->SkinLoading());
    QCOMPARE(data->SkinName, QStringLiteral("skin.ini"));
    // The package is a version 20000 package holding the INI and nothing but BMPs besides.
    TSkinReader reader;
    QVERIFY(reader.LoadPackage(package));
    QCOMPARE(reader.Version(), 20000u);
    QCOMPARE(reader.Names().first(), QStringLiteral("skin.ini"));
    for (const QString &name : reader.Names().mid(1)) {
        QVERIFY2(name.endsWith(QLatin1String(".bmp")), qPrintable(name));
        QByteArray bytes;
        QVERIFY(reader.ExtractFile(name, bytes));
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(quint16(uchar(bytes[28]) | uchar(bytes[29]) << 8), quint16(24)); // bit count
    }
}

QList<Expected> tst_OurSkin::objects() const {
    const TSkinData &d = *data;
    return {
        {"Left", d.Left.get(), false},
        {"Right", d.Right.get(), false},
        {"Top", d.Top.get(), true},
        {"Bottom", d.Bottom.get(), true},
        {"Title", d.Title.get(), true},
        {"Buttons", d.Buttons.get(), false},
        {"Progress", d.Progress.get(), false},
        {"Progress.Chunk", d.ProgressChunk.get(), false},
        {"menuBar", d.menuBar.get(), true},
        {"GroupBoxEdge", d.GroupBoxEdge.get(), false},
        {"GroupBox", d.GroupBox.get(), false},
        {"Tabs", d.Tabs.get(), false},
        {"StatusBarEdges", d.StatusBarEdges.get(), false},
        {"Tab.Pane", d.TabPane.get(), false},
        {"ToolBars", d.ToolBars.get(), false},
        {"ComboButton", d.ComboButton.get(), false},
        {"SunkEdge", d.SunkEdge.get(), false},
        {"ExtraImages", d.ExtraImages.get(), false},
        {"Headerbar", d.Headerbar.get(), false},
        {"MenuItem", d.MenuItem.get(), false},
        {"MenuBackground", d.MenuBackground.get(), false},
        {"Scrollbar", d.Scrollbar.get(), false},
        {"HorzScroll", d.HorzScroll.get(), false},
        {"VertScroll", d.VertScroll.get(), false},
        {"HorzScrollThumb", d.HorzScrollThumb.get(), false},
        {"VertScrollThumb", d.VertScrollThumb.get(), false},
        {"Trackbar.ThumbHorz", d.TrackbarThumbHorz.get(), false},
        {"Trackbar.ThumbVert", d.TrackbarThumbVert.get(), false},
        {"Trackbar.ThumbLeft", d.TrackbarThumbLeft.get(), false},
        {"Trackbar.ThumbRight", d.TrackbarThumbRight.get(), false},
        {"Trackbar.ThumbUp", d.TrackbarThumbUp.get(), false},
        {"Trackbar.ThumbDown", d.TrackbarThumbDown.get(), false},
        {"UpDown.Horz", d.UpDownHorz.get(), false},
        {"UpDown.Vert", d.UpDownVert.get(), false},
        {"Track", d.Track.get(), false},
        {"TRACKVERT", d.TRACKVERT.get(), false},
        {"ComboxArrow", d.ComboxArrow.get(), false},
        {"Toolbar", d.Toolbar.get(), true},
    };
}

void tst_OurSkin::everyObjectHasFittingImage_data() {
    QTest::addColumn<int>("index");
    const QList<Expected> list = objects();
    for (int i = 0; i < list.size(); ++i)
        QTest::newRow(list.at(i).name) << i;
}

void tst_OurSkin::everyObjectHasFittingImage() {
    QFETCH(int, index);
    const Expected e = objects().at(index);
    QVERIFY2(e.object, "object absent");
    QVERIFY(e.object->HasImage());
    const QImage &img = e.object->Image;
    const int n = e.object->Frame;
    QVERIFY2(n >= 1, "no frame count");
    // Every frame has the same size, and no columns or rows are left over.
    const int along = e.vertical ? img.height() : img.width();
    QCOMPARE(along % n, 0);
    const QSize frame = e.object->FrameSize(e.vertical);
    QVERIFY(!frame.isEmpty());
    // The drawing margins leave something to stretch in every frame. The title's margins
    // place the caption text; its plate is drawn with the TXTBack margins.
    if (e.object == data->Title.get()) {
        QVERIFY(data->Title->TXTBackleft + data->Title->TXTBackRight < frame.width());
        return;
    }
    QVERIFY2(e.object->LeftWidth + e.object->RightWidth <= frame.width(), "margins too wide");
    QVERIFY2(e.object->TopHeight + e.object->BottomHeight <= frame.height(), "margins too tall");
}

void tst_OurSkin::frameCountsAfterReading() {
    // The counts the painters rely on: a wrong strip width shows the wrong state.
    QCOMPARE(data->Buttons->FrameCount(), 5);
    QCOMPARE(data->Buttons->CheckButtonFrame, 12);
    QCOMPARE(data->Buttons->RadioButtonFrame, 8);
    QCOMPARE(data->Buttons->CheckImage.width() % 12, 0);
    QCOMPARE(data->Buttons->RadioImage.width() % 8, 0);
    QCOMPARE(data->Buttons->CheckImage.width() / 12, data->Buttons->CheckImage.height());
    QCOMPARE(data->Buttons->RadioImage.width() / 8, data->Buttons->RadioImage.height());
    QCOMPARE(data->Headerbar->FrameCount(), 2);
    QCOMPARE(data->Scrollbar->FrameCount(), 23);
    QCOMPARE(data->HorzScrollThumb->FrameCount(), 3);
    QCOMPARE(data->VertScrollThumb->FrameCount(), 3);
    QCOMPARE(data->UpDownHorz->FrameCount(), 8);
    QCOMPARE(data->UpDownVert->FrameCount(), 8);
    QCOMPARE(data->UpDownHorz->Image2.width() % 8, 0);
    QCOMPARE(data->UpDownVert->Image2.width() % 8, 0);
    QCOMPARE(data->Progress->FrameCount(), 2);
    // Scroll-bar parts must match the engine's arrow size, or the painter ignores them.
    QCOMPARE(data->Scrollbar->FrameSize(), QSize(kArrowSize, kArrowSize));
    QCOMPARE(data->HorzScroll->Image.height(), kArrowSize);
    QCOMPARE(data->HorzScrollThumb->Image.height(), kArrowSize);
    QCOMPARE(data->VertScrollThumb->FrameSize().width(), kArrowSize);
    // The window frame: borders as thick as their images say, caption as tall as the top.
    QCOMPARE(data->Left->FrameSize().width(), data->Right->FrameSize().width());
    QCOMPARE(data->Top->FrameSize(true).height(), data->Left->TopHeight);
    QCOMPARE(data->Bottom->FrameSize(true).height(), data->Left->BottomHeight);
    QCOMPARE(data->Title->FrameSize(true).height(), data->Top->FrameSize(true).height());
}

void tst_OurSkin::captionButtons() {
    // Close, maximize, restore, minimize, system menu, help, then the three MDI buttons.
    QCOMPARE(int(data->TitleButtons.size()), 6 + 3);
    int withImage = 0;
    for (const auto &b : data->TitleButtons) {
        if (b->Action == 3) {
            QVERIFY(!b->HasImage()); // the window icon is drawn instead
            continue;
        }
        QVERIFY2(b->HasImage(), qPrintable(b->Name));
        QCOMPARE(b->FrameCount(), 4);
        QCOMPARE(b->Image.width() % 4, 0);
        ++withImage;
        if (b->Action < 7) {
            // Inside the caption, right of the title text area.
            QVERIFY(b->Ycoord + b->Image.height() <= data->Top->FrameSize(true).height());
            QVERIFY(b->Xcoord >= b->FrameSize().width());
        }
    }
    QCOMPARE(withImage, 8);
    // Buttons aligned to the right do not overlap each other or the right border.
    QList<QPair<int, int>> spans; // [left, right) measured from the window's right edge
    for (const auto &b : data->TitleButtons)
        if (b->Align == 1 && b->Action != 4 && b->Visibility != 1)
            spans.append({b->Xcoord, b->Xcoord - b->FrameSize().width()});
    for (const auto &s : spans) {
        QVERIFY(s.second >= data->Right->FrameSize().width());
        for (const auto &o : spans)
            if (&s != &o)
                QVERIFY(s.second >= o.first || o.second >= s.first);
    }
}

void tst_OurSkin::derivedImages() {
    QCOMPARE(data->ComboButton->Style, 2);
    QCOMPARE(data->ComboxArrow->FrameCount(), 4);
    QCOMPARE(data->ComboxArrow->Image.size(), QSize(4 * 17, 17));
    // Each arrow frame shows a drawn arrow (not just key or background).
    for (int i = 1; i <= 4; ++i) {
        const QImage f = data->ComboxArrow->FrameImage(i);
        const QRgb around = f.pixel(1, 1);
        QVERIFY2(countPixels(f, [&](QRgb p) { return p != around; }) > 6, "empty arrow frame");
    }
    QVERIFY(data->Toolbar->HasImage());
    // The sample colour comes from the caption, not from the face colour.
    QVERIFY(data->TitleSampleColor != data->ButtonFace);
}

void tst_OurSkin::coloursAreAllGiven() {
    const SkinColor colours[] = {data->WindowText,  data->TitleTextActive, data->TitleTextNoActive,
                                 data->ButtonFace,  data->ButtonText,      data->ButtonHilight,
                                 data->Buttonlight, data->ButtonShadow,    data->ButtonDkShadow,
                                 data->HilightText, data->Hilight,         data->Menubar,
                                 data->MenuBarText, data->MenuText,        data->Menu};
    for (SkinColor c : colours)
        QVERIFY2(c >= 0, "a colour fell back to a system colour");
    // Text must stand out from what it is drawn on.
    auto lum = [](SkinColor c) {
        return (c & 0xFF) * 3 + ((c >> 8) & 0xFF) * 6 + ((c >> 16) & 0xFF);
    };
    QVERIFY(qAbs(lum(data->ButtonText) - lum(data->ButtonFace)) > 1000);
    QVERIFY(qAbs(lum(data->MenuText) - lum(data->Menu)) > 1000);
    QVERIFY(qAbs(lum(data->HilightText) - lum(data->Hilight)) > 600);
}

void tst_OurSkin::noKeyFringes() {
    TSkinReader reader;
    QVERIFY(reader.LoadPackage(package));
    for (const QString &name : reader.Names()) {
        if (!name.endsWith(QLatin1String(".bmp")))
            continue;
        QByteArray bytes;
        QVERIFY(reader.ExtractFile(name, bytes));
        const QImage img = QImage::fromData(bytes, "BMP");
        QVERIFY2(!img.isNull(), qPrintable(name));
        QVERIFY2(countPixels(img, almostKey) == 0, qPrintable(name));
    }
}

void tst_OurSkin::opaqueImagesHoldNoKeyPixels() {
    // Objects the painters copy opaque would show any key pixel as magenta.
    const TDataSkinObject *opaque[] = {data->Top.get(),
                                       data->Bottom.get(),
                                       data->menuBar.get(),
                                       data->Progress.get(),
                                       data->HorzScroll.get(),
                                       data->VertScroll.get(),
                                       data->Headerbar.get(),
                                       data->TabPane.get(),
                                       data->StatusBarEdges.get(),
                                       data->MenuBackground.get(),
                                       data->Track.get(),
                                       data->TRACKVERT.get()};
    for (const TDataSkinObject *o : opaque) {
        QCOMPARE(o->Trans, 0);
        QVERIFY2(countPixels(o->Image, [](QRgb p) { return p == KeyColor; }) == 0,
                 qPrintable(o->Name));
    }
    // And keyed ones really use the key: corners of plates, the background of glyphs.
    const TDataSkinObject *keyed[] = {data->Buttons.get(), data->Scrollbar.get(),
                                      data->ExtraImages.get(), data->MenuItem.get(),
                                      data->Tabs.get()};
    for (const TDataSkinObject *o : keyed) {
        QVERIFY(o->Trans != 0);
        QVERIFY2(countPixels(o->Image, [](QRgb p) { return p == KeyColor; }) > 0,
                 qPrintable(o->Name));
    }
}

void tst_OurSkin::windowCornersShapeTheRegion() {
    // The rounded top corners of the side borders are cut out of the window region; the
    // straight part of the border is solid.
    const QImage left = data->Left->FrameImage(1);
    const QRegion region = BitmapToRegion(left, 0, 0, KeyColor, 1, 1, 1);
    QVERIFY(!region.contains(QPoint(0, 0)));
    QVERIFY(region.contains(QPoint(left.width() - 1, 0)));
    for (int y = 3; y < left.height(); ++y)
        QVERIFY(region.contains(QPoint(0, y)));
    const QImage right = data->Right->FrameImage(1);
    QCOMPARE(right, left.mirrored(true, false));
}

void tst_OurSkin::fallbackResources() {
    kexboraInitSkinResource();
    const QImage glyphs = TSkinData::LoadResourceImage(QStringLiteral("TORVANDMENU"));
    QCOMPARE(glyphs.size(), QSize(64, 16));
    // Each 16x16 glyph is drawn on white (its mask colour) and differs from the others.
    QList<QImage> cells;
    for (int i = 0; i < 4; ++i) {
        const QImage cell = glyphs.copy(16 * i, 0, 16, 16);
        QCOMPARE(cell.pixel(0, 0), qRgb(255, 255, 255));
        QVERIFY(countPixels(cell, [](QRgb p) { return p != qRgb(255, 255, 255); }) > 8);
        for (const QImage &other : cells)
            QVERIFY(cell != other);
        cells << cell;
    }
    for (const char *name : {"TRACK", "TRACKVERT"}) {
        const QImage track = TSkinData::LoadResourceImage(QString::fromLatin1(name));
        QVERIFY2(!track.isNull(), name);
        // The fallbacks are drawn with all margins 3: room for a middle in both directions.
        QVERIFY(track.width() > 6 && track.height() > 6);
    }
}

void tst_OurSkin::generationIsDeterministic() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QList<QByteArray> outputs;
    for (int run = 0; run < 2; ++run) {
        const QString out = dir.filePath(QStringLiteral("run%1.skn").arg(run));
        QProcess proc;
        proc.start(QStringLiteral(SKINPACK_EXECUTABLE),
                   {QStringLiteral("generate"), QStringLiteral("--out"), out});
        QVERIFY(proc.waitForFinished(60000));
        QCOMPARE(proc.exitCode(), 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        outputs << f.readAll();
    }
    QCOMPARE(outputs.at(0), outputs.at(1));
    // The package built into the program is the same one.
    QCOMPARE(outputs.at(0), package);
}

void tst_OurSkin::classicCoderAgrees() {
    // The classic 1988-style decoder reads our package to the same bytes as the engine.
    QByteArray ours, classic;
    QVERIFY(TSkinReader::UnpackSkin(package, ours));
    QVERIFY(classic_lzhuf::Decode(package, classic));
    QCOMPARE(classic, ours);
    // The same skin packed by the classic encoder loads to the same objects.
    const QByteArray repacked = classic_lzhuf::Encode(ours);
    QVERIFY(!repacked.isEmpty());
    TSkinData other;
    other.SetSkinStream(repacked);
    QVERIFY(!other.SkinLoading());
    const QList<const TDataSkinObject *> a = data->Objects();
    const QList<const TDataSkinObject *> b = other.Objects();
    QCOMPARE(b.size(), a.size());
    for (int i = 0; i < a.size(); ++i) {
        QCOMPARE(b.at(i)->Name, a.at(i)->Name);
        QCOMPARE(b.at(i)->Image, a.at(i)->Image);
    }
}

QTEST_MAIN(tst_OurSkin)
#include "tst_ourskin.moc"
