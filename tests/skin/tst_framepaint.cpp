// The painted frame against the colour-coded test skin, and the window region cut from it.
#include "skin/draw/skincolor.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"
#include "support/skin/windowfixture.h"

#include <QPainter>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const Qt::WindowFlags kAllButtons = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

std::unique_ptr<QWidget> Window(const QString &title = QStringLiteral("Caption Title")) {
    auto window = std::make_unique<QWidget>(nullptr, kAllButtons);
    window->setWindowTitle(title);
    window->resize(300, 200);
    return window;
}

// The frame as SM_SKINPRINTFRAME paints it (the buttons in their current states).
QImage Printed(QWidget *window) {
    QImage image(window->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    SendSkinMessage(window, SM_SKINPRINTFRAME, painter, SkinSignature);
    return image;
}

// Pixels of `area` within 8 of `colour` on every channel (text is antialiased).
int CountColour(const QImage &image, const QRect &area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = PixelAt(image, x, y);
            n += qAbs(qRed(p) - qRed(colour)) <= 8 && qAbs(qGreen(p) - qGreen(colour)) <= 8 &&
                 qAbs(qBlue(p) - qBlue(colour)) <= 8;
        }
    return n;
}

} // namespace

class TestFramePaint : public QObject {
    Q_OBJECT
private slots:
    void activeAndInactiveFrames_data();
    void activeAndInactiveFrames();
    void buttonStates();
    void systemMenuButtonShowsTheProgramIcon();
    void maskFollowsKeyPixels_data();
    void maskFollowsKeyPixels();
    void regionRebuiltOnlyWhenItChanges();
};

void TestFramePaint::activeAndInactiveFrames_data() {
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("button");
    QTest::newRow("active") << true << 1 << 1;
    QTest::newRow("inactive") << false << 2 << 4;
}

void TestFramePaint::activeAndInactiveFrames() {
    QFETCH(bool, active);
    QFETCH(int, border);
    QFETCH(int, button);
    TWindowFixture fixture;
    TTestSkin skin;
    TSkinData *data = fixture.AddSkinData(skin);
    auto window = Window();
    auto other = Window();
    TWinSkinForm *form = fixture.Show(window.get());
    QVERIFY(form);
    fixture.Show(other.get());
    QApplication::setActiveWindow(active ? window.get() : other.get());
    QTRY_COMPARE(form->IsActive(), active);

    const QImage image = Grab(window.get());
    const int w = window->width(), h = window->height();
    const auto frame = [&skin](const char *name, int n) {
        return skin.FrameColour(QLatin1String(name), n);
    };
    QCOMPARE(PixelAt(image, 1, h / 2), frame("left.bmp", border));
    QCOMPARE(PixelAt(image, w - 2, h / 2), frame("right.bmp", border));
    QCOMPARE(PixelAt(image, w / 2, h - 2), frame("bottom.bmp", border));
    QCOMPARE(PixelAt(image, 5, 1), frame("top.bmp", border));
    QCOMPARE(PixelAt(image, VisibleButton(form, 0)->Rect().center().x(), 10),
             frame("btnclose.bmp", button));
    QCOMPARE(PixelAt(image, VisibleButton(form, 2)->Rect().center().x(), 10),
             frame("btnmin.bmp", button));
    QCOMPARE(PixelAt(image, w / 2, 30), PixelAt(image, w / 2, 100)); // client right below
    const QRgb text = SkinColorToQRgb(active ? data->Objects()->TitleTextActive
                                             : data->Objects()->TitleTextNoActive);
    QVERIFY(CountColour(image, form->Layout().TextRect(), text) > 5);
}

void TestFramePaint::buttonStates() {
    TWindowFixture fixture;
    TTestSkin skin;
    fixture.AddSkinData(skin);
    auto window = Window();
    TWinSkinForm *form = fixture.Show(window.get());
    QApplication::setActiveWindow(window.get());
    Grab(window.get());
    TWinSysButton *close = VisibleButton(form, 0);
    const QPoint at = close->Rect().center();
    const auto shown = [&] { return PixelAt(Printed(window.get()), at.x(), at.y()); };
    const auto frame = [&skin](int n) {
        return skin.FrameColour(QStringLiteral("btnclose.bmp"), n);
    };
    QWindow *handle = window->windowHandle();
    QTest::mouseMove(handle, at);
    QCOMPARE(shown(), frame(3));
    QTest::mousePress(handle, Qt::LeftButton, {}, at);
    QCOMPARE(shown(), frame(2));
    QTest::mouseMove(handle, QPoint(150, 14)); // still held, off the button
    QCOMPARE(shown(), frame(1));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(150, 14));
    QTest::mouseMove(handle, at);
    QCOMPARE(shown(), frame(3));
    QTest::mouseMove(handle, QPoint(150, 100)); // into the client
    QCOMPARE(shown(), frame(1));
    QTest::mouseMove(handle, at);
    QCOMPARE(shown(), frame(3));
    QTest::mouseMove(handle, QPoint(-20, -20)); // out of the window
    QCOMPARE(shown(), frame(1));
}

