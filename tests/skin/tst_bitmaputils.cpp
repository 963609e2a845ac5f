#include "skin/draw/bitmaputils.h"
#include "skin/draw/skincolor.h"

#include <QTest>
#include <QTransform>

using namespace skin;

namespace {

// A small image whose every pixel differs: x in red, y in green.
QImage Coded(int w, int h, QImage::Format format = QImage::Format_RGB32) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(20 * x + 1, 20 * y + 2, 99));
    return img.convertToFormat(format);
}

QPalette TestPalette() {
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(200, 100, 0));
    pal.setColor(QPalette::Inactive, QPalette::Highlight, QColor(90, 90, 90));
    pal.setColor(QPalette::Active, QPalette::Window, QColor(1, 2, 3));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 129, 130));
    return pal;
}

} // namespace

class TestBitmapUtils : public QObject {
    Q_OBJECT

private slots:
    void systemColours();
    void grayIsPlainMean();
    void replaceKeyColor();
    void mirrorFlipRotate();
    void blendColor_data();
    void blendColor();
    void colorSaturation_data();
    void colorSaturation();
};

void TestBitmapUtils::systemColours() {
    const QPalette pal = TestPalette();
    QCOMPARE(SkinColorToQRgb(0x332211), qRgb(0x11, 0x22, 0x33)); // red in the low byte
    QCOMPARE(QRgbToSkinColor(qRgb(0x11, 0x22, 0x33)), 0x332211);
    QCOMPARE(ColorToRGB(clBtnFace, pal), SkinRgb(10, 20, 30));
    QCOMPARE(ColorToRGB(clHighlight, pal), SkinRgb(200, 100, 0));
    QCOMPARE(ColorToRGB(clInactiveCaption, pal), SkinRgb(90, 90, 90));
    QCOMPARE(ColorToRGB(clGrayText, pal), SkinRgb(128, 129, 130));
    // Unknown indexes fall back to the window colour; the low byte alone picks the colour.
    QCOMPARE(ColorToRGB(SysColorValue(25), pal), SkinRgb(1, 2, 3));
    QCOMPARE(ColorToRGB(SysColorValue(200), pal), SkinRgb(1, 2, 3));
    QCOMPARE(ColorToRGB(SkinColor(0x8000000F), pal), SkinRgb(10, 20, 30));
    QCOMPARE(ColorToRGB(0x1FFFFFFF, pal), 0xFFFFFF); // plain colours: high byte cleared
    QCOMPARE(SkinToQColor(0x0000FF, pal), QColor(255, 0, 0));
}

void TestBitmapUtils::grayIsPlainMean() {
    QImage img(4, 1, QImage::Format_RGB888);
    img.setPixel(0, 0, qRgb(255, 0, 0));     // 85, not the luminance 76
    img.setPixel(1, 0, qRgb(1, 1, 2));       // 4 / 3 = 1
    img.setPixel(2, 0, qRgb(255, 255, 254)); // 764 / 3 = 254
    img.setPixel(3, 0, qRgb(0, 0, 0));
    GrayBitmap(img);
    QCOMPARE(img.format(), QImage::Format_RGB32);
    const int expected[] = {85, 1, 254, 0};
    for (int x = 0; x < 4; ++x)
        QCOMPARE(img.pixel(x, 0), qRgb(expected[x], expected[x], expected[x]));
    QImage null;
    GrayBitmap(null);
    QVERIFY(null.isNull());
}

void TestBitmapUtils::replaceKeyColor() {
    QImage img(4, 2, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    img.setPixel(1, 0, qRgb(255, 1, 255));
    img.setPixel(2, 0, qRgb(254, 0, 255));
    QImage copy = img;
    ReplaceKeyColor(img, 0x332211);
    QCOMPARE(img.pixel(0, 0), qRgb(0x11, 0x22, 0x33));
    QCOMPARE(img.pixel(3, 1), qRgb(0x11, 0x22, 0x33));
    QCOMPARE(img.pixel(1, 0), qRgb(255, 1, 255)); // exact key only
    QCOMPARE(img.pixel(2, 0), qRgb(254, 0, 255));
    QCOMPARE(copy.pixel(0, 0), qRgb(255, 0, 255)); // other copies keep their pixels
    ReplaceKeyColor(copy, clBtnFace);              // a system colour is used as it stands
    QCOMPARE(copy.pixel(0, 0), qRgb(15, 0, 0));
    QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(255, 0, 255, 255));
    ReplaceKeyColor(argb, 0x00FF00);
    QCOMPARE(argb.format(), QImage::Format_RGB32);
    QCOMPARE(argb.pixel(0, 0), qRgb(0, 255, 0));
}

