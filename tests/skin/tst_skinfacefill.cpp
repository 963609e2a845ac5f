// Size grips, tool bars and nested dialogs on the skin's face colour, and the glyph strips,
// tab backgrounds and scroll arrow skins handed to vendor controls.
#include "skin/controls/tabscrollarrows.h"
#include "skin/controls/tcontrolwalk.h"
#include "skin/controls/tskinadvpage.h"
#include "skin/controls/tskinboxh.h"
#include "skin/controls/tskinobjimage.h"
#include "skin/controls/tskinsizer.h"
#include "skin/controls/tskinupdown.h"
#include "skin/draw/skincolor.h"
#include "skin/window/twinskinform.h"
#include "support/skin/skinnedwidgets.h"

#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QSizeGrip>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

using namespace skin;
using namespace skin::test;

namespace {

constexpr QRgb Face = 0xFFECF0F5; // the test skin's ButtonFace

// Stands in for a vendor check box that draws its glyphs from an image property.
class TRzCheckBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage CustomGlyphs MEMBER customGlyphs)
    Q_PROPERTY(bool UseCustomGlyphs MEMBER useCustomGlyphs)
    Q_PROPERTY(int TransparentColor MEMBER transparentColor)

public:
    QImage customGlyphs;
    bool useCustomGlyphs = false;
    int transparentColor = 0;
};

// Stands in for a vendor page control that draws its tabs from two image properties.
class TAdvPageControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage TabBackGround MEMBER normal)
    Q_PROPERTY(QImage TabBackGroundActive MEMBER active)

public:
    QImage normal, active;
};

// The same page control as a tab widget.
class TAdvTabs : public QTabWidget {
    Q_OBJECT
    Q_PROPERTY(QImage TabBackGround MEMBER normal)
    Q_PROPERTY(QImage TabBackGroundActive MEMBER active)

public:
    QImage normal, active;
};

// How many attached up-down skins each of the bar's scroll arrows has.
QList<int> ArrowSkins(const QTabBar *bar) {
    QList<int> counts;
    for (const QToolButton *arrow : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
        counts << int(std::ranges::count_if(
            arrow->findChildren<TSkinUpDown *>(Qt::FindDirectChildrenOnly),
            [](const TSkinUpDown *s) { return s->State() == TSkinControl::SkinState::Attached; }));
    return counts;
}

// A strip of `frames` frames 2 pixels wide, frame k all of colour k.
QImage Numbered(int frames) {
    QImage image(frames * 2, 13, QImage::Format_RGB32);
    for (int k = 0; k < frames; ++k)
        QPainter(&image).fillRect(k * 2, 0, 2, 13, QColor(k + 1, 0, 0));
    return image;
}

// The frame number in each 2-pixel slot of a strip; 0 for the key colour.
QList<int> Slots(const QImage &strip) {
    QList<int> out;
    for (int x = 0; x < strip.width(); x += 2)
        out.append(strip.pixel(x, 6) == KeyColor ? 0 : qRed(strip.pixel(x, 6)));
    return out;
}

} // namespace

class TestSkinFaceFill : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data = LoadedSkinData(testSkin);

private slots:
    void gripAndBoxesTakeFace();
    void glyphSlots();
    void glyphsHandedToTheControl();
    void tabBackgroundsHanded();
    void pageControlArrowsThroughTheWalk();
};

void TestSkinFaceFill::gripAndBoxesTakeFace() {
    QDialog dialog;
    dialog.resize(200, 120);
    dialog.setSizeGripEnabled(true);
    auto *grip = dialog.findChild<QSizeGrip *>();
    QVERIFY(grip);
    (new TSkinSizer(grip))->InitSkin(nullptr, data.get(), false);
    const QImage g = Grab(grip);
    QCOMPARE(g, [&g] {
        QImage f(g.size(), g.format());
        f.fill(Face);
        return f;
    }());
    // Over a frame drawn inside the window (its contents margins) the grip leaves it showing.
    dialog.setContentsMargins(0, 0, 4, 4);
    dialog.show();
    QCoreApplication::processEvents();
    const QImage framed = Grab(grip);
    QCOMPARE(PixelAt(framed, 0, 0), Face);
    QVERIFY(PixelAt(framed, framed.width() - 1, framed.height() - 1) != Face);

    QWidget window;
    auto *bar = new QToolBar(&window);
    bar->addWidget(new QLabel(QStringLiteral("   ")));
    auto *inner = new QDialog(&window);
    inner->setGeometry(0, 40, 100, 50);
    auto *label = new QLabel(QStringLiteral("   "), inner);
    for (QWidget *box : {static_cast<QWidget *>(bar), static_cast<QWidget *>(inner)})
        (new TSkinBoxH(box))->InitSkin(nullptr, data.get(), false);
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(PixelOf(bar, QPoint(2, 2)), Face);
    QCOMPARE(PixelOf(inner, label->geometry().center()), Face);
    QCOMPARE(label->palette().color(QPalette::Window).rgb(), Face);
}

