// The drawing routines the control skins share: exact pixels of the arrows, keyed and opaque
// skin parts, and where captions are placed.
#include "skin/controls/controldraw.h"
#include "skin/data/tdataskinobject.h"
#include "skin/draw/skindrawtext.h"
#include "support/skin/skinnedwidgets.h"

#include <QPainter>
#include <QtTest>

#include <functional>
#include <set>

using namespace skin;

namespace {

constexpr QRgb Cyan = 0xFF00FFFF;
constexpr QRgb Magenta = 0xFFFF00FF;
using Pixels = std::set<std::pair<int, int>>;

QImage Canvas(int w, int h, const std::function<void(QPainter &)> &draw) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Cyan);
    QPainter p(&image);
    p.setPen(Qt::black);
    draw(p);
    return image;
}

// Pixels that are not the background, relative to origin.
Pixels Drawn(const QImage &image, QPoint origin = {}) {
    Pixels out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != Cyan)
                out.insert({x - origin.x(), y - origin.y()});
    return out;
}

QRect Ink(const QImage &image) {
    QRect r;
    for (const auto &[x, y] : Drawn(image))
        r |= QRect(x, y, 1, 1);
    return r;
}

// Where the ink of text starts when its rectangle is at the origin, and its measured size.
struct TextMetrics {
    QRect ink;
    QSize size;
};

TextMetrics Measure(const QString &text) {
    QRect measured(0, 0, 200, 40);
    const QImage reference = Canvas(200, 40, [&](QPainter &p) {
        SkinDrawText(p, text, measured, DT_CALCRECT);
        QRect at(0, 0, 200, 40);
        SkinDrawText(p, text, at, DT_LEFT);
    });
    return {Ink(reference), measured.size()};
}

} // namespace

class TestControlDraw : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { skin::test::UseCrispFont(); }
    void arrowLines_data();
    void arrowLines();
    void skinPartKeyedOrOpaque();
    void imageTextPlacement();
    void panelTextOneAboveCentre();
};

void TestControlDraw::arrowLines_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<QPoint>>("pixels");
    // End points are never drawn: the lines from (0, 2) stop short of the bottom row's middle.
    QTest::newRow("up") << 0 << QList<QPoint>{{0, 0},  {-1, 1}, {0, 1}, {1, 1}, {-2, 2},
                                              {-1, 2}, {0, 2},  {1, 2}, {2, 2}, {-3, 3},
                                              {-2, 3}, {-1, 3}, {1, 3}, {2, 3}, {3, 3}};
    QTest::newRow("down") << 1 << QList<QPoint>{{0, 3},  {-1, 2}, {0, 2}, {1, 2}, {-2, 1},
                                                {-1, 1}, {0, 1},  {1, 1}, {2, 1}, {-3, 0},
                                                {-2, 0}, {2, 0},  {3, 0}};
    QTest::newRow("left") << 2 << QList<QPoint>{{-1, 0}, {0, -1}, {0, 0}, {0, 1}, {1, -2},
                                                {1, -1}, {1, 0},  {1, 1}, {1, 2}};
    QTest::newRow("right") << 3 << QList<QPoint>{{1, 0},   {0, -1}, {0, 0},  {0, 1}, {-1, -2},
                                                 {-1, -1}, {-1, 0}, {-1, 1}, {-1, 2}};
    QTest::newRow("other") << 4 << QList<QPoint>{};
}

void TestControlDraw::arrowLines() {
    QFETCH(int, direction);
    QFETCH(QList<QPoint>, pixels);
    const QImage image = Canvas(20, 20, [&](QPainter &p) { DrawArrowLines(p, 10, 10, direction); });
    Pixels expected;
    for (const QPoint &pt : pixels)
        expected.insert({pt.x(), pt.y()});
    QCOMPARE(Drawn(image, QPoint(10, 10)), expected);
}

