// Tab widgets, tab sets and pages painted from the colour-coded test skin, and closing tabs.
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskintab.h"
#include "skin/controls/tskintab31.h"
#include "skin/controls/tskintabbtn.h"
#include "skin/controls/tskintabsheet.h"
#include "skin/window/skinmessageevent.h"
#include "skinresource.h"
#include "support/skin/skinnedwidgets.h"

#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const QString TabsImage = QStringLiteral("tabs.bmp");
constexpr QRgb Cyan = 0xFF00FFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Face = 0xFFECF0F5; // the test skin's ButtonFace

// A cyan window with a skinned tab widget of three empty-captioned tabs, the second current.
struct TabWindow {
    QWidget window;
    QTabWidget *tabs = new QTabWidget(&window);
    explicit TabWindow(TSkinData *data, QTabWidget::TabPosition position, int tag = 0) {
        window.resize(340, 240);
        QPalette p = window.palette();
        p.setColor(QPalette::Window, Qt::cyan);
        window.setPalette(p);
        window.setAutoFillBackground(true);
        tabs->setGeometry(10, 10, 320, 220);
        tabs->setTabPosition(position);
        tabs->setProperty("tag", tag);
        for (int i = 0; i < 3; ++i)
            tabs->addTab(new QWidget, QStringLiteral("      "));
        tabs->setCurrentIndex(1);
        (new TSkinTab(tabs))->InitSkin(nullptr, data, false);
        window.show();
        QCoreApplication::processEvents();
    }
    QRect Tab(int i) const { return tabs->tabBar()->tabRect(i).translated(tabs->tabBar()->pos()); }
    QRgb At(const QPoint &p) { return PixelOf(tabs, p); }
    QPoint Close(int i) {
        return tabs->findChild<TSkinTab *>()->CloseRect(i).center() - tabs->tabBar()->pos();
    }
};

// The bounding box of the pixels that differ between two images of one size.
QRect Changed(const QImage &a, const QImage &b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// A tab set of four tabs on a bar of the given width, the first current.
struct TabSet {
    QTabBar bar;
    explicit TabSet(int width) {
        bar.setShape(QTabBar::RoundedSouth);
        for (const char *caption : {"Aa", "A much longer caption", "Bb", "Ccc"})
            bar.addTab(QLatin1String(caption));
        bar.resize(width, bar.sizeHint().height());
        bar.show();
    }
    int Width(int i) const { return TabSetTabWidth(bar.fontMetrics(), bar.tabText(i)); }
    TSkinTab31 *Skin(TSkinData *data) {
        auto *skin = new TSkinTab31(&bar);
        skin->InitSkin(nullptr, data, false);
        return skin;
    }
};

// Answers SM_SKINTABCLOSE for the window it watches, refusing when told to.
struct CloseAnswer : QObject {
    bool refuse = false;
    QList<qintptr> asked;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::Type(SM_SKINTABCLOSE))
            return false;
        auto *message = static_cast<SkinMessageEvent *>(event);
        asked.append(message->lParam);
        message->result = refuse ? 1 : 0;
        return true;
    }
};

// A page that refuses to close.
struct RefuseClose : QObject {
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

class TestSkinTabs : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data;
    QRgb Frame(int frame) const { return testSkin.FrameColour(TabsImage, frame); }

private slots:
    void initTestCase();
    void framesPerPosition_data();
    void framesPerPosition();
    void paneFromEitherImage();
    void closeBoxes();
    void tabBarAlone();
    void scrollArrowsSkinned();
    void buttonTabs();
    void pagesTakeFaceColour();
    void missingTabsPaintNatively();
    void focusCue();
    void tabSet();
    void tabSetLeavesOutTabs();
    void tabSetReappliedColours();
};

void TestSkinTabs::initTestCase() {
    QApplication::setStyle(new SkinStyle);
    UseCrispFont();
    // The first row of every tab frame is keyed: it shows where the tab's outer edge went.
    QList<QPoint> row;
    for (int x = 0; x < 200; ++x)
        row.append(QPoint(x, 0));
    testSkin.SetKeyPixels(TabsImage, row);
    data = LoadedSkinData(testSkin);
}

void TestSkinTabs::framesPerPosition_data() {
    QTest::addColumn<int>("position");
    QTest::newRow("north") << int(QTabWidget::North);
    QTest::newRow("south") << int(QTabWidget::South);
    QTest::newRow("west") << int(QTabWidget::West);
    QTest::newRow("east") << int(QTabWidget::East);
}

