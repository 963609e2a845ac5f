#include "skin/draw/gradient.h"

#include <QPainter>
#include <QTest>

using namespace skin;

namespace {

constexpr QRgb Background = 0xFF0A0B0C;

QImage Canvas(int w, int h) {
    QImage c(w, h, QImage::Format_RGB32);
    c.fill(Background);
    return c;
}

} // namespace

class TestGradient : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearGradientCache(); }
    void tables();
    void fallingChannels();
    void cacheRoundRobin();
    void cacheFindsTablesMissingTheirEnd();
    void fillVerticalAndHorizontal();
    void fillClippedKeepsFullRectangleColours();
    void fillDegenerate();
    void fillSystemColours();
};

void TestGradient::tables() {
    QCOMPARE(BuildGradient(1, clBlack, clWhite), QList<SkinColor>{SkinRgb(127, 127, 127)});
    QCOMPARE(BuildGradient(5, clBlack, SkinRgb(255, 0, 0)),
             (QList<SkinColor>{SkinRgb(0, 0, 0), SkinRgb(64, 0, 0), SkinRgb(128, 0, 0),
                               SkinRgb(191, 0, 0), SkinRgb(255, 0, 0)}));
    // Each channel on its own: green (100 * i + 1) / 3, blue 10 + (3 * i + 1) / 3.
    QCOMPARE(BuildGradient(4, SkinRgb(0, 0, 10), SkinRgb(0, 100, 13)),
             (QList<SkinColor>{SkinRgb(0, 0, 10), SkinRgb(0, 33, 11), SkinRgb(0, 67, 12),
                               SkinRgb(0, 100, 13)}));
    QCOMPARE(BuildGradient(2, SkinRgb(1, 2, 3), SkinRgb(4, 5, 6)),
             (QList<SkinColor>{SkinRgb(1, 2, 3), SkinRgb(4, 5, 6)}));
    QVERIFY(BuildGradient(0, clBlack, clWhite).isEmpty());
    QVERIFY(BuildGradient(-4, clBlack, clWhite).isEmpty());
}

void TestGradient::fallingChannels() {
    // Rounding toward zero on a falling channel ((-255 * i + 2) / 4): the last entry stops one
    // short of the end.
    QCOMPARE(BuildGradient(5, SkinRgb(255, 0, 0), clBlack),
             (QList<SkinColor>{SkinRgb(255, 0, 0), SkinRgb(192, 0, 0), SkinRgb(128, 0, 0),
                               SkinRgb(65, 0, 0), SkinRgb(1, 0, 0)}));
    QCOMPARE(BuildGradient(1, clWhite, clBlack), QList<SkinColor>{SkinRgb(128, 128, 128)});
    // Every entry stays within the two colours.
    const QList<SkinColor> t = BuildGradient(300, SkinRgb(250, 3, 128), SkinRgb(7, 255, 128));
    QCOMPARE(t.size(), 300);
    for (SkinColor c : t) {
        QVERIFY(SkinRed(c) >= 7 && SkinRed(c) <= 250);
        QVERIFY(SkinGreen(c) >= 3 && SkinGreen(c) <= 255);
        QCOMPARE(SkinBlue(c), 128);
        QCOMPARE(c & ~0xFFFFFF, 0);
    }
}

void TestGradient::cacheRoundRobin() {
    for (int i = 0; i < GradientCacheSlots; ++i)
        QCOMPARE(GetGradient(10 + i, clBlack, clWhite), i);
    // Found again without building.
    QCOMPARE(GetGradient(12, clBlack, clWhite), 2);
    QCOMPARE(FindGradient(25, clBlack, clWhite), 15);
    // The 17th distinct gradient reuses slot 0 and the first one is gone.
    QCOMPARE(GetGradient(99, clBlack, clWhite), 0);
    QCOMPARE(FindGradient(10, clBlack, clWhite), -1);
    QCOMPARE(GradientTable(0), BuildGradient(99, clBlack, clWhite));
    QCOMPARE(GradientTable(15), BuildGradient(25, clBlack, clWhite));
    QVERIFY(GradientTable(-1).isEmpty());
    QVERIFY(GradientTable(GradientCacheSlots).isEmpty());
}