void TestControlDraw::skinPartKeyedOrOpaque() {
    TDataSkinObject obj(QStringLiteral("Part"));
    obj.Image = QImage(8, 4, QImage::Format_RGB32);
    obj.Image.fill(Qt::darkGreen);
    obj.Image.setPixel(0, 0, Magenta); // frame 1's corner
    obj.Image.setPixel(4, 0, Magenta); // frame 2's corner
    obj.LeftWidth = obj.TopHeight = obj.RightWidth = obj.BottomHeight = 1;
    for (int trans : {1, 0}) {
        obj.Trans = trans;
        const QImage image =
            Canvas(20, 10, [&](QPainter &p) { DrawSkinPart(p, QRect(2, 2, 10, 6), 2, 2, obj); });
        QCOMPARE(image.pixel(2, 2), trans ? Cyan : Magenta);
        QCOMPARE(image.pixel(3, 2), QColor(Qt::darkGreen).rgb());
        QCOMPARE(image.pixel(1, 1), Cyan);
    }
    // Inverted rectangles draw nothing; a frame count of 0 counts as 1, a frame past the
    // strip is its last frame.
    const QImage none = Canvas(20, 10, [&](QPainter &p) {
        DrawSkinPart(p, QRect(5, 5, -3, 4), 2, 1, obj);
        DrawStripToDC(p, QRect(5, 5, 4, -1), 2, 1, obj.Image);
    });
    QVERIFY(Drawn(none).empty());
    const QImage zero =
        Canvas(8, 4, [&](QPainter &p) { DrawStripToDC(p, QRect(0, 0, 8, 4), 0, 7, obj.Image); });
    QCOMPARE(zero.pixel(0, 0), Cyan);
    QCOMPARE(zero.pixel(4, 0), Cyan);
    QCOMPARE(zero.pixel(5, 1), QColor(Qt::darkGreen).rgb());
}

void TestControlDraw::imageTextPlacement() {
    const QString text = QStringLiteral("Hi");
    const TextMetrics metrics = Measure(text);
    const QRect ink0 = metrics.ink;
    const int tw = metrics.size.width();
    const QRect rect(10, 5, 100, 30);
    struct Case {
        int align;
        int width;
        int textLeft;
    };
    for (const Case c : {Case{0, 100, 3}, Case{1, 100, (100 - tw) / 2}, Case{2, 100, 100 - tw - 2},
                         Case{2, tw + 1, 1}}) {
        const QRect r(rect.topLeft(), QSize(c.width, rect.height()));
        const QImage image = Canvas(200, 40, [&](QPainter &p) {
            DrawImageText(nullptr, p, r, c.align, text, QPixmap(), true);
        });
        QCOMPARE(Ink(image).left(), r.left() + c.textLeft + ink0.left());
    }
    // With an icon: icon first, then the text after it.
    QPixmap icon(6, 6);
    icon.fill(Qt::red);
    const QImage image =
        Canvas(200, 40, [&](QPainter &p) { DrawImageText(nullptr, p, rect, 0, text, icon, true); });
    QCOMPARE(image.pixel(rect.left() + 3, rect.top() + 12), QColor(Qt::red).rgb());
    QCOMPARE(image.pixel(rect.left() + 2, rect.top() + 12), Cyan);
    QRect textOnly = Ink(image);
    textOnly.setLeft(rect.left() + 3 + 6);
    QVERIFY(Ink(image.copy(textOnly)).left() == ink0.left());
}

void TestControlDraw::panelTextOneAboveCentre() {
    const QString text = QStringLiteral("Hi");
    const TextMetrics metrics = Measure(text);
    const QRect rect(0, 0, 100, 40);
    const QImage image = Canvas(
        200, 40, [&](QPainter &p) { DrawPanelText(nullptr, p, rect, text, true, DT_CENTER); });
    QCOMPARE(Ink(image).top(), (40 - metrics.size.height()) / 2 - 1 + metrics.ink.top());
    QCOMPARE(Ink(image).left(), (100 - metrics.size.width()) / 2 + metrics.ink.left());
}

QTEST_MAIN(TestControlDraw)
#include "tst_controldraw.moc"