void TestSkinTabs::framesPerPosition() {
    QFETCH(int, position);
    TabWindow w(data.get(), QTabWidget::TabPosition(position));
    // The keyed outer edge, then two pixels in: frame 2 for the current tab, 1 for another.
    for (int i : {0, 1}) {
        const QRect t = w.Tab(i);
        QPoint edge, inside;
        switch (position) {
        case QTabWidget::North: // drawn one pixel lower
            edge = QPoint(t.center().x(), t.top() + 1), inside = edge + QPoint(0, 2);
            break;
        case QTabWidget::South: // flipped, drawn one pixel higher
            edge = QPoint(t.center().x(), t.bottom() - 1), inside = edge - QPoint(0, 2);
            break;
        case QTabWidget::West: // turned left
            edge = QPoint(t.left(), t.center().y()), inside = edge + QPoint(2, 0);
            break;
        default: // turned right
            edge = QPoint(t.right(), t.center().y()), inside = edge - QPoint(2, 0);
            break;
        }
        QCOMPARE(PixelOf(&w.window, edge + w.tabs->pos()), Cyan);
        QCOMPARE(w.At(inside), Frame(i == 1 ? 2 : 1));
    }
}

void TestSkinTabs::paneFromEitherImage() {
    // Style 1: Tab.Pane; Style 0: the Tabs border image (fixed margins).
    for (int style : {1, 0}) {
        TTestSkin skin = testSkin;
        skin.SetKey(QStringLiteral("Tabs"), QStringLiteral("Style"), QString::number(style));
        const auto styled = LoadedSkinData(skin);
        TabWindow w(styled.get(), QTabWidget::North);
        const QString image =
            style ? QStringLiteral("tabpane.bmp") : QStringLiteral("tabborder.bmp");
        QWidget *page = w.tabs->currentWidget();
        const QPoint corner = page->mapTo(w.tabs, QPoint(0, 0));
        QCOMPARE(w.At(corner - QPoint(2, 2)), skin.FrameColour(image, 1));
        QCOMPARE(w.At(corner + QPoint(page->width() / 2, page->height() / 2)),
                 skin.FrameColour(image, 1));
    }
}

void TestSkinTabs::closeBoxes() {
    for (const char *refusing : {"", "window", "page"}) {
        TabWindow w(data.get(), QTabWidget::North, CloseTabTag);
        CloseAnswer answer;
        answer.refuse = refusing == QLatin1String("window");
        w.window.installEventFilter(&answer);
        RefuseClose pageRefusal;
        QPointer<QWidget> page = w.tabs->widget(2);
        if (refusing == QLatin1String("page"))
            page->installEventFilter(&pageRefusal);
        const bool closes = !*refusing;
        // A boxed cross at the tab's top right: its corner and its diagonals' crossing black.
        const QRect t = w.Tab(2);
        QCOMPARE(w.At(QPoint(t.right() + 1 - 8, t.top() + 3)), Black);
        QCOMPARE(w.At(QPoint(t.right() - 3, t.top() + 5)), Black);
        QTest::mouseClick(w.tabs->tabBar(), Qt::LeftButton, {}, w.Close(2));
        QCOMPARE(answer.asked, QList<qintptr>({2}));
        QCOMPARE(w.tabs->currentIndex(), 1); // the click selected nothing
        QCOMPARE(w.tabs->count(), closes ? 2 : 3);
        QVERIFY(page); // not yet: the page goes after the click
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(page.isNull(), closes);
        // Away from the box the click selects the tab.
        QTest::mouseClick(w.tabs->tabBar(), Qt::LeftButton, {},
                          w.tabs->tabBar()->tabRect(0).center());
        QCOMPARE(w.tabs->currentIndex(), 0);
        QCOMPARE(answer.asked.size(), 1);
    }
    // Tabs at the bottom carry no boxes.
    TabWindow south(data.get(), QTabWidget::South, CloseTabTag);
    QVERIFY(south.tabs->findChild<TSkinTab *>()->CloseRect(0).isEmpty());
    const QRect t = south.Tab(0);
    QCOMPARE(south.At(QPoint(t.right() - 3, t.bottom() - 5)), Frame(1));
}

void TestSkinTabs::tabBarAlone() {
    // A tab bar on its own is all strip, whichever side its tabs face.
    for (QTabBar::Shape shape : {QTabBar::RoundedNorth, QTabBar::RoundedSouth, QTabBar::RoundedWest,
                                 QTabBar::RoundedEast}) {
        QTabBar bar;
        bar.setShape(shape);
        bar.addTab(QStringLiteral("      "));
        bar.addTab(QStringLiteral("      "));
        bar.resize(bar.sizeHint());
        (new TSkinTab(&bar))->InitSkin(nullptr, data.get(), false);
        const QImage image = Grab(&bar);
        QCOMPARE(PixelAt(image, bar.tabRect(0).center().x(), bar.tabRect(0).center().y()),
                 Frame(2));
        QCOMPARE(PixelAt(image, bar.tabRect(1).center().x(), bar.tabRect(1).center().y()),
                 Frame(1));
    }
}

