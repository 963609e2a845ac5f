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

QImage Filled(QSize size, const QRect &rect, SkinColor start, bool vertical, SkinColor end,
              const QRect &clip = QRect()) {
    QImage canvas = Canvas(size.width(), size.height());
    QPainter p(&canvas);
    if (clip.isValid())
        p.setClipRect(clip);
    GradientFillRect(p, rect, start, vertical, end);
    return canvas;
}

} // namespace

class TestGradient : public QObject {
    Q_OBJECT

private slots:
    void tables();
    void fillVerticalAndHorizontal();
    void fillClippedKeepsFullRectangleColours();
    void fillDegenerateAndSystemColours();
};

void TestGradient::tables() {
    QCOMPARE(GetGradient(1, clBlack, clWhite), QList<SkinColor>{SkinRgb(127, 127, 127)});
    QCOMPARE(GetGradient(5, clBlack, SkinRgb(255, 0, 0)),
             (QList<SkinColor>{0, SkinRgb(64, 0, 0), SkinRgb(128, 0, 0), SkinRgb(191, 0, 0),
                               SkinRgb(255, 0, 0)}));
    // Each channel on its own: green (100 * i + 1) / 3, blue 10 + (3 * i + 1) / 3.
    QCOMPARE(GetGradient(4, SkinRgb(0, 0, 10), SkinRgb(0, 100, 13)),
             (QList<SkinColor>{SkinRgb(0, 0, 10), SkinRgb(0, 33, 11), SkinRgb(0, 67, 12),
                               SkinRgb(0, 100, 13)}));
    QVERIFY(GetGradient(0, clBlack, clWhite).isEmpty());
    QVERIFY(GetGradient(-4, clBlack, clWhite).isEmpty());
    // A falling channel rounds toward zero ((-255 * i + 2) / 4): the last entry stops short.
    QCOMPARE(GetGradient(5, SkinRgb(255, 0, 0), clBlack),
             (QList<SkinColor>{SkinRgb(255, 0, 0), SkinRgb(192, 0, 0), SkinRgb(128, 0, 0),
                               SkinRgb(65, 0, 0), SkinRgb(1, 0, 0)}));
    QCOMPARE(GetGradient(1, clWhite, clBlack), QList<SkinColor>{SkinRgb(128, 128, 128)});
    const QList<SkinColor> t = GetGradient(300, SkinRgb(250, 3, 128), SkinRgb(7, 255, 128));
    QCOMPARE(t.size(), 300);
    for (SkinColor c : t) { // every entry within the two colours
        QVERIFY(SkinRed(c) >= 7 && SkinRed(c) <= 250 && SkinGreen(c) >= 3);
        QCOMPARE(c & ~0xFFFF, 128 << 16);
    }
}

void TestGradient::fillVerticalAndHorizontal() {
    const SkinColor start = SkinRgb(0, 40, 200), end = SkinRgb(240, 80, 20);
    QImage canvas = Filled(QSize(30, 20), QRect(2, 3, 5, 12), start, true, end);
    {
        QPainter p(&canvas);
        GradientFillRect(p, QRect(10, 1, 17, 4), start, false, end);
    }
    const QList<SkinColor> down = GetGradient(12, start, end);
    const QList<SkinColor> across = GetGradient(17, start, end);
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
    const QRect rect(4, 2, 6, 40), clip(0, 20, 20, 10);
    const QImage full = Filled(QSize(20, 50), rect, start, true, end);
    const QImage clipped = Filled(QSize(20, 50), rect, start, true, end, clip);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 20; ++x)
            QCOMPARE(clipped.pixel(x, y), clip.contains(x, y) ? full.pixel(x, y) : Background);
    const QImage hFull = Filled(QSize(40, 4), QRect(0, 0, 40, 4), start, false, end);
    const QImage h =
        Filled(QSize(40, 4), QRect(0, 0, 40, 4), start, false, end, QRect(25, 0, 15, 4));
    for (int x = 0; x < 40; ++x)
        QCOMPARE(h.pixel(x, 2), x >= 25 ? hFull.pixel(x, 2) : Background);
    const QImage beside = Filled(QSize(20, 50), rect, start, true, end, QRect(15, 0, 5, 50));
    QCOMPARE(beside, Canvas(20, 50));
}

void TestGradient::fillDegenerateAndSystemColours() {
    for (const QRect &r : {QRect(5, 5, -3, 4), QRect(5, 5, 3, -4), QRect(5, 5, 0, 4)})
        for (bool vertical : {true, false})
            QCOMPARE(Filled(QSize(10, 10), r, clBlack, vertical, clWhite), Canvas(10, 10));
    QCOMPARE(Filled(QSize(10, 1), QRect(0, 0, 10, 1), clBlack, true, clWhite).pixel(9, 0),
             qRgb(127, 127, 127)); // one line: the midpoint
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
#include "tst_gradient.moc"
