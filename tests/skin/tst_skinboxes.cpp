// Status bar, group box and panel skins against the colour-coded test skin.
#include "skin/controls/tskinbox.h"
#include "skin/controls/tskingroupbox.h"
#include "skin/controls/tskinstatusbar.h"
#include "skin/data/tskindata.h"
#include "support/skin/skinnedwidgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const QString Edges = QStringLiteral("statusedges.bmp");
constexpr QRgb Face = 0xFFECF0F5;   // the test skin's ButtonFace
constexpr QRgb Shadow = 0xFF96A0AF; // and ButtonShadow

// A status bar of 300 x 24 with three labels: sunken, raised, and without a frame.
struct StatusWindow {
    QWidget window;
    QStatusBar *bar = new QStatusBar(&window);
    QList<QLabel *> labels;
    TSkinStatusBar *skin = new TSkinStatusBar(bar);
    explicit StatusWindow(TSkinData *data) {
        window.resize(320, 40);
        bar->setGeometry(0, 0, 300, 24);
        for (int shape : {QFrame::Panel | QFrame::Sunken, QFrame::Panel | QFrame::Raised,
                          int(QFrame::NoFrame)}) {
            auto *label = new QLabel(QString());
            label->setFrameStyle(shape);
            labels.append(label);
            bar->addWidget(label, 1);
        }
        skin->InitSkin(nullptr, data, false);
        window.show();
        QCoreApplication::processEvents();
    }
    QRgb LeftEdge(int i) {
        const QRect g = labels.at(i)->geometry();
        return PixelOf(bar, QPoint(g.left(), g.center().y()));
    }
};

// Leftmost and rightmost columns of the group box's top band holding the text colour.
QPair<int, int> CaptionColumns(QWidget *box, int bandHeight) {
    const QImage image = Grab(box);
    const QRgb text = box->palette().color(QPalette::WindowText).rgb();
    int left = -1, right = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < bandHeight; ++y)
            if (image.pixel(x, y) == text) {
                left = left < 0 ? x : left;
                right = x;
            }
    return {left, right};
}

} // namespace

class TestSkinBoxes : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data = LoadedSkinData(testSkin);

private slots:
    void initTestCase() { UseCrispFont(); }
    void statusPanels();
    void statusBevelsWithoutImage();
    void statusLabelsPaintOnTheirPanels();
    void groupBoxLineAndCaption();
    void panelTakesFaceColour();
};

void TestSkinBoxes::statusPanels() {
    StatusWindow w(data.get());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.LeftEdge(i), testSkin.FrameColour(Edges, i + 1));
    // Panel text in the edges' text colour, over the panel.
    w.labels.at(0)->setText(QStringLiteral("MMMM"));
    const QRect g = w.labels.at(0)->geometry();
    QImage image = Grab(w.bar);
    bool text = false;
    for (int x = g.left() + 2; x < g.right(); ++x)
        text = text || image.pixel(x, g.center().y()) == qRgb(40, 40, 40);
    QVERIFY(text);

    // A message: one lowered edge over the whole bar; the grip is frame 5 of the 12 x 12
    // frames of ExtraImages, one pixel in from the corner.
    w.bar->setSizeGripEnabled(true);
    w.bar->showMessage(QStringLiteral("x"));
    image = Grab(w.bar);
    const QRgb lowered = testSkin.FrameColour(Edges, 1);
    const QRgb grip = testSkin.FrameColour(QStringLiteral("extraimages.bmp"), 5);
    QCOMPARE(QList<QRgb>({image.pixel(0, 12), image.pixel(150, 0), image.pixel(298, 22),
                          image.pixel(287, 11), image.pixel(286, 22)}),
             QList<QRgb>({lowered, lowered, grip, grip, lowered}));
}

void TestSkinBoxes::statusBevelsWithoutImage() {
    TTestSkin noEdges;
    noEdges.RemoveSection(QStringLiteral("StatusBarEdges"));
    const auto plain = LoadedSkinData(noEdges);
    StatusWindow w(plain.get());
    const QRect sunken = w.labels.at(0)->geometry(), none = w.labels.at(2)->geometry();
    const QPalette &p = w.bar->palette();
    const QImage image = Grab(w.bar);
    QCOMPARE(QList<QRgb>({image.pixel(sunken.left(), sunken.center().y()),
                          image.pixel(sunken.left() + 3, sunken.bottom()),
                          image.pixel(none.left(), none.center().y())}),
             QList<QRgb>({SkinToQColor(clBtnShadow, p).rgb(), SkinToQColor(clBtnHighlight, p).rgb(),
                          Face}));
}

