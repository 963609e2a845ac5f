#include "skin/draw/drawprimitives.h"
#include "skin/draw/keyedblit.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <functional>

using namespace skin;

namespace {

constexpr QRgb Background = 0xFF203040;
constexpr QRgb Magenta = 0xFFFF00FF;

QImage Canvas(int w, int h) {
    QImage c(w, h, QImage::Format_RGB32);
    c.fill(Background);
    return c;
}

// A shape on magenta: a filled circle-ish blob of two colours with a one-pixel outline.
QImage KeyedShape(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int dx = 2 * x + 1 - w, dy = 2 * y + 1 - h;
            const int d = dx * dx + dy * dy;
            const int r = std::min(w, h);
            img.setPixel(x, y,
                         d > r * r               ? Magenta
                         : d > (r - 3) * (r - 3) ? 0xFF000080
                                                 : 0xFF40C040);
        }
    return img;
}

// The region of the non-key pixels built pixel by pixel.
QRegion PixelRegion(const QImage &img, int dx, int dy, const std::function<bool(QRgb)> &isKey) {
    QRegion r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!isKey(img.pixel(x, y)))
                r += QRect(x + dx, y + dy, 1, 1);
    return r;
}

bool ExactKey(QRgb p) {
    return (p & 0xFFFFFF) == 0xFF00FF;
}

} // namespace

class TestDrawPrimitivesKeyed : public QObject {
    Q_OBJECT

private slots:
    void keyedImageAlpha();
    void blitKeyedLeavesKeyPixels();
    void blitKeyedSizeAndClipping();
    void keyedScalingHasNoPinkFringe();
    void keyedDrawsOfEveryRoutine();
    void regionMatchesPixels();
    void regionTolerance();
    void regionRows();
    void regionDegenerate();
};

void TestDrawPrimitivesKeyed::keyedImageAlpha() {
    QImage img(3, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, Magenta);
    img.setPixel(1, 0, qRgb(255, 1, 255));
    img.setPixel(2, 0, qRgb(254, 0, 255));
    const QImage keyed = KeyedImage(img);
    QCOMPARE(qAlpha(keyed.pixel(0, 0)), 0);
    QCOMPARE(keyed.pixel(1, 0), qRgb(255, 1, 255));
    QCOMPARE(keyed.pixel(2, 0), qRgb(254, 0, 255));
    // Another key colour.
    const QImage other = KeyedImage(img, qRgb(254, 0, 255));
    QCOMPARE(qAlpha(other.pixel(0, 0)), 255);
    QCOMPARE(qAlpha(other.pixel(2, 0)), 0);
    QVERIFY(KeyedImage(QImage()).isNull());
}

void TestDrawPrimitivesKeyed::blitKeyedLeavesKeyPixels() {
    const QImage shape = KeyedShape(9, 7);
    QImage canvas = Canvas(15, 12);
    {
        QPainter p(&canvas);
        BlitKeyed(p, QRect(3, 2, 9, 7), shape);
    }
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 15; ++x) {
            const bool inside = QRect(3, 2, 9, 7).contains(x, y);
            const QRgb src = inside ? shape.pixel(x - 3, y - 2) : Magenta;
            QCOMPARE(canvas.pixel(x, y), src == Magenta ? Background : src);
        }
}

void TestDrawPrimitivesKeyed::blitKeyedSizeAndClipping() {
    // Only the target's size is copied, from the bitmap's origin.
    QImage img(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixel(x, y, qRgb(10 * x, 10 * y, 7));
    QImage canvas = Canvas(8, 8);
    {
        QPainter p(&canvas);
        BlitKeyed(p, QRect(1, 1, 2, 3), img);
        BlitKeyed(p, QRect(6, 6, 10, 10), img); // larger target: the whole bitmap, cut by canvas
        BlitKeyed(p, QRect(0, 0, -1, 4), img);  // inverted: nothing
    }
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            QRgb expected = Background;
            if (QRect(1, 1, 2, 3).contains(x, y))
                expected = img.pixel(x - 1, y - 1);
            else if (x >= 6 && y >= 6)
                expected = img.pixel(x - 6, y - 6);
            QCOMPARE(canvas.pixel(x, y), expected);
        }
}

void TestDrawPrimitivesKeyed::keyedScalingHasNoPinkFringe() {
    // Scaled up and down by awkward factors, with smoothing requested by the caller: every
    // pixel is either the untouched background or one of the shape's own colours.
    const QImage shape = KeyedShape(11, 9);
    QImage canvas = Canvas(80, 60);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        DrawStripFrame(p, QRect(0, 0, 37, 29), shape, true, 1, 1);
        DrawStripFrame(p, QRect(40, 0, 7, 5), shape, true, 1, 1);
        DrawPart(p, QRect(0, 30, 50, 23), shape, false, false, true, 1, 1, QMargins(3, 3, 3, 3));
        DrawThreePartTiled(p, QRect(52, 30, 27, 19), shape, false, true, 1, 1,
                           QMargins(4, 0, 4, 0));
    }
    int shown = 0, background = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
            const QRgb c = canvas.pixel(x, y);
            QVERIFY2(c == Background || c == 0xFF000080 || c == 0xFF40C040,
                     qPrintable(QStringLiteral("fringe at %1,%2: %3").arg(x).arg(y).arg(c, 0, 16)));
            (c == Background ? background : shown)++;
        }
    QVERIFY(shown > 0);
    QVERIFY(background > 0);
}

