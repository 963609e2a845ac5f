#include "skin/draw/drawprimitives.h"
#include "skin/draw/stripframe.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <functional>

using namespace skin;

namespace {

constexpr QRgb Background = 0xFF102030;

// Pixel code of a frame-local position: frame in red, x in green, y in blue.
struct Src {
    int frame, x, y;
    bool operator==(const Src &) const = default;
};

Src Decode(QRgb p) {
    return {qRed(p) / 30, qGreen(p) / 6, qBlue(p) / 6};
}

char *toString(const Src &s) {
    return QTest::toString(QStringLiteral("frame %1 (%2, %3)").arg(s.frame).arg(s.x).arg(s.y));
}

// A strip of frames of fw x fh whose pixels carry their frame and position, plus `extra`
// leftover columns (horizontal) or rows (vertical) at the end.
QImage CodedStrip(int frames, int fw, int fh, bool vertical = false, int extra = 0) {
    QImage img(vertical ? fw : fw * frames + extra, vertical ? fh * frames + extra : fh,
               QImage::Format_RGB32);
    img.fill(0xFFFAFAFA);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                img.setPixel(vertical ? x : f * fw + x, vertical ? f * fh + y : y,
                             qRgb((f + 1) * 30, x * 6, y * 6));
    return img;
}

QImage Drawn(int w, int h, const std::function<void(QPainter &)> &draw) {
    QImage c(w, h, QImage::Format_RGB32);
    c.fill(Background);
    QPainter p(&c);
    draw(p);
    return c;
}

// Every pixel inside area shows the source pixel expected(x, y) names, every other pixel the
// background.
void ExpectOnly(const QImage &canvas, const QRegion &area,
                const std::function<Src(int, int)> &expected) {
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            if (area.contains(QPoint(x, y)))
                QCOMPARE(Decode(canvas.pixel(x, y)), expected(x, y));
            else
                QCOMPARE(canvas.pixel(x, y), Background);
        }
}

void ExpectPart(const QImage &part, QSize size, const std::function<Src(int, int)> &expected) {
    QCOMPARE(part.size(), size);
    ExpectOnly(part, QRegion(part.rect()), expected);
}

bool Untouched(const QImage &canvas) {
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) != Background)
                return false;
    return true;
}

} // namespace

class TestDrawPrimitives : public QObject {
    Q_OBJECT

private slots:
    void stripFrameRect_data();
    void stripFrameRect();
    void stripFrameDrawsOnlyItsFrame();
    void stretchNeverBlends();
    void ninePartStretched();
    void ninePartTiled();
    void ninePartMarginSums();
    void ninePartMarginsWiderThanFrame();
    void placedDraws();
    void threePart();
    void tileBitmap();
    void degenerateInputs();
    void randomInputs();
};

void TestDrawPrimitives::stripFrameRect_data() {
    QTest::addColumn<QSize>("image");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QRect>("expected");
    const auto row = [](const char *name, QSize s, int c, int i, bool v, QRect e) {
        QTest::newRow(name) << s << c << i << v << e;
    };
    row("first", QSize(17, 5), 4, 1, false, QRect(0, 0, 4, 5));
    row("last, leftover column", QSize(17, 5), 4, 4, false, QRect(12, 0, 4, 5));
    row("vertical", QSize(6, 23), 3, 2, true, QRect(0, 7, 6, 7));
    row("count 0 is one frame", QSize(12, 4), 0, 1, false, QRect(0, 0, 12, 4));
    row("negative count", QSize(12, 4), -3, 2, false, QRect(0, 0, 12, 4));
    row("index 0", QSize(12, 4), 3, 0, false, QRect(0, 0, 4, 4));
    row("index past the end", QSize(12, 4), 3, 99, false, QRect(8, 0, 4, 4));
    row("negative index", QSize(12, 4), 3, -5, true, QRect(0, 0, 12, 1));
    row("more frames than columns", QSize(3, 4), 5, 1, false, QRect());
    row("empty image", QSize(0, 0), 1, 1, false, QRect());
    row("negative image", QSize(-4, 9), 1, 1, true, QRect());
    row("huge index", QSize(1000, 10), 7, std::numeric_limits<int>::max(), false,
        QRect(852, 0, 142, 10));
}

