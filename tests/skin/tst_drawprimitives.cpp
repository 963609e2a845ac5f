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
constexpr QRgb Leftover = 0xFFFAFAFA;

// Pixel code of a frame-local position: frame in red, x in green, y in blue.
QRgb Code(int frame, int x, int y) {
    return qRgb(frame * 30, x * 6, y * 6);
}

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
QImage CodedStrip(int frames, int fw, int fh, bool vertical, int extra = 0) {
    QImage img(vertical ? fw : fw * frames + extra, vertical ? fh * frames + extra : fh,
               QImage::Format_RGB32);
    img.fill(Leftover);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                img.setPixel(vertical ? x : f * fw + x, vertical ? f * fh + y : y,
                             Code(f + 1, x, y));
    return img;
}

QImage Canvas(int w, int h) {
    QImage c(w, h, QImage::Format_RGB32);
    c.fill(Background);
    return c;
}

// Every pixel inside area shows the source pixel expected(x, y) names, every other pixel the
// background.
void ExpectOnly(const QImage &canvas, const QRect &area,
                const std::function<Src(int, int)> &expected) {
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            if (area.contains(x, y))
                QCOMPARE(Decode(canvas.pixel(x, y)), expected(x, y));
            else
                QCOMPARE(canvas.pixel(x, y), Background);
        }
}

int CountNot(const QImage &img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) != colour;
    return n;
}

} // namespace

class TestDrawPrimitives : public QObject {
    Q_OBJECT

private slots:
    void stripFrameGeometry();
    void stripFrameDegenerate();
    void stripFrameEachIndex();
    void stripFrameNeverShowsLeftover();
    void stretchNeverBlends();
    void ninePartStretched();
    void ninePartTiled();
    void ninePartTiledCentreCoveredByRightEdge();
    void ninePartMarginSums();
    void ninePartVerticalStrip();
    void ninePartMarginsWiderThanFrame();
    void drawPartPlacesAndClips();
    void frameCentered();
    void threePartTiled();
    void threePartWithoutMiddle();
    void stretchThreePart();
    void tileBitmap();
    void invertedTargetsDrawNothing();
    void degenerateInputs();
    void randomInputs();
};

void TestDrawPrimitives::stripFrameGeometry() {
    QCOMPARE(StripFrameRect(QSize(17, 5), 4, 1, false), QRect(0, 0, 4, 5));
    QCOMPARE(StripFrameRect(QSize(17, 5), 4, 4, false), QRect(12, 0, 4, 5));
    QCOMPARE(StripFrameRect(QSize(6, 23), 3, 2, true), QRect(0, 7, 6, 7));
    QCOMPARE(StripFrameSize(QSize(17, 5), 4, false), QSize(4, 5));
    QCOMPARE(StripFrameSize(QSize(6, 23), 3, true), QSize(6, 7));
}

void TestDrawPrimitives::stripFrameDegenerate() {
    // Frame counts below 1 count as one frame; indexes stay within the strip.
    QCOMPARE(StripFrameRect(QSize(12, 4), 0, 1, false), QRect(0, 0, 12, 4));
    QCOMPARE(StripFrameRect(QSize(12, 4), -3, 2, false), QRect(0, 0, 12, 4));
    QCOMPARE(StripFrameRect(QSize(12, 4), 3, 0, false), QRect(0, 0, 4, 4));
    QCOMPARE(StripFrameRect(QSize(12, 4), 3, 99, false), QRect(8, 0, 4, 4));
    QCOMPARE(StripFrameRect(QSize(12, 4), 3, -5, true), QRect(0, 0, 12, 1));
    // More frames than columns, or an empty image: no frame at all.
    QVERIFY(StripFrameRect(QSize(3, 4), 5, 1, false).isEmpty());
    QVERIFY(StripFrameRect(QSize(0, 0), 1, 1, false).isEmpty());
    QVERIFY(StripFrameRect(QSize(-4, 9), 1, 1, true).isEmpty());
    // Huge counts and indexes neither overflow nor leave the image.
    const QRect r = StripFrameRect(QSize(1000, 10), 7, std::numeric_limits<int>::max(), false);
    QVERIFY(QRect(0, 0, 1000, 10).contains(r));
}

