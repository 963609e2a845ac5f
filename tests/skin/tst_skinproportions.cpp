// A skin of other proportions: thick and unequal borders, a caption lower than its buttons, a
// centred title in a font of its own size. Message boxes end at the frame's size after their
// own layout, the title is drawn as wide as it is measured, nothing of the caption reaches the
// client.
#include "skin/data/tskindata.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tframelayout.h"
#include "skin/window/twinskinform.h"
#include "support/skin/windowfixture.h"

#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const QString kTitle = QStringLiteral("Indie 皮肤 test");

// Borders 7 and 9 wide, a 22-px caption with 28-px buttons, the title centred at 20 px.
TTestSkin OtherProportions() {
    TTestSkin skin;
    skin.SetStrip(QStringLiteral("left.bmp"), 2, QSize(7, 40));
    skin.SetStrip(QStringLiteral("right.bmp"), 2, QSize(9, 40));
    skin.SetStrip(QStringLiteral("top.bmp"), 2, QSize(120, 22), true);
    skin.SetStrip(QStringLiteral("bottom.bmp"), 2, QSize(40, 9), true);
    for (const char *button : {"btnclose.bmp", "btnmax.bmp", "btnrestore.bmp", "btnmin.bmp"})
        skin.SetStrip(QLatin1String(button), 4, QSize(30, 28));
    const QString p = QStringLiteral("Personality");
    skin.SetKey(p, QStringLiteral("TextAlignment"), QStringLiteral("1"));
    skin.RemoveKey(p, QStringLiteral("TextBack"));
    skin.SetKey(QStringLiteral("BUTTON4"), QStringLiteral("Ycoord"), QStringLiteral("12"));
    skin.SetKey(QStringLiteral("Fonts"), QStringLiteral("FontHeight"), QStringLiteral("20"));
    return skin;
}

QImage PrintedFrame(QWidget *window, QRgb background) {
    QImage image(window->size(), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    SendSkinMessage(window, SM_SKINPRINTFRAME, painter, SkinSignature);
    return image;
}

// The size a message box gives itself unskinned.
QSize UnskinnedSize(const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::Information, title, text);
    box.show();
    QCoreApplication::sendPostedEvents();
    return box.size();
}

} // namespace

class TestSkinProportions : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesKeepTheFramesSize_data();
    void messageBoxesKeepTheFramesSize();
    void titleDrawnAsWideAsMeasured();
    void captionStaysInTheCaption();
};

void TestSkinProportions::messageBoxesKeepTheFramesSize_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("long title")
        << QStringLiteral("A message box title a good deal longer than the text it carries")
        << "ok";
    QTest::newRow("short text") << "t"
                                << "ok";
    QTest::newRow("long text") << "t"
                               << QString(QStringLiteral("a long line of text ")).repeated(4);
}

void TestSkinProportions::messageBoxesKeepTheFramesSize() {
    QFETCH(QString, title);
    QFETCH(QString, text);
    const QSize unskinned = UnskinnedSize(title, text);
    TWindowFixture fixture;
    TSkinData *data = fixture.AddSkinData(OtherProportions());
    QMessageBox box(QMessageBox::Information, title, text);
    TWinSkinForm *form = fixture.Show(&box);
    QVERIFY(form);
    const QFont font = TFrameLayout::CaptionFont(*data->Objects());
    const int needed = 22 + QFontMetrics(font).horizontalAdvance(title) + 96;
    const QSize expected(std::max(unskinned.width() + 7 + 9, needed), unskinned.height() + 22 + 9);
    QTRY_COMPARE(box.size(), expected);
    box.setText(text + QLatin1Char(' ')); // it sizes itself again
    QTRY_COMPARE(box.size(), expected);
    QVERIFY(box.contentsRect().width() >= unskinned.width()); // the whole client
    QCOMPARE(box.contentsRect().height(), unskinned.height());
    if (QTest::currentDataTag() == QByteArray("long title")) {
        const QString shots = QStringLiteral(SCREENSHOT_DIR);
        QDir().mkpath(shots);
        QVERIFY(Grab(&box).save(shots + QStringLiteral("/messagebox_long_title.png")));
    }
}

void TestSkinProportions::titleDrawnAsWideAsMeasured() {
    TWindowFixture fixture;
    TSkinData *data = fixture.AddSkinData(OtherProportions());
    QWidget window;
    window.resize(400, 200);
    QVERIFY(fixture.Show(&window));
    window.setWindowTitle(QString());
    const QImage untitled = PrintedFrame(&window, qRgb(0, 0, 0));
    window.setWindowTitle(kTitle);
    const QImage titled = PrintedFrame(&window, qRgb(0, 0, 0));
    int left = window.width(), right = -1;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < window.width(); ++x)
            if (untitled.pixel(x, y) != titled.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    const int measured =
        QFontMetrics(TFrameLayout::CaptionFont(*data->Objects())).horizontalAdvance(kTitle);
    QVERIFY2(
        qAbs(right - left + 1 - measured) <= 4,
        qPrintable(QStringLiteral("drawn %1, measured %2").arg(right - left + 1).arg(measured)));
}

void TestSkinProportions::captionStaysInTheCaption() {
    TWindowFixture fixture;
    fixture.AddSkinData(OtherProportions());
    QWidget window(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    window.setWindowIcon(QIcon(icon));
    window.resize(400, 200);
    QVERIFY(fixture.Show(&window));
    const QRgb sentinel = qRgb(1, 2, 3);
    const QImage frame = PrintedFrame(&window, sentinel);
    // The buttons (28 px from y 4) and the icon (16 px from y 12) end below the 22-px caption.
    for (int y = 22; y < 40; ++y)
        for (int x = 7; x < window.width() - 9; ++x)
            if (frame.pixel(x, y) != sentinel)
                QFAIL(qPrintable(QStringLiteral("caption pixel at %1,%2").arg(x).arg(y)));
}

QTEST_MAIN(TestSkinProportions)
#include "tst_skinproportions.moc"