void TestSkinFaceFill::glyphSlots() {
    using K = ObjGlyphKind;
    QCOMPARE(Slots(BuildObjGlyphs(K::Check, Numbered(5), 5)),
             QList<int>({1, 2, 5, 1, 2, 5, 3, 4, 5}));
    QCOMPARE(Slots(BuildObjGlyphs(K::Check, Numbered(4), 4)),
             QList<int>({1, 2, 0, 1, 2, 0, 3, 4, 0}));
    QCOMPARE(Slots(BuildObjGlyphs(K::Radio, Numbered(8), 8)), QList<int>({1, 2, 1, 2, 3, 4}));
    QCOMPARE(Slots(BuildObjGlyphs(K::CxCheck, Numbered(12), 12)), QList<int>({1, 2, 0, 1, 2, 0}));
    // Frame count 0: 26 pixels under 16 high make 2 frames, raised to 4 (of 6 pixels each).
    QCOMPARE(BuildObjGlyphs(K::Radio, Numbered(13), 0).width(), 6 * 6);
    QVERIFY(BuildObjGlyphs(K::Check, QImage(), 4).isNull());
}

void TestSkinFaceFill::glyphsHandedToTheControl() {
    TRzCheckBox box;
    auto *skin = new TSkinObjImage(&box);
    QCOMPARE(skin->GlyphKind(), ObjGlyphKind::Check);
    skin->InitSkin(nullptr, data.get(), false);
    QCOMPARE(box.customGlyphs.width(), 9 * 13); // the test skin's check strip: 12 of 13 pixels
    QVERIFY(box.useCustomGlyphs);
    QCOMPARE(box.transparentColor, 0xFF00FF);
    QVERIFY(box.dynamicPropertyNames().isEmpty()); // nothing written that it lacks
    skin->Restore();
    QVERIFY(!box.useCustomGlyphs);
}

void TestSkinFaceFill::tabBackgroundsHanded() {
    TAdvPageControl pages;
    auto *skin = new TSkinAdvPage(&pages);
    skin->InitSkin(nullptr, data.get(), false);
    const QString tabs = QStringLiteral("tabs.bmp");
    QCOMPARE(pages.normal.size(), QSize(100, 21));
    QCOMPARE(pages.normal.pixel(50, 10), testSkin.FrameColour(tabs, 1));
    QCOMPARE(pages.active.pixel(50, 10), testSkin.FrameColour(tabs, 2));
    skin->Restore();
    QVERIFY(pages.normal.isNull() && pages.active.isNull());
}

void TestSkinFaceFill::pageControlArrowsThroughTheWalk() {
    TSkinData local;
    local.SetSkinStream(testSkin.Packed());
    local.SetSkin3rd(local.Skin3rd() << QStringLiteral("TAdvTabs=advpagecontrol")
                                     << QStringLiteral("TAdvPageControl=advpagecontrol"));
    QWidget form;
    auto *tabs = new TAdvTabs;
    auto *holder = new TAdvPageControl;
    tabs->setParent(&form);
    holder->setParent(&form);
    new QTabBar(holder); // the walk gives this bar a tab skin of its own
    TWinSkinForm skinForm(nullptr, nullptr);
    TControlWalk::Of(&skinForm, &local)->SkinFormControls(&form);
    QVERIFY(!tabs->active.isNull());
    for (QWidget *pages : QWidgetList{tabs, holder}) {
        auto *skin = pages->findChild<TSkinAdvPage *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(skin);
        const QTabBar *bar = TTabScrollArrows::BarOf(pages);
        QCOMPARE(ArrowSkins(bar), QList<int>({1, 1})); // one skin each
        skin->Restore();
        QCOMPARE(ArrowSkins(bar), QList<int>({0, 0}));
    }
}

QTEST_MAIN(TestSkinFaceFill)
#include "tst_skinfacefill.moc"