void TestSkinTabs::scrollArrowsSkinned() {
    TabWindow w(data.get(), QTabWidget::North);
    for (int i = 0; i < 8; ++i)
        w.tabs->addTab(new QWidget, QStringLiteral("Another tab"));
    QCoreApplication::processEvents();
    QToolButton *right = nullptr;
    for (QToolButton *b : w.tabs->tabBar()->findChildren<QToolButton *>())
        if (b->arrowType() == Qt::RightArrow)
            right = b;
    QVERIFY(right && right->isVisible());
    // The right button of UpDown.Horz, normal: frame 4 + 1.
    QCOMPARE(PixelOf(right, QPoint(2, 2)), testSkin.FrameColour(QStringLiteral("updownh.bmp"), 5));
}

void TestSkinTabs::buttonTabs() {
    // [Buttons] frames for button-styled tabs, on the face colour, without a pane; natively
    // without a [Buttons] image.
    TTestSkin noButtons = testSkin;
    noButtons.RemoveKey(QStringLiteral("Buttons"), QStringLiteral("Bitmap"));
    const auto plain = LoadedSkinData(noButtons);
    QTabWidget native, skinned, unskinnable;
    for (QTabWidget *tabs : {&native, &skinned, &unskinnable}) {
        tabs->resize(200, 120);
        tabs->setProperty("tabStyle", QStringLiteral("buttons"));
        tabs->addTab(new QWidget, QStringLiteral("      "));
        tabs->addTab(new QWidget, QStringLiteral("      "));
        tabs->show();
    }
    (new TSkinTabBtn(&skinned))->InitSkin(nullptr, data.get(), false);
    (new TSkinTabBtn(&unskinnable))->InitSkin(nullptr, plain.get(), false);
    const QRect t = skinned.tabBar()->tabRect(1);
    const QString buttons = QStringLiteral("buttons.bmp");
    QCOMPARE(PixelOf(&skinned, skinned.tabBar()->tabRect(0).center()),
             testSkin.FrameColour(buttons, 2));
    QCOMPARE(PixelOf(&skinned, t.center()), testSkin.FrameColour(buttons, 1));
    QCOMPARE(PixelOf(&skinned, QPoint(t.right() + 3, t.center().y())), Face);
    QCOMPARE(Grab(&unskinnable), Grab(&native));
}

void TestSkinTabs::pagesTakeFaceColour() {
    TabWindow w(data.get(), QTabWidget::North);
    QWidget *page = w.tabs->currentWidget();
    (new TSkinTabSheet(page))->InitSkin(nullptr, data.get(), false);
    QCOMPARE(PixelOf(page, QPoint(5, 5)), Face);
}

void TestSkinTabs::missingTabsPaintNatively() {
    TTestSkin noTabs = testSkin;
    noTabs.RemoveSection(QStringLiteral("Tabs"));
    const auto plain = LoadedSkinData(noTabs);
    QTabWidget native, skinned;
    for (QTabWidget *tabs : {&native, &skinned}) {
        tabs->resize(200, 120);
        tabs->addTab(new QWidget, QStringLiteral("One"));
        tabs->addTab(new QWidget, QStringLiteral("Two"));
    }
    (new TSkinTab(&skinned))->InitSkin(nullptr, plain.get(), false);
    QCOMPARE(Grab(&skinned), Grab(&native));
    TabSet nativeSet(400), skinnedSet(400);
    skinnedSet.Skin(plain.get());
    QCOMPARE(Grab(&skinnedSet.bar), Grab(&nativeSet.bar));
}

void TestSkinTabs::focusCue() {
    // Tab onto the bar: the style's focus rectangle shows on the current tab where the style
    // puts it on its own tabs, and goes with the focus.
    QList<QRect> cues;
    for (bool skinned : {false, true}) {
        QWidget window;
        window.resize(340, 240);
        auto *tabs = new QTabWidget(&window);
        tabs->setGeometry(10, 10, 320, 200);
        for (int i = 0; i < 3; ++i)
            tabs->addTab(new QWidget, QStringLiteral("Tab %1").arg(i));
        tabs->setCurrentIndex(1);
        auto *other = new QLineEdit(&window);
        other->setGeometry(10, 214, 100, 22);
        if (skinned)
            (new TSkinTab(tabs))->InitSkin(nullptr, data.get(), false);
        QVERIFY(ShowActive(&window));
        other->setFocus();
        const QImage unfocused = Grab(tabs);
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        tabs->tabBar()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(tabs->tabBar()->hasFocus());
        const QRect cue = Changed(unfocused, Grab(tabs));
        QVERIFY2(!cue.isEmpty() && tabs->tabBar()->geometry().contains(cue),
                 skinned ? "skinned" : "plain");
        cues.append(cue);
        other->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(Grab(tabs), unfocused);
    }
    QCOMPARE(cues.at(1), cues.at(0));
}