void TestDrawPrimitivesKeyed::keyedDrawsOfEveryRoutine() {
    // Transparent and opaque draws differ exactly on the key pixels of the drawn frame.
    QImage strip(8, 4, QImage::Format_RGB32);
    strip.fill(0xFF808000);
    strip.setPixel(1, 1, Magenta);
    strip.setPixel(4, 0, Magenta); // frame 2 of 2
    strip.setPixel(5, 3, qRgb(255, 1, 255));
    const auto draw = [&](bool transparent) {
        QImage c = Canvas(10, 6);
        QPainter p(&c);
        DrawFrameCentered(p, QRect(1, 1, 8, 4), strip, transparent, 2, 2);
        return c;
    };
    const QImage keyed = draw(true), opaque = draw(false);
    // Frame 2 (4x4) centred in (1, 1, 8, 4): at (3, 1).
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            if (x == 3 && y == 1) {
                QCOMPARE(opaque.pixel(x, y), Magenta);
                QCOMPARE(keyed.pixel(x, y), Background);
            } else {
                QCOMPARE(keyed.pixel(x, y), opaque.pixel(x, y));
            }
        }
    QCOMPARE(keyed.pixel(4, 4), qRgb(255, 1, 255));
}

void TestDrawPrimitivesKeyed::regionMatchesPixels() {
    const QImage shape = KeyedShape(23, 17);
    QCOMPARE(BitmapToRegion(shape, 0, 0), PixelRegion(shape, 0, 0, ExactKey));
    QCOMPARE(BitmapToRegion(shape, 40, -7), PixelRegion(shape, 40, -7, ExactKey));

    QRandomGenerator rng(20240611);
    for (int round = 0; round < 20; ++round) {
        QImage noise(1 + rng.bounded(40), 1 + rng.bounded(30), QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, rng.bounded(3) == 0 ? 0xFF00FF00 : Magenta);
        const QRegion expected = PixelRegion(noise, 3, 5, ExactKey);
        const QRegion got = BitmapToRegion(noise, 3, 5);
        QCOMPARE(got, expected);
        QCOMPARE(got.boundingRect(), expected.boundingRect());
    }
}

void TestDrawPrimitivesKeyed::regionTolerance() {
    QImage img(4, 2, QImage::Format_RGB32);
    img.fill(Qt::black);
    img.setPixel(0, 0, qRgb(255, 0, 255));
    img.setPixel(1, 0, qRgb(255, 1, 255));
    img.setPixel(2, 0, qRgb(254, 0, 255));
    img.setPixel(3, 0, qRgb(255, 2, 255));
    const QRegion r = BitmapToRegion(img, 0, 0, Magenta, 1, 1, 1);
    QVERIFY(!r.contains(QPoint(0, 0)));
    QVERIFY(!r.contains(QPoint(1, 0)));
    QVERIFY(r.contains(QPoint(2, 0)));
    QVERIFY(r.contains(QPoint(3, 0)));
    QVERIFY(r.contains(QRect(0, 1, 4, 1)));
    // Without tolerance only the exact key is left out.
    const QRegion exact = BitmapToRegion(img, 0, 0);
    QVERIFY(exact.contains(QPoint(1, 0)));
    QVERIFY(!exact.contains(QPoint(0, 0)));
    // The tolerance widens upward only and stops at 255.
    const QRegion wide = BitmapToRegion(img, 0, 0, qRgb(254, 0, 250), 200, 2, 10);
    QCOMPARE(wide, QRegion(QRect(0, 1, 4, 1)));
}

void TestDrawPrimitivesKeyed::regionRows() {
    // An all-key row adds nothing; a row without key pixels is one full-width rectangle; a
    // one-row image works.
    QImage img(6, 3, QImage::Format_RGB32);
    img.fill(0xFF112233);
    for (int x = 0; x < 6; ++x)
        img.setPixel(x, 1, Magenta);
    QCOMPARE(BitmapToRegion(img, 0, 0), QRegion(QRect(0, 0, 6, 1)) + QRect(0, 2, 6, 1));
    QCOMPARE(BitmapToRegion(img, 0, 0).rectCount(), 2);
    const QImage row = img.copy(0, 0, 6, 1);
    QCOMPARE(BitmapToRegion(row, 2, 2), QRegion(QRect(2, 2, 6, 1)));
    img.fill(0xFF112233);
    QCOMPARE(BitmapToRegion(img, -1, -1), QRegion(QRect(-1, -1, 6, 3)));
    QCOMPARE(BitmapToRegion(img, 0, 0).rectCount(), 1);
    // The caller's image is not changed.
    QCOMPARE(img.format(), QImage::Format_RGB32);
    QImage indexed = img.convertToFormat(QImage::Format_Indexed8);
    const QImage before = indexed;
    QCOMPARE(BitmapToRegion(indexed, 0, 0), QRegion(QRect(0, 0, 6, 3)));
    QCOMPARE(indexed, before);
}

void TestDrawPrimitivesKeyed::regionDegenerate() {
    QVERIFY(BitmapToRegion(QImage(), 0, 0).isEmpty());
    QImage key(5, 5, QImage::Format_RGB32);
    key.fill(Magenta);
    QVERIFY(BitmapToRegion(key, 3, 3).isEmpty());
    // Many runs (more than a few thousand rectangles) in one region.
    QImage checker(301, 41, QImage::Format_RGB32);
    for (int y = 0; y < checker.height(); ++y)
        for (int x = 0; x < checker.width(); ++x)
            checker.setPixel(x, y, (x + y) % 2 ? Magenta : 0xFF000000);
    const QRegion r = BitmapToRegion(checker, 0, 0);
    QCOMPARE(r.rectCount(), 301 * 41 / 2 + 1);
    QCOMPARE(r, PixelRegion(checker, 0, 0, ExactKey));
}

QTEST_MAIN(TestDrawPrimitivesKeyed)
#include "tst_drawprimitiveskeyed.moc"
