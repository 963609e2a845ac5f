// The generator's building blocks: BMP writing, keyed flattening, arrows.

#include "bmpfile.h"
#include "imagekit.h"

#include <QPainter>
#include <QtTest>

using namespace skinpack;

namespace {

QImage patterned(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 37 + y) & 255, (y * 53 + 7) & 255, (x * y * 11) & 255));
    return img;
}

} // namespace

class tst_OurSkinArt : public QObject {
    Q_OBJECT

private slots:
    void bmpRoundTrip_data();
    void bmpRoundTrip();
    void flattenKeysThinCoverage();
    void flattenNeverMakesKeyFromDrawing();
    void arrowIsCentredAndSymmetric_data();
    void arrowIsCentredAndSymmetric();
};

void tst_OurSkinArt::bmpRoundTrip_data() {
    QTest::addColumn<QSize>("size");
    // Widths 1..5 cover every row padding (0 to 3 bytes).
    for (int w : {1, 2, 3, 4, 5, 17})
        QTest::newRow(qPrintable(QStringLiteral("%1x3").arg(w))) << QSize(w, 3);
    QTest::newRow("one row") << QSize(9, 1);
}

void tst_OurSkinArt::bmpRoundTrip() {
    QFETCH(QSize, size);
    const QImage src = patterned(size.width(), size.height());
    const QByteArray bytes = toBmp24(src);
    const QImage back = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(back.size(), size);
    QCOMPARE(back, src);
    const int stride = (size.width() * 3 + 3) / 4 * 4; // 24 bits, uncompressed
    QCOMPARE(bytes.size(), 54 + stride * size.height());
    QImage otherResolution = src;
    otherResolution.setDotsPerMeterX(3780);
    QCOMPARE(toBmp24(otherResolution), bytes); // the bytes depend on the pixels alone
}

void tst_OurSkinArt::flattenKeysThinCoverage() {
    QImage drawing = clearCanvas(20, 20);
    {
        QPainter p(&drawing);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawEllipse(QRectF(2.3, 2.3, 15.2, 15.2));
    }
    const QColor under(10, 120, 10);
    const QImage out = flattenOver(drawing, under);
    const QImage argb = drawing.convertToFormat(QImage::Format_ARGB32);
    int keyed = 0, edge = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const int a = qAlpha(argb.pixel(x, y));
            const QRgb px = out.pixel(x, y);
            if (a < 128) {
                QCOMPARE(px, KeyColor);
                ++keyed;
            } else {
                QVERIFY(px != KeyColor);
                // Partly covered pixels blend with the colour below, not with the key.
                QVERIFY(qBlue(px) < 60);
                if (a < 255)
                    ++edge;
            }
        }
    QVERIFY(keyed > 0);
    QVERIFY(edge > 0);
    QCOMPARE(out.pixel(10, 10), qRgb(200, 40, 40));
}

void tst_OurSkinArt::flattenNeverMakesKeyFromDrawing() {
    QImage drawing = clearCanvas(2, 1);
    drawing.setPixel(0, 0, KeyColor);
    const QImage out = flattenOver(drawing, QColor(0, 0, 0));
    QVERIFY(out.pixel(0, 0) != KeyColor); // a drawn pixel stays visible
    QCOMPARE(out.pixel(1, 0), KeyColor);
}

void tst_OurSkinArt::arrowIsCentredAndSymmetric_data() {
    QTest::addColumn<int>("direction");
    QTest::newRow("down") << int(Direction::Down);
    QTest::newRow("up") << int(Direction::Up);
    QTest::newRow("left") << int(Direction::Left);
    QTest::newRow("right") << int(Direction::Right);
}

void tst_OurSkinArt::arrowIsCentredAndSymmetric() {
    QFETCH(int, direction);
    const Direction dir = Direction(direction);
    QImage img = keyCanvas(17, 17);
    {
        QPainter p(&img);
        paintArrow(p, img.rect(), dir, 7, Qt::black);
    }
    const bool vertical = dir == Direction::Up || dir == Direction::Down;
    // Work in "down" orientation: transpose horizontal arrows.
    QImage view = vertical ? img : img.transformed(QTransform(0, 1, 1, 0, 0, 0));
    if (dir == Direction::Up || dir == Direction::Left)
        view = view.mirrored(false, true);
    QRect box;
    int area = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x)
            if (view.pixel(x, y) != KeyColor) {
                box |= QRect(x, y, 1, 1);
                ++area;
            }
    QCOMPARE(box.size(), QSize(7, 4));
    QCOMPARE(area, 7 + 5 + 3 + 1);
    QCOMPARE(box.left(), 5);
    QCOMPARE(box.left() + box.right(), 16);               // centred in 17
    QCOMPARE(view.pixel(8, box.bottom()), qRgb(0, 0, 0)); // the tip points the right way
    QCOMPARE(view.pixel(7, box.bottom()), KeyColor);
}

QTEST_MAIN(tst_OurSkinArt)
#include "tst_ourskinart.moc"