void TestSkinBoxes::statusLabelsPaintOnTheirPanels() {
    // Two labels that stay while a message shows: a framed one with text, one with a picture.
    StatusWindow w(data.get());
    auto *text = new QLabel(QStringLiteral("MMMM"));
    text->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QPixmap picture(10, 10);
    picture.fill(QColor(0x12, 0xAB, 0x34));
    auto *pictureLabel = new QLabel;
    pictureLabel->setPixmap(picture);
    w.bar->addPermanentWidget(text);
    w.bar->addPermanentWidget(pictureLabel);
    w.bar->showMessage(QStringLiteral("x"));
    QTRY_VERIFY(text->isVisible() && !w.labels.at(0)->isVisible());
    const QImage image = Grab(w.bar);
    const QRect t = text->geometry(), p = pictureLabel->geometry();
    int textPixels = 0;
    for (int x = t.left() + 1; x < t.right(); ++x)
        for (int y = t.top() + 1; y < t.bottom(); ++y)
            textPixels += image.pixel(x, y) == qRgb(40, 40, 40);
    const QRgb lowered = testSkin.FrameColour(Edges, 1);
    // The label's text in the edges' text colour, its own frame under the skin's edge; the
    // picture drawn; the message's lowered edge only left of the labels.
    QVERIFY(textPixels > 10);
    QCOMPARE(
        QList<QRgb>({image.pixel(t.left(), t.center().y()), image.pixel(p.center()),
                     image.pixel(0, 12), image.pixel(t.left() - 2, 12)}),
        QList<QRgb>({testSkin.FrameColour(Edges, 2), qRgb(0x12, 0xAB, 0x34), lowered, lowered}));
}

void TestSkinBoxes::groupBoxLineAndCaption() {
    QGroupBox box;
    box.resize(200, 100);
    (new TSkinGroupBox(&box))->InitSkin(nullptr, data.get(), false);
    const int h = box.fontMetrics().height();
    const int line = h / 2 - 1;
    // An empty title still has its line, rounded at the corners.
    QImage image = Grab(&box);
    QCOMPARE(QList<QRgb>({image.pixel(100, line), image.pixel(1, 50), image.pixel(198, 50),
                          image.pixel(100, 98), image.pixel(1, line), image.pixel(100, 50)}),
             QList<QRgb>({Shadow, Shadow, Shadow, Shadow, Face, Face}));

    // The title 8 pixels in, cutting the line; from the right for a right-to-left box.
    box.setTitle(QStringLiteral("Wide title"));
    const auto [left, right] = CaptionColumns(&box, h);
    QVERIFY2(left >= 8 && left <= 9, qPrintable(QString::number(left)));
    image = Grab(&box);
    QVERIFY(image.pixel(left + 1, line) != Shadow);
    QCOMPARE(image.pixel(right + 20, line), Shadow);
    box.setLayoutDirection(Qt::RightToLeft);
    const int rtlRight = CaptionColumns(&box, h).second;
    QVERIFY2(rtlRight <= 200 - 8 - 1 && rtlRight >= 200 - 8 - 2,
             qPrintable(QString::number(rtlRight)));
}

void TestSkinBoxes::panelTakesFaceColour() {
    for (bool keepParentBackground : {false, true}) {
        TSkinData local;
        local.SetSkinStream(testSkin.Packed());
        if (keepParentBackground)
            local.SetOptions(local.Options() | TSkinData::xoParentBackGround);
        QFrame panel;
        auto *skin = new TSkinBox(&panel);
        skin->InitSkin(nullptr, &local, true);
        QCOMPARE(panel.autoFillBackground(), !keepParentBackground);
        QCOMPARE(panel.palette().color(QPalette::Window).rgb(), Face);
        QCOMPARE(skin->Background(), keepParentBackground ? TSkinControl::BackgroundMode::Native
                                                          : TSkinControl::BackgroundMode::Skin);
        skin->Restore();
        QCOMPARE(panel.autoFillBackground(), false);
        QVERIFY(!panel.testAttribute(Qt::WA_SetPalette));
    }
}

QTEST_MAIN(TestSkinBoxes)
#include "tst_skinboxes.moc"