void TestDrawPrimitives::stripFrameEachIndex() {
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    QImage strip(5 * 8, 6, QImage::Format_RGB32);
    for (int f = 0; f < 5; ++f)
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                strip.setPixel(f * 8 + x, y, colours[f].rgb());
    for (int i = 1; i <= 5; ++i) {
        QImage canvas = Canvas(40, 30);
        {
            QPainter p(&canvas);
            DrawStripFrame(p, QRect(5, 4, 20, 10), strip, false, 5, i);
        }
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool inside = QRect(5, 4, 20, 10).contains(x, y);
                QCOMPARE(canvas.pixel(x, y), inside ? colours[i - 1].rgb() : Background);
            }
    }
}

void TestDrawPrimitives::stripFrameNeverShowsLeftover() {
    // 17 columns in 4 frames: 4 columns each, the 17th is never shown.
    const QImage strip = CodedStrip(4, 4, 3, false, 1);
    for (int i = 1; i <= 4; ++i) {
        QImage canvas = Canvas(4, 3);
        {
            QPainter p(&canvas);
            DrawStripFrame(p, QRect(0, 0, 4, 3), strip, false, 4, i);
        }
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(Decode(canvas.pixel(x, y)), (Src{i, x, y}));
    }
}

void TestDrawPrimitives::stretchNeverBlends() {
    // Scaling by odd factors, with smoothing switched on by the caller, still only repeats or
    // drops source pixels.
    const QImage strip = CodedStrip(2, 5, 3, false);
    QSet<QRgb> sourceColours;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            sourceColours.insert(Code(2, x, y));
    QImage canvas = Canvas(40, 40);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        DrawStripFrame(p, QRect(0, 0, 13, 7), strip, false, 2, 2);
        DrawStripFrame(p, QRect(15, 0, 3, 2), strip, false, 2, 2);
        DrawPart(p, QRect(0, 10, 37, 29), strip, false, false, false, 2, 2, QMargins(1, 1, 1, 1));
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb c = canvas.pixel(x, y);
            QVERIFY2(c == Background || sourceColours.contains(c),
                     qPrintable(QStringLiteral("blended pixel at %1,%2").arg(x).arg(y)));
        }
    // Exact doubling repeats each pixel twice.
    canvas = Canvas(10, 6);
    {
        QPainter p(&canvas);
        DrawStripFrame(p, QRect(0, 0, 10, 6), strip, false, 2, 1);
    }
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            QCOMPARE(Decode(canvas.pixel(x, y)), (Src{1, x / 2, y / 2}));
}

void TestDrawPrimitives::ninePartStretched() {
    // Frame 2 of 3, 6x6, margins 2 all round, scaled to 14x10: corners 2x2 unscaled, the
    // 2-pixel middle stretched to 10 (x5) across and 6 (x3) down.
    const QImage strip = CodedStrip(3, 6, 6, false);
    const QImage part =
        BuildPartBitmap(QRect(3, 3, 14, 10), strip, QMargins(2, 2, 2, 2), false, false, 3, 2);
    QCOMPARE(part.size(), QSize(14, 10));
    const auto mapX = [](int x) { return x < 2 ? x : x >= 12 ? x - 8 : 2 + (x - 2) / 5; };
    const auto mapY = [](int y) { return y < 2 ? y : y >= 8 ? y - 4 : 2 + (y - 2) / 3; };
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 14; ++x)
            QCOMPARE(Decode(part.pixel(x, y)), (Src{2, mapX(x), mapY(y)}));
}

