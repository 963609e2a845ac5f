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

QByteArray EmbeddedPackage() {
    kexboraInitSkinResource();
    QFile file(QStringLiteral(":/skins/kexbora.skn"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int CountPixels(const QImage &image, const std::function<bool(QRgb)> &test) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += test(img.pixel(x, y) | 0xFF000000u);
    return n;
}

bool IsKey(QRgb p) {
    return p == KeyColor;
}

} // namespace

class tst_OurSkin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void packageHoldsOnlyPlainBitmapsWithoutFringes();
    void everyObjectHasFittingFrames();
    void sizesThePaintersRelyOn();
    void captionButtons();
    void coloursAndKeying();
    void fallbackResources();
    void generationIsDeterministic();
    void classicCoderAgrees();

private:
    QByteArray package;
    std::shared_ptr<const SkinObjects> data;
};

void tst_OurSkin::initTestCase() {
    package = EmbeddedPackage();
    QVERIFY2(!package.isEmpty(), "the embedded skin package is missing");
    TSkinData component;
    component.SetSkinStream(package);
    data = component.Objects();
    QVERIFY(data);
}

void tst_OurSkin::packageHoldsOnlyPlainBitmapsWithoutFringes() {
    // A version 20000 package: the INI first, then 24-bit BMPs with no anti-aliased pixel
    // near the key colour (it would show as a pink fringe).
    TSkinReader reader;
    QVERIFY(reader.LoadPackage(package));
    QCOMPARE(reader.Version(), 20000u);
    QCOMPARE(reader.Names().first(), QStringLiteral("skin.ini"));
    for (const QString &name : reader.Names().mid(1)) {
        QByteArray bytes;
        QVERIFY2(name.endsWith(QLatin1String(".bmp")) && reader.ExtractFile(name, bytes),
                 qPrintable(name));
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(int(uchar(bytes[28])), 24); // bit count
        const QImage img = QImage::fromData(bytes, "BMP");
        QVERIFY2(!img.isNull(), qPrintable(name));
        QVERIFY2(CountPixels(img,
                             [](QRgb p) {
                                 return p != KeyColor && qRed(p) > 240 && qGreen(p) < 16 &&
                                        qBlue(p) > 240;
                             }) == 0,
                 qPrintable(name));
    }
}

void tst_OurSkin::everyObjectHasFittingFrames() {
    // Every object has an image of whole frames, with margins that leave a middle to stretch.
    const QList<const TDataSkinObject *> vertical = {data->Top.get(), data->Bottom.get(),
                                                     data->Title.get(), data->menuBar.get(),
                                                     data->Toolbar.get()};
    const QList<const TDataSkinObject *> objects = data->All();
    QVERIFY(objects.size() >= 38);
    for (const TDataSkinObject *o : objects) {
        if (o->Name.startsWith(QLatin1String("BUTTON")))
            continue; // caption buttons below
        QVERIFY2(o->HasImage() && o->Frame >= 1, qPrintable(o->Name));
        const bool v = vertical.contains(o);
        QCOMPARE((v ? o->Image.height() : o->Image.width()) % o->Frame, 0);
        const QSize frame = o->FrameSize(v);
        if (o == data->Title.get()) { // the title's margins place the text, not the plate
            QVERIFY(data->Title->TXTBackleft + data->Title->TXTBackRight < frame.width());
            continue;
        }
        QVERIFY2(o->LeftWidth + o->RightWidth <= frame.width(), qPrintable(o->Name));
        QVERIFY2(o->TopHeight + o->BottomHeight <= frame.height(), qPrintable(o->Name));
    }
}

void tst_OurSkin::sizesThePaintersRelyOn() {
    const SkinObjects &d = *data;
    QCOMPARE(d.Buttons->CheckImage.width(), 12 * d.Buttons->CheckImage.height()); // square
    QCOMPARE(d.Buttons->RadioImage.width(), 8 * d.Buttons->RadioImage.height());
    QCOMPARE(QList<int>({d.Buttons->FrameCount(), d.Headerbar->FrameCount(),
                         d.Scrollbar->FrameCount(), d.HorzScrollThumb->FrameCount(),
                         d.UpDownHorz->FrameCount(), d.Progress->FrameCount()}),
             QList<int>({5, 2, 23, 3, 8, 2}));
    QCOMPARE(d.UpDownVert->Image2.width() % 8, 0);
    // Scroll-bar parts must match the engine's arrow size, or the painter ignores them.
    QCOMPARE(d.Scrollbar->FrameSize(), QSize(kArrowSize, kArrowSize));
    QCOMPARE(d.HorzScroll->Image.height(), kArrowSize);
    QCOMPARE(d.VertScrollThumb->FrameSize().width(), kArrowSize);
    // The window frame: borders as thick as their images say, caption as tall as the top.
    QCOMPARE(d.Top->FrameSize(true).height(), d.Left->TopHeight);
    QCOMPARE(d.Bottom->FrameSize(true).height(), d.Left->BottomHeight);
    QCOMPARE(d.Title->FrameSize(true).height(), d.Top->FrameSize(true).height());
    // The rounded top corners are cut out of the window region; the straight part is solid.
    const QImage left = d.Left->FrameImage(1);
    QCOMPARE(d.Right->FrameImage(1), left.mirrored(true, false));
    const QRegion region = BitmapToRegion(left, 0, 0, KeyColor, 1, 1, 1);
    QVERIFY(!region.contains(QPoint(0, 0)) && region.contains(QPoint(left.width() - 1, 0)));
    for (int y = 3; y < left.height(); ++y)
        QVERIFY(region.contains(QPoint(0, y)));
    // Derived images: a drawn arrow in every frame, the toolbar from the caption's colour.
    QCOMPARE(d.ComboxArrow->Image.size(), QSize(4 * 17, 17));
    for (int i = 1; i <= 4; ++i) {
        const QImage f = d.ComboxArrow->FrameImage(i);
        QVERIFY(CountPixels(f, [&](QRgb p) { return p != (f.pixel(1, 1) | 0xFF000000u); }) > 6);
    }
    QVERIFY(d.Toolbar->HasImage());
    QVERIFY(d.TitleSampleColor != d.ButtonFace);
}