void TestBitmapUtils::mirrorFlipRotate() {
    // Qt's own transforms are the reference (y points down, so +90 turns clockwise).
    for (const QSize size : {QSize(5, 3), QSize(4, 1), QSize(1, 4)}) {
        const QImage orig = Coded(size.width(), size.height());
        QImage m = orig, f = orig, l = orig, r = orig;
        MirrorBitmap(m);
        FlipBitmap(f);
        RotateBitmapLeft(l);
        RotateBitmapRight(r);
        QCOMPARE(m, orig.mirrored(true, false));
        QCOMPARE(f, orig.mirrored(false, true));
        QCOMPARE(l, orig.transformed(QTransform().rotate(-90)));
        QCOMPARE(r, orig.transformed(QTransform().rotate(90)));
        QCOMPARE(orig, Coded(size.width(), size.height())); // the source copy is untouched
    }
    QImage left = Coded(3, 2);
    RotateBitmapLeft(left);
    QCOMPARE(left.pixel(0, 0), Coded(3, 2).pixel(2, 0)); // counter-clockwise
    QImage argb = Coded(3, 2, QImage::Format_ARGB32);
    RotateBitmapRight(argb);
    QCOMPARE(argb.format(), QImage::Format_ARGB32);
    QImage rgb888 = Coded(3, 2, QImage::Format_RGB888);
    RotateBitmapLeft(rgb888);
    QCOMPARE(rgb888, left);
    QImage null;
    RotateBitmapLeft(null);
    RotateBitmapRight(null);
    MirrorBitmap(null);
    FlipBitmap(null);
    ReplaceKeyColor(null, 0);
    QVERIFY(null.isNull());
}

void TestBitmapUtils::blendColor_data() {
    QTest::addColumn<SkinColor>("a");
    QTest::addColumn<SkinColor>("b");
    QTest::addColumn<int>("weight");
    QTest::addColumn<SkinColor>("expected");
    const auto row = [](const char *name, SkinColor a, SkinColor b, int w, SkinColor e) {
        QTest::newRow(name) << a << b << w << e;
    };
    row("half", clWhite, clBlack, 50, SkinRgb(128, 128, 128));
    row("none", SkinRgb(200, 10, 255), SkinRgb(0, 90, 255), 0, SkinRgb(0, 90, 255));
    row("99 percent", clWhite, clBlack, 99, SkinRgb(252, 252, 252));
    row("100 is per mille", clWhite, clBlack, 100, SkinRgb(26, 26, 26));
    row("150 per mille", SkinRgb(200, 0, 100), SkinRgb(0, 200, 100), 150, SkinRgb(30, 170, 100));
    row("rounding 4.5", SkinRgb(10, 0, 0), clBlack, 45, SkinRgb(5, 0, 0));
    row("rounding 4.95", SkinRgb(11, 0, 0), clBlack, 45, SkinRgb(5, 0, 0));
    row("system colour", clBtnFace, clBlack, 50, SkinRgb(5, 10, 15));
    row("system second", clWhite, clHighlight, 50, SkinRgb(228, 178, 128));
    row("full scale", SkinRgb(200, 0, 50), SkinRgb(0, 255, 60), 1000, SkinRgb(200, 0, 50));
    row("beyond scale, no wrap", SkinRgb(200, 0, 50), SkinRgb(0, 255, 60), 5000,
        SkinRgb(200, 0, 50));
    row("negative", SkinRgb(200, 0, 50), SkinRgb(0, 255, 60), -20, SkinRgb(0, 255, 60));
}

void TestBitmapUtils::blendColor() {
    QFETCH(SkinColor, a);
    QFETCH(SkinColor, b);
    QFETCH(int, weight);
    QFETCH(SkinColor, expected);
    QCOMPARE(BlendColor(a, b, weight, TestPalette()), expected);
}

void TestBitmapUtils::colorSaturation_data() {
    QTest::addColumn<SkinColor>("colour");
    QTest::addColumn<int>("expected");
    const auto row = [](const char *name, SkinColor c, int e) { QTest::newRow(name) << c << e; };
    row("orange", SkinRgb(100, 50, 20), 200);
    row("olive", SkinRgb(159, 159, 0), 200);
    row("pure red", SkinRgb(255, 0, 0), 255);
    row("dark red", SkinRgb(160, 0, 0), 255);
    row("white", clWhite, 0);
    row("127.5 to even", SkinRgb(200, 200, 100), 128);
    row("1.5 to even", SkinRgb(170, 169, 169), 2);
    row("4.5 to even", SkinRgb(169, 170, 167), 4);
    row("light", SkinRgb(255, 200, 200), 55);
    row("exact 51", SkinRgb(180, 200, 160), 51);
    row("91.8 up", SkinRgb(250, 200, 160), 92);
}

void TestBitmapUtils::colorSaturation() {
    QFETCH(SkinColor, colour);
    QFETCH(int, expected);
    QCOMPARE(ColorSaturation(colour), expected);
}

QTEST_MAIN(TestBitmapUtils)
#include "tst_bitmaputils.moc"