void TestDrawPrimitives::ninePartTiled() {
    // Margins 1, 2, 1, 1 on a 5x5 frame: centre 3x2 repeated over a 10x7 centre area from its
    // top-left; edges are stretched, not tiled.
    const QImage strip = CodedStrip(2, 5, 5, false);
    const QImage part =
        BuildPartBitmap(QRect(0, 0, 12, 10), strip, QMargins(1, 2, 1, 1), false, true, 2, 1);
    QCOMPARE(part.size(), QSize(12, 10));
    for (int y = 2; y < 9; ++y)
        for (int x = 1; x < 11; ++x)
            QCOMPARE(Decode(part.pixel(x, y)), (Src{1, 1 + (x - 1) % 3, 2 + (y - 2) % 2}));
    // Top edge: 3 source columns stretched over 10 (nearest), rows 0..1 unscaled.
    for (int x = 1; x < 11; ++x) {
        const Src s = Decode(part.pixel(x, 0));
        QCOMPARE(s.y, 0);
        QVERIFY(s.x >= 1 && s.x <= 3);
        if (x > 1)
            QVERIFY(s.x >= Decode(part.pixel(x - 1, 0)).x); // monotonic: stretched
    }
    QCOMPARE(Decode(part.pixel(11, 9)), (Src{1, 4, 4}));
    QCOMPARE(Decode(part.pixel(0, 9)), (Src{1, 0, 4}));
    QCOMPARE(Decode(part.pixel(11, 0)), (Src{1, 4, 0}));
}

void TestDrawPrimitives::ninePartTiledCentreCoveredByRightEdge() {
    // A 7-pixel centre tiled into 20 pixels: tiles at 0, 7 and 14; the right edge keeps its
    // own pixels where the third tile would run over.
    const QImage strip = CodedStrip(1, 13, 3, false);
    const QImage part =
        BuildPartBitmap(QRect(0, 0, 26, 3), strip, QMargins(3, 0, 3, 0), false, true, 1, 1);
    for (int x = 0; x < 26; ++x) {
        const int expected = x < 3 ? x : x < 23 ? 3 + (x - 3) % 7 : x - 13;
        QCOMPARE(Decode(part.pixel(x, 1)).x, expected);
    }
}

void TestDrawPrimitives::ninePartMarginSums() {
    const QImage strip = CodedStrip(1, 6, 4, false);
    // Margins summing to the width stay: both fixed columns, no centre.
    QImage part =
        BuildPartBitmap(QRect(0, 0, 4, 4), strip, QMargins(1, 0, 3, 0), false, false, 1, 1);
    for (int x = 0; x < 4; ++x)
        QCOMPARE(Decode(part.pixel(x, 0)).x, x < 1 ? x : x + 2);
    // One pixel narrower: the pair is dropped and the whole frame is scaled across.
    part = BuildPartBitmap(QRect(0, 0, 4, 4), strip, QMargins(2, 0, 3, 0), false, false, 1, 1);
    QCOMPARE(part.width(), 4);
    for (int x = 0; x < 4; ++x)
        QCOMPARE(Decode(part.pixel(x, 0)).x, (2 * x + 1) * 6 / 8);
    // The same along the height.
    part = BuildPartBitmap(QRect(0, 0, 6, 3), strip, QMargins(0, 2, 0, 2), false, false, 1, 1);
    for (int y = 0; y < 3; ++y)
        QCOMPARE(Decode(part.pixel(0, y)).y, (2 * y + 1) * 4 / 6);
}

void TestDrawPrimitives::ninePartVerticalStrip() {
    const QImage strip = CodedStrip(3, 4, 4, true, 2);
    const QImage part =
        BuildPartBitmap(QRect(0, 0, 8, 8), strip, QMargins(1, 1, 1, 1), true, false, 3, 3);
    QCOMPARE(Decode(part.pixel(0, 0)), (Src{3, 0, 0}));
    QCOMPARE(Decode(part.pixel(7, 7)), (Src{3, 3, 3}));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            QCOMPARE(Decode(part.pixel(x, y)).frame, 3);
}

