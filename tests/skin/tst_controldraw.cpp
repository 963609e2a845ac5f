// The drawing routines the control skins share: exact pixels of the arrows, keyed and opaque
// skin parts.
#include "skin/controls/controldraw.h"
#include "skin/data/tdataskinobject.h"

#include <QPainter>
#include <QtTest>

#include <functional>

using namespace skin;

namespace {

constexpr QRgb Cyan = 0xFF00FFFF;
constexpr QRgb Magenta = 0xFFFF00FF;
constexpr QRgb Green = 0xFF008000;

QImage Canvas(const std::function<void(QPainter &)> &draw) {
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Cyan);
    QPainter p(&image);
    p.setPen(Qt::black);
    draw(p);
    return image;
}

// The pixels that are not the background, relative to origin, row by row.
QList<QPoint> Drawn(const QImage &image, QPoint origin = {}) {
    QList<QPoint> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != Cyan)
                out << QPoint(x, y) - origin;
    return out;
}

} // namespace

class TestControlDraw : public QObject {
    Q_OBJECT

private slots:
    void arrowLines_data();
    void arrowLines();
    void skinPartKeyedOrOpaque();
};

void TestControlDraw::arrowLines_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<QPoint>>("pixels");
    // End points are never drawn: the lines from (0, 2) stop short of the bottom row's middle.
    QTest::newRow("up") << 0 << QList<QPoint>{{0, 0},  {-1, 1}, {0, 1}, {1, 1}, {-2, 2},
                                              {-1, 2}, {0, 2},  {1, 2}, {2, 2}, {-3, 3},
                                              {-2, 3}, {-1, 3}, {1, 3}, {2, 3}, {3, 3}};
    QTest::newRow("down") << 1 << QList<QPoint>{{-3, 0}, {-2, 0}, {2, 0}, {3, 0}, {-2, 1},
                                                {-1, 1}, {0, 1},  {1, 1}, {2, 1}, {-1, 2},
                                                {0, 2},  {1, 2},  {0, 3}};
    QTest::newRow("left") << 2 << QList<QPoint>{{1, -2}, {0, -1}, {1, -1}, {-1, 0}, {0, 0},
                                                {1, 0},  {0, 1},  {1, 1},  {1, 2}};
    QTest::newRow("right") << 3 << QList<QPoint>{{-1, -2}, {-1, -1}, {0, -1}, {-1, 0}, {0, 0},
                                                 {1, 0},   {-1, 1},  {0, 1},  {-1, 2}};
    QTest::newRow("other") << 4 << QList<QPoint>{};
}

void TestControlDraw::arrowLines() {
    QFETCH(int, direction);
    QFETCH(QList<QPoint>, pixels);
    const QImage image = Canvas([&](QPainter &p) { DrawArrowLines(p, 10, 10, direction); });
    QCOMPARE(Drawn(image, QPoint(10, 10)), pixels);
}

void TestControlDraw::skinPartKeyedOrOpaque() {
    TDataSkinObject obj(QStringLiteral("Part"));
    obj.Image = QImage(8, 4, QImage::Format_RGB32);
    obj.Image.fill(Green);
    obj.Image.setPixel(0, 0, Magenta); // frame 1's corner
    obj.Image.setPixel(4, 0, Magenta); // frame 2's corner
    obj.LeftWidth = obj.TopHeight = obj.RightWidth = obj.BottomHeight = 1;
    for (int trans : {1, 0}) {
        obj.Trans = trans;
        const QImage image =
            Canvas([&](QPainter &p) { DrawSkinPart(p, QRect(2, 2, 10, 6), 2, 2, obj); });
        QCOMPARE(image.pixel(2, 2), trans ? Cyan : Magenta);
        QCOMPARE(image.pixel(3, 2), Green);
        QCOMPARE(image.pixel(1, 1), Cyan);
    }
    // Inverted rectangles draw nothing; a frame count of 0 counts as 1, so the whole strip is
    // the frame.
    QVERIFY(Drawn(Canvas([&](QPainter &p) {
                DrawSkinPart(p, QRect(5, 5, -3, 4), 2, 1, obj);
                DrawStripToDC(p, QRect(5, 5, 4, -1), 2, 1, obj.Image);
            })).isEmpty());
    const QImage zero =
        Canvas([&](QPainter &p) { DrawStripToDC(p, QRect(0, 0, 8, 4), 0, 7, obj.Image); });
    QCOMPARE(QList<QRgb>({zero.pixel(0, 0), zero.pixel(4, 0), zero.pixel(5, 1)}),
             QList<QRgb>({Cyan, Cyan, Green}));
}

QTEST_MAIN(TestControlDraw)
#include "tst_controldraw.moc"
