// SkinDrawText measured against QFontMetrics and checked in the pixels it draws.
#include "skin/draw/skindrawtext.h"

#include <QFontMetrics>
#include <QImage>
#include <QtTest>

using namespace skin;

namespace {

QImage Canvas() {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Bounds of the pixels SkinDrawText inks on a white canvas.
QRect Ink(const QString &text, unsigned format, QRect rect, int *height = nullptr) {
    QImage image = Canvas();
    QPainter p(&image);
    const int h = SkinDrawText(p, text, rect, format);
    if (height)
        *height = h;
    p.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

class TestSkinDrawText : public QObject {
    Q_OBJECT

private slots:
    void measures_data();
    void measures();
    void drawsWhereTheFormatSays();
};

void TestSkinDrawText::measures_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("format");
    QTest::addColumn<int>("width"); // of the rect handed in; -1: just wider than "three"
    QTest::addColumn<QString>("widest");
    QTest::addColumn<int>("lines");
    const uint one = DT_SINGLELINE;
    QTest::newRow("one line") << "Save as" << one << 10 << "Save as" << 1;
    QTest::newRow("mnemonic") << "&Save && go" << one << 10 << "Save & go" << 1;
    QTest::newRow("no prefix") << "&Save" << (one | DT_NOPREFIX) << 10 << "&Save" << 1;
    QTest::newRow("line breaks") << "www\r\nx\ry" << 0u << 10 << "www" << 3;
    QTest::newRow("single line keeps breaks out") << "ab\ncd" << one << 10 << "ab cd" << 1;
    QTest::newRow("word break") << "one two three" << uint(DT_WORDBREAK) << -1 << "three" << 3;
    QTest::newRow("long word widens")
        << "bookkeeping" << uint(DT_WORDBREAK) << 4 << "bookkeeping" << 1;
}

void TestSkinDrawText::measures() {
    QFETCH(QString, text);
    QFETCH(uint, format);
    QFETCH(int, width);
    QFETCH(QString, widest);
    QFETCH(int, lines);
    QImage image = Canvas();
    QPainter p(&image);
    const QFontMetrics fm = p.fontMetrics();
    QRect rect(7, 5, width < 0 ? fm.horizontalAdvance(QStringLiteral("three")) + 1 : width, 3);
    const int height = SkinDrawText(p, text, rect, format | DT_CALCRECT);
    QCOMPARE(rect.topLeft(), QPoint(7, 5));
    QCOMPARE(rect.height(), height);
    const QString rows = QStringList(lines, QStringLiteral("x")).join(u'\n');
    QCOMPARE(height, fm.boundingRect(QRect(0, 0, 999, 999), 0, rows).height());
    // Layout rounds widths up where horizontalAdvance rounds to the nearest pixel.
    QVERIFY(qAbs(rect.width() - fm.horizontalAdvance(widest)) <= 1);
    p.end();
    QCOMPARE(image, Canvas()); // measuring draws nothing
}

void TestSkinDrawText::drawsWhereTheFormatSays() {
    const QString text = QStringLiteral("Ledger");
    const QRect box(20, 10, 160, 40);
    const QRect left = Ink(text, DT_SINGLELINE, box);
    const QRect right = Ink(text, DT_SINGLELINE | DT_RIGHT, box);
    const QRect centre = Ink(text, DT_SINGLELINE | DT_CENTER, box);
    QVERIFY(left.left() >= box.left() && left.left() < box.left() + 4);
    QVERIFY(right.right() <= box.right() && right.right() > box.right() - 4);
    QVERIFY(qAbs((centre.left() - box.left()) - (box.right() - centre.right())) <= 2);
    QCOMPARE(Ink(text, DT_SINGLELINE | DT_RIGHT | DT_RTLREADING, box), right);

    int height = 0;
    const QRect bottom = Ink(text, DT_SINGLELINE | DT_BOTTOM, box, &height);
    QCOMPARE(height, box.height()); // from the top of rect to the bottom of the text
    const QRect middle = Ink(text, DT_SINGLELINE | DT_VCENTER, box);
    QVERIFY(left.top() < middle.top() && middle.top() < bottom.top());

    // Too long for its rect: clipped, elided within it, or let out with DT_NOCLIP.
    const QString longText = QStringLiteral("Household bookkeeping for everyone");
    const QRect narrow(20, 10, 60, 40);
    QVERIFY(narrow.contains(Ink(longText, DT_SINGLELINE, narrow)));
    QVERIFY(Ink(longText, DT_SINGLELINE | DT_NOCLIP, narrow).right() > narrow.right());
    const QRect elided = Ink(longText, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP, narrow);
    QVERIFY(narrow.contains(elided) && elided.width() > 30);
    QCOMPARE(Ink(QString(), DT_SINGLELINE, box, &height), QRect());
    QCOMPARE(height, 0);
}

QTEST_MAIN(TestSkinDrawText)
#include "tst_skindrawtext.moc"
