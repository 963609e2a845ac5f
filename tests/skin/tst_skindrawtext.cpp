// SkinDrawText measured against QFontMetrics and checked in the pixels it draws.
#include "skin/draw/skindrawtext.h"

#include <QFontMetrics>
#include <QImage>
#include <QtTest>

using namespace skin;

Q_DECLARE_METATYPE(skin::SkinTextFormat)

namespace {

constexpr int Mnemonic = Qt::TextShowMnemonic;

// One line with mnemonics, aligned as given.
SkinTextFormat Line(Qt::Alignment align = Qt::AlignLeft, int flags = 0,
                    SkinTextOptions options = {}) {
    return {align, Qt::TextSingleLine | Mnemonic | flags, options};
}

QImage Canvas() {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Bounds of the pixels SkinDrawText inks on a white canvas.
QRect Ink(const QString &text, const SkinTextFormat &format, QRect rect, int *height = nullptr) {
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
    QTest::addColumn<SkinTextFormat>("format");
    QTest::addColumn<int>("width"); // of the rect handed in; -1: just wider than "three"
    QTest::addColumn<QString>("widest");
    QTest::addColumn<int>("lines");
    const SkinTextFormat one = Line();
    QTest::newRow("one line") << "Save as" << one << 10 << "Save as" << 1;
    QTest::newRow("mnemonic") << "&Save && go" << one << 10 << "Save & go" << 1;
    QTest::newRow("no prefix") << "&Save" << SkinTextFormat{Qt::AlignLeft, Qt::TextSingleLine} << 10
                               << "&Save" << 1;
    QTest::newRow("line breaks") << "www\r\nx\ry" << SkinTextFormat{Qt::AlignLeft, Mnemonic} << 10
                                 << "www" << 3;
    QTest::newRow("single line keeps breaks out") << "ab\ncd" << one << 10 << "ab cd" << 1;
    QTest::newRow("word break") << "one two three"
                                << SkinTextFormat{Qt::AlignLeft, Qt::TextWordWrap | Mnemonic} << -1
                                << "three" << 3;
    QTest::newRow("long word widens")
        << "bookkeeping" << SkinTextFormat{Qt::AlignLeft, Qt::TextWordWrap | Mnemonic} << 4
        << "bookkeeping" << 1;
}

void TestSkinDrawText::measures() {
    QFETCH(QString, text);
    QFETCH(SkinTextFormat, format);
    QFETCH(int, width);
    QFETCH(QString, widest);
    QFETCH(int, lines);
    QImage image = Canvas();
    QPainter p(&image);
    const QFontMetrics fm = p.fontMetrics();
    QRect rect(7, 5, width < 0 ? fm.horizontalAdvance(QStringLiteral("three")) + 1 : width, 3);
    const int height = SkinDrawText(p, text, rect, format.measuring());
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
    const QRect left = Ink(text, Line(), box);
    const QRect right = Ink(text, Line(Qt::AlignRight), box);
    const QRect centre = Ink(text, Line(Qt::AlignHCenter), box);
    QVERIFY(left.left() >= box.left() && left.left() < box.left() + 4);
    QVERIFY(right.right() <= box.right() && right.right() > box.right() - 4);
    QVERIFY(qAbs((centre.left() - box.left()) - (box.right() - centre.right())) <= 2);
    QCOMPARE(Ink(text, Line(Qt::AlignRight, 0, SkinTextOption::RightToLeft), box), right);

    int height = 0;
    const QRect bottom = Ink(text, Line(Qt::AlignBottom), box, &height);
    QCOMPARE(height, box.height()); // from the top of rect to the bottom of the text
    const QRect middle = Ink(text, Line(Qt::AlignVCenter), box);
    QVERIFY(left.top() < middle.top() && middle.top() < bottom.top());

    // Too long for its rect: clipped, elided within it, or let out with Qt::TextDontClip.
    const QString longText = QStringLiteral("Household bookkeeping for everyone");
    const QRect narrow(20, 10, 60, 40);
    QVERIFY(narrow.contains(Ink(longText, Line(), narrow)));
    QVERIFY(Ink(longText, Line(Qt::AlignLeft, Qt::TextDontClip), narrow).right() > narrow.right());
    const QRect elided =
        Ink(longText, Line(Qt::AlignLeft, Qt::TextDontClip, SkinTextOption::ElideEnd), narrow);
    QVERIFY(narrow.contains(elided) && elided.width() > 30);
    QCOMPARE(Ink(QString(), Line(), box, &height), QRect());
    QCOMPARE(height, 0);
}

QTEST_MAIN(TestSkinDrawText)
#include "tst_skindrawtext.moc"