void TestDrawPrimitives::stripFrameRect() {
    QFETCH(QSize, image);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(bool, vertical);
    QFETCH(QRect, expected);
    const QRect r = StripFrameRect(image, count, index, vertical);
    QCOMPARE(r.isEmpty() ? QRect() : r, expected);
}

void TestDrawPrimitives::stripFrameDrawsOnlyItsFrame() {
    // 17 columns in 4 frames: 4 columns each, the 17th is never shown; doubled exactly.
    const QImage strip = CodedStrip(4, 4, 3, false, 1);
    for (int i = 1; i <= 4; ++i) {
        const QImage c = Drawn(
            20, 10, [&](QPainter &p) { DrawStripFrame(p, QRect(5, 2, 8, 6), strip, false, 4, i); });
        ExpectOnly(c, QRect(5, 2, 8, 6), [i](int x, int y) {
            return Src{i, (x - 5) / 2, (y - 2) / 2};
        });
    }
}

void TestDrawPrimitives::stretchNeverBlends() {
    // Odd factors with smoothing switched on by the caller still only repeat or drop pixels.
    const QImage strip = CodedStrip(2, 5, 3);
    QSet<QRgb> frame2;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            frame2.insert(strip.pixel(5 + x, y));
    const QImage c = Drawn(40, 40, [&](QPainter &p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        DrawStripFrame(p, QRect(0, 0, 13, 7), strip, false, 2, 2);
        DrawStripFrame(p, QRect(15, 0, 3, 2), strip, false, 2, 2);
        DrawPart(p, QRect(0, 10, 37, 29), strip, false, false, false, 2, 2, QMargins(1, 1, 1, 1));
    });
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            QVERIFY2(c.pixel(x, y) == Background || frame2.contains(c.pixel(x, y)),
                     qPrintable(QStringLiteral("blended pixel at %1,%2").arg(x).arg(y)));
}

void TestDrawPrimitives::ninePartStretched() {
    // Frame 2 of 3, 6x6, margins 2: corners unscaled, the 2-pixel middle x5 across, x3 down.
    ExpectPart(BuildPartBitmap(QRect(3, 3, 14, 10), CodedStrip(3, 6, 6), QMargins(2, 2, 2, 2),
                               false, false, 3, 2),
               QSize(14, 10), [](int x, int y) {
                   return Src{2,
                              x < 2     ? x
                              : x >= 12 ? x - 8
                                        : 2 + (x - 2) / 5,
                              y < 2    ? y
                              : y >= 8 ? y - 4
                                       : 2 + (y - 2) / 3};
               });
    // Vertical strip with leftover rows.
    ExpectPart(BuildPartBitmap(QRect(0, 0, 8, 8), CodedStrip(3, 4, 4, true, 2),
                               QMargins(1, 1, 1, 1), true, false, 3, 3),
               QSize(8, 8), [](int x, int y) {
                   return Src{3,
                              x < 1   ? 0
                              : x > 6 ? 3
                                      : 1 + (x - 1) / 3,
                              y < 1   ? 0
                              : y > 6 ? 3
                                      : 1 + (y - 1) / 3};
               });
}

void TestDrawPrimitives::ninePartTiled() {
    // Margins 1, 2, 1, 1 on a 5x5 frame: the 3x2 centre repeated from its top-left; edges
    // stretched (monotonic), corners kept.
    const QImage part = BuildPartBitmap(QRect(0, 0, 12, 10), CodedStrip(2, 5, 5),
                                        QMargins(1, 2, 1, 1), false, true, 2, 1);
    QCOMPARE(part.size(), QSize(12, 10));
    for (int y = 2; y < 9; ++y)
        for (int x = 1; x < 11; ++x)
            QCOMPARE(Decode(part.pixel(x, y)), (Src{1, 1 + (x - 1) % 3, 2 + (y - 2) % 2}));
    for (int x = 2; x < 11; ++x)
        QVERIFY(Decode(part.pixel(x, 0)).x >= Decode(part.pixel(x - 1, 0)).x);
    QCOMPARE(Decode(part.pixel(11, 9)), (Src{1, 4, 4}));
    QCOMPARE(Decode(part.pixel(0, 9)), (Src{1, 0, 4}));
    // A 7-pixel centre tiled into 20: the right edge keeps its pixels over the third tile.
    const QImage wide = BuildPartBitmap(QRect(0, 0, 26, 3), CodedStrip(1, 13, 3),
                                        QMargins(3, 0, 3, 0), false, true, 1, 1);
    for (int x = 0; x < 26; ++x)
        QCOMPARE(Decode(wide.pixel(x, 1)).x, x < 3 ? x : x < 23 ? 3 + (x - 3) % 7 : x - 13);
}