void TestFramePaint::systemMenuButtonShowsTheProgramIcon() {
    QPixmap coin(16, 16);
    coin.fill(QColor(214, 152, 24));
    QApplication::setWindowIcon(QIcon(coin)); // a window without an icon of its own shows it
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin());
    auto window = Window();
    TWinSkinForm *form = fixture.Show(window.get());
    QApplication::setWindowIcon(QIcon());
    TWinSysButton *menu = VisibleButton(form, 3);
    QVERIFY(menu);
    QCOMPARE(PixelAt(Grab(window.get()), menu->Rect().center().x(), menu->Rect().center().y()),
             qRgb(214, 152, 24));
}

void TestFramePaint::maskFollowsKeyPixels_data() {
    QTest::addColumn<QString>("trans"); // Left, Right, Bottom Trans
    QTest::addColumn<bool>("keyInFrame2");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QList<QRect>>("cut");
    // A 308 x 232 window; borders 4, caption 28. Key pixels: corners of the side borders'
    // first frames, the top row of the bottom border's first frame.
    const QRect bottomRow(4, 228, 300, 1);
    const QList<QRect> all = {QRect(0, 0, 2, 1), QRect(0, 1, 1, 1), QRect(306, 0, 2, 1),
                              QRect(307, 1, 1, 1), bottomRow};
    QTest::newRow("every keyed part") << "111" << false << true << all;
    QTest::newRow("no part transparent") << "000" << false << true << QList<QRect>();
    QTest::newRow("only the bottom") << "001" << false << true << QList<QRect>{bottomRow};
    QTest::newRow("inactive frame keyed, active") << "111" << true << true << QList<QRect>();
    QTest::newRow("inactive frame keyed, inactive") << "111" << true << false << all;
}

void TestFramePaint::maskFollowsKeyPixels() {
    QFETCH(QString, trans);
    QFETCH(bool, keyInFrame2);
    QFETCH(bool, active);
    QFETCH(QList<QRect>, cut);
    TTestSkin skin;
    const int shift = keyInFrame2 ? 4 : 0; // side frames are 4 wide, bottom frames 4 high
    skin.SetKeyPixels(QStringLiteral("left.bmp"), {{shift, 0}, {shift + 1, 0}, {shift, 1}});
    skin.SetKeyPixels(QStringLiteral("right.bmp"),
                      {{shift + 3, 0}, {shift + 2, 0}, {shift + 3, 1}});
    QList<QPoint> row;
    for (int x = 0; x < 40; ++x)
        row.append(QPoint(x, shift));
    skin.SetKeyPixels(QStringLiteral("bottom.bmp"), row);
    const char *keys[] = {"LeftTrans", "RightTrans", "BottomTrans"};
    for (int i = 0; i < 3; ++i)
        skin.SetKey(QStringLiteral("Personality"), QLatin1String(keys[i]), trans.mid(i, 1));
    TWindowFixture fixture;
    fixture.AddSkinData(skin);
    auto window = Window();
    auto other = Window();
    TWinSkinForm *form = fixture.Show(window.get());
    fixture.Show(other.get());
    QApplication::setActiveWindow(active ? window.get() : other.get());
    QTRY_COMPARE(form->IsActive(), active);
    QRegion expected(window->rect());
    for (const QRect &r : cut)
        expected -= r;
    QCOMPARE(window->mask(), expected);
}

void TestFramePaint::regionRebuiltOnlyWhenItChanges() {
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin());
    auto window = Window();
    TWinSkinForm *form = fixture.Show(window.get());
    const int built = form->RegionBuildCount();
    QCOMPARE(built, 1);
    window->move(window->pos() + QPoint(10, 10));
    window->resize(window->size());
    QApplication::processEvents();
    QCOMPARE(form->RegionBuildCount(), built);
    window->resize(window->size() + QSize(1, 0));
    QApplication::processEvents();
    QCOMPARE(form->RegionBuildCount(), built + 1);
    QCOMPARE(window->mask(), QRegion(window->rect()));
}

QTEST_MAIN(TestFramePaint)
#include "tst_framepaint.moc"