void TestDrawPrimitives::ninePartMarginsWiderThanFrame() {
    // Margins of 5 on a 4x4 frame, target big enough to keep them: every pixel still comes
    // from inside the chosen frame.
    const QImage strip = CodedStrip(2, 4, 4, false);
    const QImage part =
        BuildPartBitmap(QRect(0, 0, 30, 30), strip, QMargins(5, 5, 5, 5), false, true, 2, 2);
    QCOMPARE(part.size(), QSize(30, 30));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const Src s = Decode(part.pixel(x, y));
            QCOMPARE(s.frame, 2);
            QVERIFY(s.x < 4 && s.y < 4);
        }
    QCOMPARE(Decode(part.pixel(0, 0)), (Src{2, 0, 0}));
    QCOMPARE(Decode(part.pixel(29, 29)), (Src{2, 3, 3}));
    // Negative margins count as none.
    const QImage plain =
        BuildPartBitmap(QRect(0, 0, 8, 8), strip, QMargins(-3, -1, -7, -2), false, false, 2, 1);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            QCOMPARE(Decode(plain.pixel(x, y)), (Src{1, x / 2, y / 2}));
}

void TestDrawPrimitives::drawPartPlacesAndClips() {
    const QImage strip = CodedStrip(2, 4, 4, false);
    QImage canvas = Canvas(20, 20);
    {
        QPainter p(&canvas);
        DrawPart(p, QRect(15, 17, 8, 8), strip, false, false, false, 2, 2, QMargins());
    }
    ExpectOnly(canvas, QRect(15, 17, 5, 3), [](int x, int y) {
        return Src{2, (x - 15) / 2, (y - 17) / 2};
    });
}

void TestDrawPrimitives::frameCentered() {
    // A 10x4 frame in a 5x8 target at (20, 10): x = 20 + (5 - 10) / 2 = 18 (toward zero),
    // y = 10 + (8 - 4) / 2 = 12; it sticks out on both sides.
    const QImage strip = CodedStrip(3, 10, 4, false);
    QImage canvas = Canvas(40, 30);
    {
        QPainter p(&canvas);
        DrawFrameCentered(p, QRect(20, 10, 5, 8), strip, false, 3, 2);
    }
    ExpectOnly(canvas, QRect(18, 12, 10, 4), [](int x, int y) { return Src{2, x - 18, y - 12}; });
}

void TestDrawPrimitives::threePartTiled() {
    // Frame 1 of 2, 7x2, left 2 and right 1: middle of 4 columns repeated from x = 2; each
    // piece stretched from 2 rows to 4.
    const QImage strip = CodedStrip(2, 7, 2, false);
    QImage canvas = Canvas(16, 6);
    {
        QPainter p(&canvas);
        DrawThreePartTiled(p, QRect(1, 1, 13, 4), strip, false, false, 2, 1, QMargins(2, 9, 1, 9));
    }
    ExpectOnly(canvas, QRect(1, 1, 13, 4), [](int x, int y) {
        const int tx = x - 1;
        return Src{1, tx < 2 ? tx : tx == 12 ? 6 : 2 + (tx - 2) % 4, (y - 1) / 2};
    });
}

void TestDrawPrimitives::threePartWithoutMiddle() {
    // Left + right fill the whole frame: the middle takes the last left column and the call
    // returns.
    const QImage strip = CodedStrip(1, 4, 2, false);
    QImage canvas = Canvas(12, 2);
    {
        QPainter p(&canvas);
        DrawThreePartTiled(p, canvas.rect(), strip, false, false, 1, 1, QMargins(2, 0, 2, 0));
        StretchThreePart(p, QRect(0, 0, 12, 1), strip, false, 1, 1, QMargins(3, 0, 3, 0));
    }
    for (int x = 0; x < 12; ++x)
        QCOMPARE(Decode(canvas.pixel(x, 1)).x, x < 2 ? x : x >= 10 ? x - 8 : 1);
    for (int x = 0; x < 12; ++x)
        QCOMPARE(Decode(canvas.pixel(x, 0)).x, x < 3 ? std::min(x, 3) : x >= 9 ? 3 : 2);
}