void TestDrawPrimitives::ninePartMarginSums() {
    const QImage strip = CodedStrip(1, 6, 4);
    // Margins summing to the width stay: both fixed columns, no centre.
    QImage part =
        BuildPartBitmap(QRect(0, 0, 4, 4), strip, QMargins(1, 0, 3, 0), false, false, 1, 1);
    for (int x = 0; x < 4; ++x)
        QCOMPARE(Decode(part.pixel(x, 0)).x, x < 1 ? x : x + 2);
    // One pixel narrower: the pair is dropped and the whole frame is scaled across.
    part = BuildPartBitmap(QRect(0, 0, 4, 4), strip, QMargins(2, 0, 3, 0), false, false, 1, 1);
    for (int x = 0; x < 4; ++x)
        QCOMPARE(Decode(part.pixel(x, 0)).x, (2 * x + 1) * 6 / 8);
    part = BuildPartBitmap(QRect(0, 0, 6, 3), strip, QMargins(0, 2, 0, 2), false, false, 1, 1);
    for (int y = 0; y < 3; ++y)
        QCOMPARE(Decode(part.pixel(0, y)).y, (2 * y + 1) * 4 / 6);
}

void TestDrawPrimitives::ninePartMarginsWiderThanFrame() {
    // Margins of 5 on a 4x4 frame: every pixel still comes from inside the chosen frame.
    const QImage strip = CodedStrip(2, 4, 4);
    const QImage part =
        BuildPartBitmap(QRect(0, 0, 30, 30), strip, QMargins(5, 5, 5, 5), false, true, 2, 2);
    QCOMPARE(part.size(), QSize(30, 30));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const Src s = Decode(part.pixel(x, y));
            QVERIFY(s.frame == 2 && s.x < 4 && s.y < 4);
        }
    QCOMPARE(Decode(part.pixel(29, 29)), (Src{2, 3, 3}));
    // Negative margins count as none.
    ExpectPart(
        BuildPartBitmap(QRect(0, 0, 8, 8), strip, QMargins(-3, -1, -7, -2), false, false, 2, 1),
        QSize(8, 8), [](int x, int y) {
            return Src{1, x / 2, y / 2};
        });
}

void TestDrawPrimitives::placedDraws() {
    // DrawPart is clipped by the device.
    QImage c = Drawn(20, 20, [](QPainter &p) {
        DrawPart(p, QRect(15, 17, 8, 8), CodedStrip(2, 4, 4), false, false, false, 2, 2, {});
    });
    ExpectOnly(c, QRect(15, 17, 5, 3), [](int x, int y) {
        return Src{2, (x - 15) / 2, (y - 17) / 2};
    });
    // A 10x4 frame centred in a 5x8 target at (20, 10): x = 20 + (5 - 10) / 2 = 18 (toward
    // zero), y = 12; it sticks out on both sides.
    c = Drawn(40, 30, [](QPainter &p) {
        DrawFrameCentered(p, QRect(20, 10, 5, 8), CodedStrip(3, 10, 4), false, 3, 2);
    });
    ExpectOnly(c, QRect(18, 12, 10, 4), [](int x, int y) { return Src{2, x - 18, y - 12}; });
}

