#include "skin/draw/drawprimitives.h"
#include "skin/draw/keyedblit.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <functional>

using namespace skin;

namespace {

constexpr QRgb Background = 0xFF203040;
constexpr QRgb Magenta = KeyColor;

QImage Drawn(int w, int h, const std::function<void(QPainter &)> &draw) {
    QImage c(w, h, QImage::Format_RGB32);
    c.fill(Background);
    QPainter p(&c);
    draw(p);
    return c;
}

// A round shape on magenta: a filled blob with an outline of another colour.
QImage KeyedShape(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    const int r = std::min(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int d = (2 * x + 1 - w) * (2 * x + 1 - w) + (2 * y + 1 - h) * (2 * y + 1 - h);
            img.setPixel(x, y,
                         d > r * r               ? Magenta
                         : d > (r - 3) * (r - 3) ? 0xFF000080
                                                 : 0xFF40C040);
        }
    return img;
}

// The region of the non-key pixels built pixel by pixel.
QRegion PixelRegion(const QImage &img, int dx, int dy) {
    QRegion r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) | 0xFF000000u) != Magenta)
                r += QRect(x + dx, y + dy, 1, 1);
    return r;
}

} // namespace

class TestDrawPrimitivesKeyed : public QObject {
    Q_OBJECT

private slots:
    void keyedImageAlpha();
    void blitKeyed();
    void keyedScalingHasNoPinkFringe();
    void transparentDrawSkipsOnlyKeyPixels();
    void regionMatchesPixels();
    void regionToleranceAndRows();
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
    const QImage other = KeyedImage(img, qRgb(254, 0, 255));
    QCOMPARE(qAlpha(other.pixel(0, 0)), 255);
    QCOMPARE(qAlpha(other.pixel(2, 0)), 0);
    QVERIFY(KeyedImage(QImage()).isNull());
}

void TestDrawPrimitivesKeyed::blitKeyed() {
    // Key pixels leave the background; only the target's size is copied, from the origin.
    const QImage shape = KeyedShape(9, 7);
    const QImage c = Drawn(15, 12, [&](QPainter &p) {
        BlitKeyed(p, QRect(3, 2, 5, 7), shape);
        BlitKeyed(p, QRect(12, 9, 10, 10), shape); // larger target: cut by the canvas
        BlitKeyed(p, QRect(0, 0, -1, 4), shape);   // inverted: nothing
    });
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 15; ++x) {
            QRgb src = Magenta;
            if (QRect(3, 2, 5, 7).contains(x, y))
                src = shape.pixel(x - 3, y - 2);
            else if (x >= 12 && y >= 9)
                src = shape.pixel(x - 12, y - 9);
            QCOMPARE(c.pixel(x, y), src == Magenta ? Background : src);
        }
}

void TestDrawPrimitivesKeyed::keyedScalingHasNoPinkFringe() {
    // Scaled by awkward factors with smoothing requested: only background or shape colours.
    const QImage shape = KeyedShape(11, 9);
    const QImage c = Drawn(80, 60, [&](QPainter &p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        DrawStripFrame(p, QRect(0, 0, 37, 29), shape, true, 1, 1);
        DrawStripFrame(p, QRect(40, 0, 7, 5), shape, true, 1, 1);
        DrawPart(p, QRect(0, 30, 50, 23), shape, false, false, true, 1, 1, QMargins(3, 3, 3, 3));
        DrawThreePartTiled(p, QRect(52, 30, 27, 19), shape, false, true, 1, 1,
                           QMargins(4, 0, 4, 0));
    });
    int shown = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
            const QRgb px = c.pixel(x, y);
            QVERIFY2(
                px == Background || px == 0xFF000080 || px == 0xFF40C040,
                qPrintable(QStringLiteral("fringe at %1,%2: %3").arg(x).arg(y).arg(px, 0, 16)));
            shown += px != Background;
        }
    QVERIFY(shown > 0 && shown < 80 * 60 / 2);
}