void TestDrawPrimitives::stretchThreePart() {
    const QImage strip = CodedStrip(2, 6, 2, false);
    QImage canvas = Canvas(20, 8);
    {
        QPainter p(&canvas);
        // fw 6 <= 14: left 1 fixed, middle 4 -> 12 (x3), right 1 fixed; 2 rows -> 4 (x2).
        StretchThreePart(p, QRect(2, 1, 14, 4), strip, false, 2, 2, QMargins(1, 0, 1, 0));
        // fw 6 > 3: the whole frame stretched (halved) onto the target.
        StretchThreePart(p, QRect(17, 6, 3, 2), strip, false, 2, 1, QMargins(1, 0, 1, 0));
    }
    for (int y = 1; y < 5; ++y)
        for (int x = 2; x < 16; ++x) {
            const int tx = x - 2;
            const int sx = tx == 0 ? 0 : tx == 13 ? 5 : 1 + (tx - 1) / 3;
            QCOMPARE(Decode(canvas.pixel(x, y)), (Src{2, sx, (y - 1) / 2}));
        }
    for (int x = 17; x < 20; ++x) {
        QCOMPARE(Decode(canvas.pixel(x, 6)), (Src{1, 2 * (x - 17) + 1, 0}));
        QCOMPARE(Decode(canvas.pixel(x, 7)), (Src{1, 2 * (x - 17) + 1, 1}));
    }
    QCOMPARE(canvas.pixel(16, 2), Background);
    QCOMPARE(canvas.pixel(1, 2), Background);
}

void TestDrawPrimitives::tileBitmap() {
    const QImage strip = CodedStrip(2, 4, 4, false);
    // Source 3x2 from frame 2 at (1, 1) over a 7x3 destination: whole tiles, so the last
    // column and row reach to x < 9 and y < 4 past the destination.
    QImage canvas = Canvas(14, 10);
    {
        QPainter p(&canvas);
        TileBitmap(p, QRect(2, 3, 7, 3), strip, QRect(5, 1, 3, 2));
    }
    ExpectOnly(canvas, QRect(2, 3, 9, 4), [](int x, int y) {
        return Src{2, 1 + (x - 2) % 3, 1 + (y - 3) % 2};
    });
    // Empty or out-of-image sources tile nothing.
    QImage untouched = Canvas(8, 8);
    {
        QPainter p(&untouched);
        TileBitmap(p, QRect(0, 0, 8, 8), strip, QRect(0, 0, 0, 3));
        TileBitmap(p, QRect(0, 0, 8, 8), strip, QRect(2, 2, -1, 3));
        TileBitmap(p, QRect(0, 0, 8, 8), strip, QRect(6, 0, 4, 4));
        TileBitmap(p, QRect(0, 0, 8, 8), QImage(), QRect(0, 0, 1, 1));
    }
    QCOMPARE(CountNot(untouched, Background), 0);
}

void TestDrawPrimitives::invertedTargetsDrawNothing() {
    const QImage strip = CodedStrip(2, 4, 4, false);
    const QRect inverted(10, 10, -4, 5);
    const QRect flat(10, 10, 5, -1);
    QImage canvas = Canvas(20, 20);
    {
        QPainter p(&canvas);
        for (const QRect &r : {inverted, flat}) {
            DrawPart(p, r, strip, false, true, false, 2, 1, QMargins(1, 1, 1, 1));
            DrawStripFrame(p, r, strip, true, 2, 1);
            DrawFrameCentered(p, r, strip, false, 2, 1);
            DrawThreePartTiled(p, r, strip, false, false, 2, 1, QMargins(1, 0, 1, 0));
            StretchThreePart(p, r, strip, false, 2, 1, QMargins(1, 0, 1, 0));
            TileBitmap(p, r, strip, QRect(0, 0, 2, 2));
        }
    }
    QCOMPARE(CountNot(canvas, Background), 0);
    QVERIFY(BuildPartBitmap(inverted, strip, QMargins(), false, false, 2, 1).isNull());
    QVERIFY(BuildPartBitmap(QRect(0, 0, 0, 5), strip, QMargins(), false, false, 2, 1).isNull());
}