void TestGradient::cacheFindsTablesMissingTheirEnd() {
    const int slot = GetGradient(5, clWhite, clBlack);
    QCOMPARE(GradientTable(slot).last(), SkinRgb(1, 1, 1));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(GetGradient(5, clWhite, clBlack), slot);
    QCOMPARE(GetGradient(6, clWhite, clBlack), slot + 1);
}

void TestGradient::fillVerticalAndHorizontal() {
    const SkinColor start = SkinRgb(0, 40, 200), end = SkinRgb(240, 80, 20);
    QImage canvas = Canvas(30, 20);
    {
        QPainter p(&canvas);
        GradientFillRect(p, QRect(2, 3, 5, 12), start, true, end);
        GradientFillRect(p, QRect(10, 1, 17, 4), start, false, end);
    }
    const QList<SkinColor> down = BuildGradient(12, start, end);
    const QList<SkinColor> across = BuildGradient(17, start, end);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) {
            QRgb expected = Background;
            if (QRect(2, 3, 5, 12).contains(x, y))
                expected = SkinColorToQRgb(down[y - 3]);
            else if (QRect(10, 1, 17, 4).contains(x, y))
                expected = SkinColorToQRgb(across[x - 10]);
            QCOMPARE(canvas.pixel(x, y), expected);
        }
}

void TestGradient::fillClippedKeepsFullRectangleColours() {
    const SkinColor start = SkinRgb(255, 255, 255), end = SkinRgb(0, 60, 120);
    const QRect rect(4, 2, 6, 40);
    QImage full = Canvas(20, 50), clipped = Canvas(20, 50);
    {
        QPainter p(&full);
        GradientFillRect(p, rect, start, true, end);
    }
    const QRect clip(0, 20, 20, 10); // lines 18 to 27 of the rectangle
    {
        QPainter p(&clipped);
        p.setClipRect(clip);
        GradientFillRect(p, rect, start, true, end);
        p.setClipRect(QRect(15, 0, 5, 50)); // beside the rectangle: nothing
        GradientFillRect(p, rect, start, true, end);
    }
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 20; ++x)
            QCOMPARE(clipped.pixel(x, y), clip.contains(x, y) ? full.pixel(x, y) : Background);
    // The same horizontally, clipped on the left.
    QImage h = Canvas(40, 4), hFull = Canvas(40, 4);
    {
        QPainter p(&hFull);
        GradientFillRect(p, QRect(0, 0, 40, 4), start, false, end);
    }
    {
        QPainter p(&h);
        p.setClipRect(QRect(25, 0, 15, 4));
        GradientFillRect(p, QRect(0, 0, 40, 4), start, false, end);
    }
    for (int x = 0; x < 40; ++x)
        QCOMPARE(h.pixel(x, 2), x >= 25 ? hFull.pixel(x, 2) : Background);
}

void TestGradient::fillDegenerate() {
    QImage canvas = Canvas(10, 10);
    {
        QPainter p(&canvas);
        GradientFillRect(p, QRect(5, 5, -3, 4), clBlack, true, clWhite);
        GradientFillRect(p, QRect(5, 5, 3, -4), clBlack, false, clWhite);
        GradientFillRect(p, QRect(5, 5, 0, 4), clBlack, true, clWhite);
        GradientFillRect(p, QRect(5, 5, 4, 0), clBlack, true, clWhite);
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            QCOMPARE(canvas.pixel(x, y), Background);
    // A one-line gradient is the midpoint.
    {
        QPainter p(&canvas);
        GradientFillRect(p, QRect(0, 0, 10, 1), clBlack, true, clWhite);
    }
    QCOMPARE(canvas.pixel(9, 0), qRgb(127, 127, 127));
}

void TestGradient::fillSystemColours() {
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 0, 200));
    pal.setColor(QPalette::Active, QPalette::Button, QColor(200, 0, 0));
    QImage canvas = Canvas(1, 3);
    {
        QPainter p(&canvas);
        GradientFillRect(p, canvas.rect(), clHighlight, true, clBtnFace, pal);
    }
    QCOMPARE(canvas.pixel(0, 0), qRgb(0, 0, 200));
    QCOMPARE(canvas.pixel(0, 1), qRgb(100, 0, 101)); // blue 200 + (-200 + 1) / 2
    QCOMPARE(canvas.pixel(0, 2), qRgb(200, 0, 1));   // a falling channel stops one short
}

QTEST_MAIN(TestGradient)
#include "tst_bitmaputilsgradient.moc"