void TestDrawPrimitives::threePart() {
    // Frame 1 of 2, 7x2, left 2 and right 1: the 4-column middle repeated from x = 2; rows x2.
    QImage c = Drawn(16, 6, [](QPainter &p) {
        DrawThreePartTiled(p, QRect(1, 1, 13, 4), CodedStrip(2, 7, 2), false, false, 2, 1,
                           QMargins(2, 9, 1, 9));
    });
    ExpectOnly(c, QRect(1, 1, 13, 4), [](int x, int y) {
        return Src{1, x == 1 ? 0 : x == 2 ? 1 : x == 13 ? 6 : 2 + (x - 3) % 4, (y - 1) / 2};
    });
    // Stretched: fw 6 <= 14: left 1 fixed, middle 4 -> 12 (x3), right 1; fw 6 > 3: whole frame.
    c = Drawn(20, 8, [](QPainter &p) {
        StretchThreePart(p, QRect(2, 1, 14, 4), CodedStrip(2, 6, 2), false, 2, 2,
                         QMargins(1, 0, 1, 0));
        StretchThreePart(p, QRect(17, 6, 3, 2), CodedStrip(2, 6, 2), false, 2, 1,
                         QMargins(1, 0, 1, 0));
    });
    ExpectOnly(c, QRegion(2, 1, 14, 4) + QRect(17, 6, 3, 2), [](int x, int y) {
        if (y >= 6)
            return Src{1, 2 * (x - 17) + 1, y - 6};
        const int tx = x - 2;
        return Src{2, tx == 0 ? 0 : tx == 13 ? 5 : 1 + (tx - 1) / 3, (y - 1) / 2};
    });
    // Left and right fill the whole frame: the middle takes the last left column.
    const QImage narrow = CodedStrip(1, 4, 2);
    c = Drawn(12, 2, [&](QPainter &p) {
        DrawThreePartTiled(p, QRect(0, 0, 12, 2), narrow, false, false, 1, 1, QMargins(2, 0, 2, 0));
        StretchThreePart(p, QRect(0, 0, 12, 1), narrow, false, 1, 1, QMargins(3, 0, 3, 0));
    });
    for (int x = 0; x < 12; ++x) {
        QCOMPARE(Decode(c.pixel(x, 1)).x, x < 2 ? x : x >= 10 ? x - 8 : 1);
        QCOMPARE(Decode(c.pixel(x, 0)).x, x < 3 ? x : x >= 9 ? 3 : 2);
    }
}

void TestDrawPrimitives::tileBitmap() {
    // Source 3x2 from frame 2 at (1, 1) over a 7x3 destination: whole tiles, so the last
    // column and row reach past the destination.
    const QImage strip = CodedStrip(2, 4, 4);
    QImage c = Drawn(
        14, 10, [&](QPainter &p) { TileBitmap(p, QRect(2, 3, 7, 3), strip, QRect(5, 1, 3, 2)); });
    ExpectOnly(c, QRect(2, 3, 9, 4), [](int x, int y) {
        return Src{2, 1 + (x - 2) % 3, 1 + (y - 3) % 2};
    });
    c = Drawn(8, 8, [&](QPainter &p) { // empty or out-of-image sources tile nothing
        for (const QRect &source : {QRect(0, 0, 0, 3), QRect(2, 2, -1, 3), QRect(6, 0, 4, 4)})
            TileBitmap(p, QRect(0, 0, 8, 8), strip, source);
        TileBitmap(p, QRect(0, 0, 8, 8), QImage(), QRect(0, 0, 1, 1));
    });
    QVERIFY(Untouched(c));
}