void tst_OurSkin::captionButtons() {
    // Close, maximize, restore, minimize, system menu, help, then the three MDI buttons.
    QCOMPARE(int(data->TitleButtons.size()), 6 + 3);
    QList<QPair<int, int>> spans; // [left, right) measured from the window's right edge
    for (const auto &b : data->TitleButtons) {
        QCOMPARE(b->HasImage(), b->Action != 3); // the system menu shows the window icon
        if (b->Action == 3)
            continue;
        QCOMPARE(b->FrameCount(), 4);
        QCOMPARE(b->Image.width() % 4, 0);
        if (b->Action < 7) // inside the caption
            QVERIFY(b->Ycoord + b->Image.height() <= data->Top->FrameSize(true).height());
        if (b->Align == 1 && b->Action != 4 && b->Visibility != 1 && b->Action < 7)
            spans.append({b->Xcoord, b->Xcoord - b->FrameSize().width()});
    }
    for (const auto &s : spans) { // no overlap with each other or the right border
        QVERIFY(s.second >= data->Right->FrameSize().width());
        for (const auto &o : spans)
            QVERIFY(&s == &o || s.second >= o.first || o.second >= s.first);
    }
}

void tst_OurSkin::coloursAndKeying() {
    const SkinObjects &d = *data;
    for (SkinColor c :
         {d.WindowText, d.TitleTextActive, d.TitleTextNoActive, d.ButtonFace, d.ButtonText,
          d.ButtonHilight, d.Buttonlight, d.ButtonShadow, d.ButtonDkShadow, d.HilightText,
          d.Hilight, d.Menubar, d.MenuBarText, d.MenuText, d.Menu})
        QVERIFY2(c >= 0, "a colour fell back to a system colour");
    const auto lum = [](SkinColor c) { return SkinRed(c) * 3 + SkinGreen(c) * 6 + SkinBlue(c); };
    QVERIFY(qAbs(lum(d.ButtonText) - lum(d.ButtonFace)) > 1000); // text stands out
    QVERIFY(qAbs(lum(d.MenuText) - lum(d.Menu)) > 1000);
    QVERIFY(qAbs(lum(d.HilightText) - lum(d.Hilight)) > 600);
    // Objects copied opaque would show a key pixel as magenta; keyed ones really use the key.
    using Objects = std::initializer_list<const TDataSkinObject *>;
    for (const TDataSkinObject *o :
         Objects{d.Top.get(), d.Bottom.get(), d.menuBar.get(), d.Progress.get(), d.HorzScroll.get(),
                 d.VertScroll.get(), d.Headerbar.get(), d.TabPane.get(), d.StatusBarEdges.get(),
                 d.MenuBackground.get(), d.Track.get(), d.TRACKVERT.get()})
        QVERIFY2(o->Trans == 0 && CountPixels(o->Image, IsKey) == 0, qPrintable(o->Name));
    for (const TDataSkinObject *o : Objects{d.Buttons.get(), d.Scrollbar.get(), d.ExtraImages.get(),
                                            d.MenuItem.get(), d.Tabs.get()})
        QVERIFY2(o->Trans != 0 && CountPixels(o->Image, IsKey) > 0, qPrintable(o->Name));
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
        QVERIFY(CountPixels(cell, [](QRgb p) { return p != qRgb(255, 255, 255); }) > 8);
        QVERIFY(!cells.contains(cell));
        cells << cell;
    }
    for (const char *name : {"TRACK", "TRACKVERT"}) { // drawn with all margins 3
        const QImage track = TSkinData::LoadResourceImage(QString::fromLatin1(name));
        QVERIFY2(track.width() > 6 && track.height() > 6, name);
    }
}

void tst_OurSkin::generationIsDeterministic() {
    QTemporaryDir dir;
    QList<QByteArray> outputs;
    for (int run = 0; run < 2; ++run) {
        const QString out = dir.filePath(QStringLiteral("run%1.skn").arg(run));
        QProcess proc;
        proc.start(QStringLiteral(SKINPACK_EXECUTABLE), {QStringLiteral("generate"), "--out", out});
        QVERIFY(proc.waitForFinished(60000));
        QCOMPARE(proc.exitCode(), 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        outputs << f.readAll();
    }
    QCOMPARE(outputs.at(0), outputs.at(1));
    QCOMPARE(outputs.at(0), package); // the package built into the program is the same one
}

void tst_OurSkin::classicCoderAgrees() {
    // The classic decoder reads our package to the same bytes as the engine, and the package
    // packed again by the classic encoder loads to the same objects.
    QByteArray ours, classic;
    QVERIFY(TSkinReader::UnpackSkin(package, ours));
    QVERIFY(classic_lzhuf::Decode(package, classic));
    QCOMPARE(classic, ours);
    TSkinData other;
    other.SetSkinStream(classic_lzhuf::Encode(ours));
    QVERIFY(other.Objects());
    const QList<const TDataSkinObject *> a = data->All(), b = other.Objects()->All();
    QCOMPARE(b.size(), a.size());
    for (int i = 0; i < a.size(); ++i) {
        QCOMPARE(b.at(i)->Name, a.at(i)->Name);
        QCOMPARE(b.at(i)->Image, a.at(i)->Image);
    }
}

QTEST_MAIN(tst_OurSkin)
#include "tst_ourskin.moc"