void TestSkinTabs::tabSet() {
    // Caption-wide tabs from the bar's left edge, where the bar has them too; the flipped Tabs
    // image puts its keyed top row at the bottom, over the face colour that fills the rest.
    TabSet set(400);
    set.bar.setCurrentIndex(1);
    set.Skin(data.get());
    const QImage image = Grab(&set.bar);
    const int bottom = image.height() - 1;
    int x = 0;
    for (int i = 0; i < 4; ++i) {
        const int w = set.Width(i);
        QCOMPARE(std::pair(set.bar.tabRect(i).left(), set.bar.tabRect(i).width()), std::pair(x, w));
        const QRgb frame = Frame(i == 1 ? 2 : 1);
        QCOMPARE(PixelAt(image, x, 2), frame);
        QCOMPARE(PixelAt(image, x + w - 1, 2), frame);
        QCOMPARE(PixelAt(image, x + 1, bottom), Face);
        x += w;
    }
    QCOMPARE(PixelAt(image, x, 2), Face);
}

void TestSkinTabs::tabSetLeavesOutTabs() {
    // Too narrow for the long tab: it is left out and the narrower ones after it are drawn in its
    // place, before the bar's scroll arrows. A click lands on the tab drawn under it, and where
    // the long tab would be and none is drawn, on no tab.
    TabSet widths(400);
    TabSet set(widths.Width(0) + widths.Width(2) + widths.Width(3) + 40);
    TSkinTab31 *skin = set.Skin(data.get());
    QList<int> drawn;
    for (const TSkinTab31::PlacedTab &tab : skin->Layout())
        drawn << tab.index;
    QCOMPARE(drawn, QList<int>({0, 2, 3}));
    TabSet tighter(set.bar.width() - 12); // the last tab would reach under the arrows
    QCOMPARE(tighter.Skin(data.get())->Layout().size(), 2);
    const QRect shown = skin->Layout().at(1).rect;
    QCOMPARE(shown.left(), set.Width(0));
    const QImage image = Grab(&set.bar);
    QCOMPARE(PixelAt(image, skin->Layout().at(2).rect.right() + 2, 2), Face);
    QTest::mouseClick(&set.bar, Qt::LeftButton, {},
                      QPoint(skin->Layout().at(2).rect.right() + 2, 5));
    QCOMPARE(set.bar.currentIndex(), 0);
    QTest::mouseClick(&set.bar, Qt::LeftButton, {}, shown.center());
    QCOMPARE(set.bar.currentIndex(), 2);
    QCOMPARE(PixelOf(&set.bar, set.bar.tabRect(2).topLeft() + QPoint(1, 2)), Frame(2));

    // Pictures to look at: our own skin, the colour-coded one, none.
    kexboraInitSkinResource();
    QFile package(QStringLiteral(":/skins/kexbora.skn"));
    QVERIFY(package.open(QIODevice::ReadOnly));
    TSkinData ours;
    ours.SetSkinStream(package.readAll());
    const QString shots = QStringLiteral(SCREENSHOT_DIR);
    QDir().mkpath(shots);
    TabSet plain(set.bar.width()), ourSkin(set.bar.width());
    ourSkin.Skin(&ours);
    QVERIFY(Grab(&plain.bar).save(shots + QStringLiteral("/tabset_unskinned.png")));
    QVERIFY(Grab(&ourSkin.bar).save(shots + QStringLiteral("/tabset_ourskin.png")));
    QVERIFY(image.save(shots + QStringLiteral("/tabset_testskin.png")));
}

void TestSkinTabs::tabSetReappliedColours() {
    // Another skin's Tabs image shows once the colours are applied again.
    TTestSkin other = testSkin;
    other.SetStrip(TabsImage, 5, QSize(40, 24));
    TSkinData local;
    local.SetSkinStream(testSkin.Packed());
    TabSet set(400);
    TSkinTab31 *skin = set.Skin(&local);
    local.SetSkinStream(other.Packed());
    skin->ReapplyColor();
    QCOMPARE(PixelOf(&set.bar, QPoint(2, 2)), other.FrameColour(TabsImage, 2));
}

QTEST_MAIN(TestSkinTabs)
#include "tst_skintabs.moc"