void TestDrawPrimitives::degenerateInputs() {
    const QImage strip = CodedStrip(3, 4, 4);
    // Inverted, flat and absurd targets, null images and impossible counts draw nothing.
    for (const QRect &r : {QRect(10, 10, -4, 5), QRect(10, 10, 5, -1), QRect(0, 0, 100000, 90000)})
        for (const QImage &image : {strip, QImage()})
            QVERIFY(Untouched(Drawn(20, 20, [&](QPainter &p) {
                DrawPart(p, r, image, false, true, false, 3, 1, QMargins(1, 1, 1, 1));
                DrawStripFrame(p, r, image, true, 3, 1);
                DrawFrameCentered(p, r, image, false, 3, 1);
                DrawThreePartTiled(p, r, image, false, false, 3, 1, QMargins(1, 0, 1, 0));
                StretchThreePart(p, r, image, false, 3, 1, QMargins(1, 0, 1, 0));
                TileBitmap(p, r, image, QRect(0, 0, 2, 2));
                DrawStripFrame(p, QRect(0, 0, 8, 8), image, false, 50, 1);
            })));
    for (const QRect &r :
         {QRect(0, 0, -4, 5), QRect(0, 0, 0, 5), QRect(0, 0, 100000, 90000), QRect(0, 0, 20000, 2)})
        QVERIFY(BuildPartBitmap(r, strip, QMargins(), false, false, 3, 1).isNull());
    // Frame count 0 shows the whole image as one frame; an index past the end the last frame.
    const QImage c = Drawn(12, 8, [&](QPainter &p) {
        DrawStripFrame(p, QRect(0, 0, 12, 4), strip, false, 0, 3);
        DrawStripFrame(p, QRect(0, 4, 4, 4), strip, false, 3, 7);
        DrawFrameCentered(p, QRect(4, 4, 4, 4), strip, false, 3, -2);
    });
    ExpectOnly(c, QRegion(0, 0, 12, 4) + QRect(0, 4, 8, 4), [](int x, int y) {
        return y < 4 ? Src{1 + x / 4, x % 4, y} : Src{x < 4 ? 3 : 1, x % 4, y - 4};
    });
    // A target far larger than the device still covers the part of it that lies inside.
    const QImage big = Drawn(4, 4, [&](QPainter &p) {
        DrawPart(p, QRect(-1000, -1000, 2000, 2000), strip, false, true, true, 3, 1,
                 QMargins(1, 1, 1, 1));
    });
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            QCOMPARE(Decode(big.pixel(x, y)).frame, 1);
}

void TestDrawPrimitives::randomInputs() {
    // Any sizes, counts, indexes and margins: every routine returns, and every pixel of a
    // nine-part image comes from inside the one frame it picked.
    QRandomGenerator rng(7151);
    const auto any = [&](int lo, int hi) { return lo + int(rng.bounded(hi - lo + 1)); };
    for (int round = 0; round < 400; ++round) {
        const bool vertical = rng.bounded(2);
        const QImage strip = CodedStrip(any(1, 5), any(1, 7), any(1, 7), vertical, any(0, 3));
        const int count = any(-1, 7), index = any(-2, 9);
        const QMargins margins(any(-3, 12), any(-3, 12), any(-3, 12), any(-3, 12));
        const QRect target(any(-10, 30), any(-10, 30), any(-4, 40), any(-4, 40));
        const bool tile = rng.bounded(2), keyed = rng.bounded(2);
        const QImage part = BuildPartBitmap(target, strip, margins, vertical, tile, count, index);
        const QRect frame = StripFrameRect(strip.size(), count, index, vertical);
        if (target.width() <= 0 || target.height() <= 0 || frame.isEmpty()) {
            QVERIFY(part.isNull());
        } else {
            QCOMPARE(part.size(), target.size());
            QSet<QRgb> inFrame;
            for (int y = frame.top(); y <= frame.bottom(); ++y)
                for (int x = frame.left(); x <= frame.right(); ++x)
                    inFrame.insert(strip.pixel(x, y));
            for (int y = 0; y < part.height(); ++y)
                for (int x = 0; x < part.width(); ++x)
                    QVERIFY(inFrame.contains(part.pixel(x, y)));
        }
        Drawn(32, 32, [&](QPainter &p) {
            DrawPart(p, target, strip, vertical, tile, keyed, count, index, margins);
            DrawStripFrame(p, target, strip, keyed, count, index);
            DrawFrameCentered(p, target, strip, keyed, count, index);
            DrawThreePartTiled(p, target, strip, vertical, keyed, count, index, margins);
            StretchThreePart(p, target, strip, vertical, count, index, margins);
            TileBitmap(p, target, strip, QRect(any(-2, 8), any(-2, 8), any(-2, 8), any(-2, 8)));
        });
    }
}

QTEST_MAIN(TestDrawPrimitives)
#include "tst_drawprimitives.moc"
