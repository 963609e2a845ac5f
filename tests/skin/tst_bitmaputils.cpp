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
    pal.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(255, 255, 225));
    return pal;
}

} // namespace

class TestBitmapUtils : public QObject {
    Q_OBJECT

private slots:
    void colourLayout();
    void systemColours();
    void grayIsPlainMean();
    void replaceKeyColor();
    void mirrorAndFlip();
    void rotate();
    void rotateFormatsAndNull();
    void blendColor();
    void blendColorSystemAndRange();
    void colorSaturation();
};

void TestBitmapUtils::colourLayout() {
    // Red in the low byte: 0x00332211 is red 0x11, green 0x22, blue 0x33.
    QCOMPARE(SkinRed(0x332211), 0x11);
    QCOMPARE(SkinGreen(0x332211), 0x22);
    QCOMPARE(SkinBlue(0x332211), 0x33);
    QCOMPARE(SkinColorToQRgb(0x332211), qRgb(0x11, 0x22, 0x33));
    QCOMPARE(QRgbToSkinColor(qRgb(0x11, 0x22, 0x33)), 0x332211);
    QCOMPARE(SkinColorToQRgb(clKeyColor), qRgb(255, 0, 255));
    QVERIFY(clBtnFace < 0);
    QCOMPARE(clBtnFace & 0xFF, 15);
}

void TestBitmapUtils::systemColours() {
    const QPalette pal = TestPalette();
    QCOMPARE(ColorToRGB(clBtnFace, pal), SkinRgb(10, 20, 30));
    QCOMPARE(ColorToRGB(clHighlight, pal), SkinRgb(200, 100, 0));
    QCOMPARE(ColorToRGB(clInactiveCaption, pal), SkinRgb(90, 90, 90));
    QCOMPARE(ColorToRGB(clGrayText, pal), SkinRgb(128, 129, 130));
    QCOMPARE(ColorToRGB(clInfoBk, pal), SkinRgb(255, 255, 225));
    QCOMPARE(ColorToRGB(clMenu, pal), SkinRgb(1, 2, 3));
    // An unknown index falls back to the window colour.
    QCOMPARE(ColorToRGB(SysColorValue(25), pal), SkinRgb(1, 2, 3));
    QCOMPARE(ColorToRGB(SysColorValue(200), pal), SkinRgb(1, 2, 3));
    // The low byte alone picks the colour, whatever the high bits of a negative value.
    QCOMPARE(ColorToRGB(SkinColor(0x8000000F), pal), SkinRgb(10, 20, 30));
    // Plain colours pass through with the high byte cleared.
    QCOMPARE(ColorToRGB(0x123456, pal), 0x123456);
    QCOMPARE(ColorToRGB(0x1FFFFFFF, pal), 0xFFFFFF);
    QCOMPARE(SkinToQColor(clHighlight, pal), QColor(200, 100, 0));
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
    QCOMPARE(img.pixel(0, 0), qRgb(85, 85, 85));
    QCOMPARE(img.pixel(1, 0), qRgb(1, 1, 1));
    QCOMPARE(img.pixel(2, 0), qRgb(254, 254, 254));
    QCOMPARE(img.pixel(3, 0), qRgb(0, 0, 0));
    QImage null;
    GrayBitmap(null);
    QVERIFY(null.isNull());
}