void TestDrawPrimitivesKeyed::transparentDrawSkipsOnlyKeyPixels() {
    QImage strip(8, 4, QImage::Format_RGB32);
    strip.fill(0xFF808000);
    strip.setPixel(1, 1, Magenta);
    strip.setPixel(4, 0, Magenta); // frame 2 of 2
    strip.setPixel(5, 3, qRgb(255, 1, 255));
    const auto draw = [&](bool transparent) {
        return Drawn(10, 6, [&](QPainter &p) {
            DrawFrameCentered(p, QRect(1, 1, 8, 4), strip, transparent, 2, 2);
        });
    };
    const QImage keyed = draw(true), opaque = draw(false);
    for (int y = 0; y < 6; ++y) // frame 2 centred at (3, 1)
        for (int x = 0; x < 10; ++x)
            QCOMPARE(keyed.pixel(x, y), x == 3 && y == 1 ? Background : opaque.pixel(x, y));
    QCOMPARE(opaque.pixel(3, 1), Magenta);
    QCOMPARE(keyed.pixel(4, 4), qRgb(255, 1, 255));
}

void TestDrawPrimitivesKeyed::regionMatchesPixels() {
    const QImage shape = KeyedShape(23, 17);
    QCOMPARE(BitmapToRegion(shape, 40, -7), PixelRegion(shape, 40, -7));
    QRandomGenerator rng(20240611);
    for (int round = 0; round < 20; ++round) {
        QImage noise(1 + rng.bounded(40), 1 + rng.bounded(30), QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, rng.bounded(3) == 0 ? 0xFF00FF00 : Magenta);
        QCOMPARE(BitmapToRegion(noise, 3, 5), PixelRegion(noise, 3, 5));
    }
    // Many runs (more than a few thousand rectangles) in one region.
    QImage checker(301, 41, QImage::Format_RGB32);
    for (int y = 0; y < checker.height(); ++y)
        for (int x = 0; x < checker.width(); ++x)
            checker.setPixel(x, y, (x + y) % 2 ? Magenta : 0xFF000000);
    const QRegion r = BitmapToRegion(checker, 0, 0);
    QCOMPARE(r.rectCount(), 301 * 41 / 2 + 1);
    QCOMPARE(r, PixelRegion(checker, 0, 0));
    QVERIFY(BitmapToRegion(QImage(), 0, 0).isEmpty());
    checker.fill(Magenta);
    QVERIFY(BitmapToRegion(checker, 3, 3).isEmpty());
}

void TestDrawPrimitivesKeyed::regionToleranceAndRows() {
    QImage img(4, 2, QImage::Format_RGB32);
    img.fill(Qt::black);
    img.setPixel(0, 0, qRgb(255, 0, 255));
    img.setPixel(1, 0, qRgb(255, 1, 255));
    img.setPixel(2, 0, qRgb(254, 0, 255));
    img.setPixel(3, 0, qRgb(255, 2, 255));
    // Tolerance widens upward only and stops at 255; without it only the exact key is out.
    QCOMPARE(BitmapToRegion(img, 0, 0, Magenta, 1, 1, 1), QRegion(2, 0, 2, 2) + QRect(0, 1, 2, 1));
    QCOMPARE(BitmapToRegion(img, 0, 0), QRegion(1, 0, 3, 2) + QRect(0, 1, 1, 1));
    QCOMPARE(BitmapToRegion(img, 0, 0, qRgb(254, 0, 250), 200, 2, 10), QRegion(0, 1, 4, 1));
    // An all-key row adds nothing; a row without key pixels is one full-width rectangle.
    QImage rows(6, 3, QImage::Format_RGB32);
    rows.fill(0xFF112233);
    for (int x = 0; x < 6; ++x)
        rows.setPixel(x, 1, Magenta);
    QCOMPARE(BitmapToRegion(rows, 0, 0).rectCount(), 2);
    QCOMPARE(BitmapToRegion(rows, 0, 0), QRegion(0, 0, 6, 1) + QRect(0, 2, 6, 1));
    QCOMPARE(BitmapToRegion(rows.copy(0, 0, 6, 1), 2, 2), QRegion(2, 2, 6, 1));
    // Other formats are read without changing the caller's image.
    rows.fill(0xFF112233);
    QImage indexed = rows.convertToFormat(QImage::Format_Indexed8);
    const QImage before = indexed;
    QCOMPARE(BitmapToRegion(indexed, -1, -1), QRegion(-1, -1, 6, 3));
    QCOMPARE(indexed, before);
}

QTEST_MAIN(TestDrawPrimitivesKeyed)
#include "tst_drawprimitiveskeyed.moc"