void TestDrawPrimitives::degenerateInputs() {
    const QImage strip = CodedStrip(3, 4, 4, false);
    QImage canvas = Canvas(12, 12);
    {
        QPainter p(&canvas);
        // Null and empty images draw nothing.
        DrawPart(p, QRect(0, 0, 8, 8), QImage(), false, false, false, 1, 1, QMargins(1, 1, 1, 1));
        DrawStripFrame(p, QRect(0, 0, 8, 8), QImage(), false, 1, 1);
        DrawFrameCentered(p, QRect(0, 0, 8, 8), QImage(), true, 1, 1);
        DrawThreePartTiled(p, QRect(0, 0, 8, 8), QImage(), false, true, 1, 1, QMargins());
        StretchThreePart(p, QRect(0, 0, 8, 8), QImage(), false, 1, 1, QMargins());
        // More frames than pixels: no frame.
        DrawStripFrame(p, QRect(0, 0, 8, 8), strip, false, 50, 1);
    }
    QCOMPARE(CountNot(canvas, Background), 0);
    // Frame count 0 shows the whole image as one frame; an index past the end the last frame.
    {
        QPainter p(&canvas);
        DrawStripFrame(p, QRect(0, 0, 12, 4), strip, false, 0, 3);
        DrawStripFrame(p, QRect(0, 4, 4, 4), strip, false, 3, 7);
        DrawFrameCentered(p, QRect(4, 4, 4, 4), strip, false, 3, -2);
    }
    for (int x = 0; x < 12; ++x)
        QCOMPARE(Decode(canvas.pixel(x, 0)), (Src{1 + x / 4, x % 4, 0}));
    QCOMPARE(Decode(canvas.pixel(0, 4)), (Src{3, 0, 0}));
    QCOMPARE(Decode(canvas.pixel(4, 4)), (Src{1, 0, 0}));
    // A target far larger than the device still covers the part of it that lies inside.
    QImage small = Canvas(4, 4);
    {
        QPainter p(&small);
        DrawPart(p, QRect(-1000, -1000, 2000, 2000), strip, false, true, true, 3, 1,
                 QMargins(1, 1, 1, 1));
    }
    QCOMPARE(CountNot(small, Background), 16);
    // Absurd targets are refused instead of allocating gigabytes.
    const QRect absurd(0, 0, 100000, 90000);
    QVERIFY(BuildPartBitmap(absurd, strip, QMargins(), false, false, 3, 1).isNull());
    QVERIFY(BuildPartBitmap(QRect(0, 0, 20000, 2), strip, QMargins(), false, false, 3, 1).isNull());
    QImage untouched = Canvas(4, 4);
    {
        QPainter p(&untouched);
        DrawPart(p, absurd, strip, false, false, false, 3, 1, QMargins());
        DrawStripFrame(p, absurd, strip, false, 3, 1);
        DrawThreePartTiled(p, absurd, strip, false, false, 3, 1, QMargins());
        StretchThreePart(p, absurd, strip, false, 3, 1, QMargins());
        TileBitmap(p, absurd, strip, QRect(0, 0, 1, 1));
    }
    QCOMPARE(CountNot(untouched, Background), 0);
}

void TestDrawPrimitives::randomInputs() {
    // Any sizes, counts, indexes and margins: every routine returns, and every pixel of a
    // nine-part image comes from inside the one frame it picked.
    QRandomGenerator rng(7151);
    const auto any = [&](int lo, int hi) { return lo + int(rng.bounded(hi - lo + 1)); };
    for (int round = 0; round < 400; ++round) {
        const int frames = any(1, 5);
        const bool vertical = rng.bounded(2);
        const QImage strip = CodedStrip(frames, any(1, 7), any(1, 7), vertical, any(0, 3));
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
        QImage canvas = Canvas(32, 32);
        QPainter p(&canvas);
        DrawPart(p, target, strip, vertical, tile, keyed, count, index, margins);
        DrawStripFrame(p, target, strip, keyed, count, index);
        DrawFrameCentered(p, target, strip, keyed, count, index);
        DrawThreePartTiled(p, target, strip, vertical, keyed, count, index, margins);
        StretchThreePart(p, target, strip, vertical, count, index, margins);
        TileBitmap(p, target, strip, QRect(any(-2, 8), any(-2, 8), any(-2, 8), any(-2, 8)));
    }
}

QTEST_MAIN(TestDrawPrimitives)
#include "tst_drawprimitives.moc"