void TestBitmapUtils::replaceKeyColor() {
    QImage img(4, 2, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    img.setPixel(1, 0, qRgb(255, 1, 255));
    img.setPixel(2, 0, qRgb(254, 0, 255));
    img.setPixel(3, 1, qRgb(255, 0, 254));
    QImage copy = img;
    ReplaceKeyColor(img, 0x332211);
    QCOMPARE(img.pixel(0, 0), qRgb(0x11, 0x22, 0x33));
    QCOMPARE(img.pixel(0, 1), qRgb(0x11, 0x22, 0x33));
    QCOMPARE(img.pixel(1, 0), qRgb(255, 1, 255));
    QCOMPARE(img.pixel(2, 0), qRgb(254, 0, 255));
    QCOMPARE(img.pixel(3, 1), qRgb(255, 0, 254));
    QCOMPARE(copy.pixel(0, 0), qRgb(255, 0, 255)); // other copies keep their pixels
    // A system colour is used as it stands: its index lands in red.
    ReplaceKeyColor(copy, clBtnFace);
    QCOMPARE(copy.pixel(0, 0), qRgb(15, 0, 0));
    // Other formats become RGB32 with the same result.
    QImage argb = copy.convertToFormat(QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(255, 0, 255, 255));
    ReplaceKeyColor(argb, 0x00FF00);
    QCOMPARE(argb.format(), QImage::Format_RGB32);
    QCOMPARE(argb.pixel(0, 0), qRgb(0, 255, 0));
}

void TestBitmapUtils::mirrorAndFlip() {
    const QImage orig = Coded(5, 3);
    QImage m = orig;
    MirrorBitmap(m);
    QImage f = orig;
    FlipBitmap(f);
    QCOMPARE(m.size(), orig.size());
    QCOMPARE(f.size(), orig.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            QCOMPARE(m.pixel(x, y), orig.pixel(4 - x, y));
            QCOMPARE(f.pixel(x, y), orig.pixel(x, 2 - y));
        }
    QCOMPARE(m, orig.mirrored(true, false));
    QCOMPARE(f, orig.mirrored(false, true));
    // Twice gives the original; single rows and columns work; the source copy is untouched.
    MirrorBitmap(m);
    FlipBitmap(f);
    QCOMPARE(m, orig);
    QCOMPARE(f, orig);
    QImage row = Coded(4, 1), column = Coded(1, 4);
    FlipBitmap(row);
    MirrorBitmap(column);
    QCOMPARE(row, Coded(4, 1));
    QCOMPARE(column, Coded(1, 4));
    QCOMPARE(orig.pixel(0, 0), qRgb(1, 2, 99));
}

void TestBitmapUtils::rotate() {
    const QImage orig = Coded(3, 2);
    QImage left = orig;
    RotateBitmapLeft(left);
    QCOMPARE(left.size(), QSize(2, 3));
    // Counter-clockwise: the top-right corner comes to the top-left.
    QCOMPARE(left.pixel(0, 0), orig.pixel(2, 0));
    QCOMPARE(left.pixel(1, 0), orig.pixel(2, 1));
    QCOMPARE(left.pixel(0, 2), orig.pixel(0, 0));
    QCOMPARE(left.pixel(1, 2), orig.pixel(0, 1));
    QImage right = orig;
    RotateBitmapRight(right);
    QCOMPARE(right.size(), QSize(2, 3));
    // Clockwise: the bottom-left corner comes to the top-left.
    QCOMPARE(right.pixel(0, 0), orig.pixel(0, 1));
    QCOMPARE(right.pixel(1, 0), orig.pixel(0, 0));
    QCOMPARE(right.pixel(0, 2), orig.pixel(2, 1));
    // Qt's own rotations agree (y points down, so +90 turns clockwise).
    QCOMPARE(left, orig.transformed(QTransform().rotate(-90)));
    QCOMPARE(right, orig.transformed(QTransform().rotate(90)));
    // Left then right restores; four turns restore.
    RotateBitmapRight(left);
    QCOMPARE(left, orig);
    QImage four = Coded(7, 4);
    for (int i = 0; i < 4; ++i)
        RotateBitmapLeft(four);
    QCOMPARE(four, Coded(7, 4));
}

void TestBitmapUtils::rotateFormatsAndNull() {
    QImage argb = Coded(3, 2, QImage::Format_ARGB32);
    RotateBitmapRight(argb);
    QCOMPARE(argb.format(), QImage::Format_ARGB32);
    QImage rgb888 = Coded(3, 2, QImage::Format_RGB888);
    RotateBitmapLeft(rgb888);
    QCOMPARE(rgb888.format(), QImage::Format_RGB32);
    QImage expected = Coded(3, 2);
    RotateBitmapLeft(expected);
    QCOMPARE(rgb888, expected);
    QImage null;
    RotateBitmapLeft(null);
    RotateBitmapRight(null);
    MirrorBitmap(null);
    FlipBitmap(null);
    ReplaceKeyColor(null, 0);
    QVERIFY(null.isNull());
}

void TestBitmapUtils::blendColor() {
    QCOMPARE(BlendColor(clWhite, clBlack, 50), SkinRgb(128, 128, 128));
    QCOMPARE(BlendColor(SkinRgb(200, 10, 255), SkinRgb(0, 90, 255), 0), SkinRgb(0, 90, 255));
    // Below 100 a percentage: 99 % of white.
    QCOMPARE(BlendColor(clWhite, clBlack, 99), SkinRgb(252, 252, 252));
    // From 100 on per mille: 100 is 10 %, 150 is 15 %.
    QCOMPARE(BlendColor(clWhite, clBlack, 100), SkinRgb(26, 26, 26));
    QCOMPARE(BlendColor(clWhite, clBlack, 150), SkinRgb(38, 38, 38));
    QCOMPARE(BlendColor(SkinRgb(200, 0, 100), SkinRgb(0, 200, 100), 150), SkinRgb(30, 170, 100));
    QCOMPARE(BlendColor(SkinRgb(10, 0, 0), SkinRgb(0, 0, 0), 45), SkinRgb(5, 0, 0));
    QCOMPARE(BlendColor(SkinRgb(11, 0, 0), SkinRgb(0, 0, 0), 45), SkinRgb(5, 0, 0));
}

void TestBitmapUtils::blendColorSystemAndRange() {
    const QPalette pal = TestPalette();
    QCOMPARE(BlendColor(clBtnFace, clBlack, 50, pal), SkinRgb(5, 10, 15));
    QCOMPARE(BlendColor(clWhite, clHighlight, 50, pal), SkinRgb(228, 178, 128));
    // Weights beyond the scale are kept to it: no channel wraps around.
    QCOMPARE(BlendColor(SkinRgb(200, 0, 50), SkinRgb(0, 255, 60), 1000), SkinRgb(200, 0, 50));
    QCOMPARE(BlendColor(SkinRgb(200, 0, 50), SkinRgb(0, 255, 60), 5000), SkinRgb(200, 0, 50));
    QCOMPARE(BlendColor(SkinRgb(200, 0, 50), SkinRgb(0, 255, 60), -20), SkinRgb(0, 255, 60));
}

void TestBitmapUtils::colorSaturation() {
    QCOMPARE(ColorSaturation(SkinRgb(100, 50, 20)), 200);
    QCOMPARE(ColorSaturation(SkinRgb(159, 159, 0)), 200);
    QCOMPARE(ColorSaturation(SkinRgb(255, 0, 0)), 255);
    QCOMPARE(ColorSaturation(SkinRgb(160, 0, 0)), 255);
    QCOMPARE(ColorSaturation(clWhite), 0);
    QCOMPARE(ColorSaturation(SkinRgb(200, 200, 100)), 128); // 127.5 -> 128 (even)
    // Ties go to the even neighbour: 1.5 -> 2 and 4.5 -> 4.
    QCOMPARE(ColorSaturation(SkinRgb(170, 169, 169)), 2);
    QCOMPARE(ColorSaturation(SkinRgb(169, 170, 167)), 4);
    QCOMPARE(ColorSaturation(SkinRgb(255, 200, 200)), 55);
    QCOMPARE(ColorSaturation(SkinRgb(180, 200, 160)), 51); // 51.0 exactly
    QCOMPARE(ColorSaturation(SkinRgb(250, 200, 160)), 92); // 91.8 -> 92
}

QTEST_MAIN(TestBitmapUtils)
#include "tst_bitmaputils.moc"
