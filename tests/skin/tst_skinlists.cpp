// Scroll bars, scroll-area borders and list headers painted from the colour-coded test skin,
// and scrolling that stays the bars' own.
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskinedit.h"
#include "skin/controls/tskinheader.h"
#include "skin/controls/tskinlistview.h"
#include "skin/controls/twscrollbar.h"
#include "skin/data/skinobjects.h"
#include "skin/data/tskindata.h"
#include "support/skin/skinnedwidgets.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

const QString Strip = QStringLiteral("scrollbar.bmp");
constexpr QRgb Face = 0xFFECF0F5;   // the test skin's ButtonFace
constexpr QRgb Shadow = 0xFF96A0AF; // ButtonShadow

// A memo of 200 x 150 with more lines, and a longer line, than it shows.
template <class Edit = QPlainTextEdit> std::unique_ptr<Edit> Memo() {
    auto memo = std::make_unique<Edit>();
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("line %1 ").arg(i).repeated(i == 5 ? 20 : 1);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    memo->resize(200, 150);
    memo->show();
    if (!QTest::qWaitFor([&memo] { return memo->horizontalScrollBar()->isVisible(); }))
        qFatal("the memo shows no horizontal scroll bar");
    return memo;
}

void Send(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent e(type, at, w->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
    QApplication::sendEvent(w, &e);
}

// Start and end of the thumb of a vertical bar, from its grip-free edge column.
QPair<int, int> ThumbSpan(QScrollBar *bar, QRgb thumbColour) {
    const QImage image = Grab(bar);
    int start = -1, end = -1;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(1, y) == thumbColour) {
            start = start < 0 ? y : start;
            end = y + 1;
        }
    return {start, end};
}

} // namespace

// Another vendor's scroll area, known by name.
class TImageScrollBox : public QPlainTextEdit {
    Q_OBJECT
};

class TestSkinLists : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data;
    QRgb S(int frame) const { return testSkin.FrameColour(Strip, frame); }
    QRgb Thumb(int frame) const {
        return testSkin.FrameColour(QStringLiteral("vthumb.bmp"), frame);
    }
    QRgb Shaft(int frame) const {
        return testSkin.FrameColour(QStringLiteral("vscroll.bmp"), frame);
    }

private slots:
    void initTestCase();
    void barParts();
    void barStates();
    void dragStopsAtTheTrack();
    void hotPartFollowsThePointer();
    void nothingToScroll();
    void borderAndCorner();
    void borderlessControls();
    void fixedColour();
    void missingImagesPaintNatively();
    void sweepScrollsAsUnskinned();
    void headerSections();
};

void TestSkinLists::initTestCase() {
    QCursor::setPos(-100, -100); // the pointer over no window until a test moves it
    QApplication::setStyle(new SkinStyle);
    UseCrispFont();
    data = LoadedSkinData(testSkin);
}

void TestSkinLists::barParts() {
    auto memo = Memo();
    (new TSkinScrollbar(memo.get()))->InitSkin(nullptr, data.get(), false);
    QScrollBar *v = memo->verticalScrollBar();
    const int h = v->height();
    QCOMPARE(PixelOf(v, QPoint(8, 2)), S(9));
    QCOMPARE(PixelOf(v, QPoint(8, h - 3)), S(13));
    QCOMPARE(PixelOf(v, QPoint(8, h - 20)), Shaft(1));
    const auto [start, end] = ThumbSpan(v, Thumb(1));
    QCOMPARE(start, 17);
    QCOMPARE(PixelOf(v, QPoint(8, (start + end) / 2)), S(20)); // the grip
    QCOMPARE(PixelOf(memo->horizontalScrollBar(), QPoint(2, 8)), S(1));
}

void TestSkinLists::barStates() {
    auto memo = Memo();
    (new TSkinScrollbar(memo.get()))->InitSkin(nullptr, data.get(), false);
    QScrollBar *v = memo->verticalScrollBar();
    const QPoint down(8, v->height() - 5);
    HoverAt(v, down);
    QCOMPARE(PixelOf(v, down), S(16));
    QCOMPARE(PixelOf(v, QPoint(8, 2)), S(9));
    QTest::mousePress(v, Qt::LeftButton, {}, down);
    QCOMPARE(PixelOf(v, down), S(14));
    QCOMPARE(v->value(), v->singleStep()); // the bar scrolls itself
    QTest::mouseRelease(v, Qt::LeftButton, {}, down);
    const auto [start, end] = ThumbSpan(v, Thumb(1));
    const QPoint thumb(8, start + 2);
    const QPoint grip(8, (start + end) / 2);
    HoverAt(v, thumb);
    QCOMPARE(PixelOf(v, QPoint(1, thumb.y())), Thumb(3));
    QCOMPARE(PixelOf(v, grip), S(22));
    QTest::mousePress(v, Qt::LeftButton, {}, thumb);
    QCOMPARE(PixelOf(v, QPoint(1, thumb.y())), Thumb(2));
    QCOMPARE(PixelOf(v, grip), S(21));
    QTest::mouseRelease(v, Qt::LeftButton, {}, thumb);
}

void TestSkinLists::dragStopsAtTheTrack() {
    auto memo = Memo();
    (new TSkinScrollbar(memo.get()))->InitSkin(nullptr, data.get(), false);
    QScrollBar *v = memo->verticalScrollBar();
    Send(v, QEvent::MouseButtonPress, QPoint(8, 22), Qt::LeftButton);
    Send(v, QEvent::MouseMove, QPoint(8, v->height() + 80), Qt::LeftButton);
    QCOMPARE(v->value(), v->maximum());
    QCOMPARE(ThumbSpan(v, Thumb(2)).second, v->height() - 17);
    Send(v, QEvent::MouseMove, QPoint(8, -80), Qt::LeftButton);
    QCOMPARE(v->value(), 0);
    QCOMPARE(ThumbSpan(v, Thumb(2)).first, 17);
    Send(v, QEvent::MouseButtonRelease, QPoint(8, -80), Qt::NoButton);
    QCOMPARE(ThumbSpan(v, Thumb(1)).first, 17);
}

void TestSkinLists::hotPartFollowsThePointer() {
    // Along a bar 100 long with arrows of 17 and the thumb at 40..60.
    const auto part = [](bool enabled, std::optional<int> at) {
        return HotScrollPart(enabled, at, 100, 17, 40, 60);
    };
    QCOMPARE(part(true, 50), ScrollPart::Thumb);
    QCOMPARE(part(true, 30), ScrollPart::PageBefore);
    QCOMPARE(part(true, 99), ScrollPart::SecondArrow);
    QCOMPARE(part(true, 100), ScrollPart::None);
    QCOMPARE(part(true, std::nullopt), ScrollPart::None);
    QCOMPARE(part(false, 50), ScrollPart::None);

    // The wheel moves the thumb from under a still pointer: the thumb is no longer hot.
    auto memo = Memo();
    auto *skin = new TSkinScrollbar(memo.get());
    skin->InitSkin(nullptr, data.get(), false);
    QScrollBar *v = memo->verticalScrollBar();
    const QPoint thumb(8, ThumbSpan(v, Thumb(1)).first + 2);
    QCursor::setPos(v->mapToGlobal(thumb));
    HoverAt(v, thumb);
    QTRY_COMPARE(skin->VertBar()->HotPart(), ScrollPart::Thumb);
    QWheelEvent wheel(thumb, v->mapToGlobal(thumb), QPoint(), QPoint(0, -1200), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(v, &wheel);
    QVERIFY(ThumbSpan(v, Thumb(1)).first > thumb.y());
    QCOMPARE(skin->VertBar()->HotPart(), ScrollPart::PageBefore);
    v->setEnabled(false);
    QCOMPARE(skin->VertBar()->HotPart(), ScrollPart::None);
    v->setEnabled(true);
    QCOMPARE(skin->VertBar()->HotPart(), ScrollPart::PageBefore);
    QCursor::setPos(-100, -100);
}

void TestSkinLists::nothingToScroll() {
    // An empty range, and a page larger than the range: no division goes wrong.
    QWidget holder;
    auto *creator = new TSkinEdit(new QLineEdit(&holder));
    creator->InitSkin(nullptr, data.get(), false);
    auto *v = new QScrollBar(Qt::Vertical, &holder);
    new TWScrollbar(creator, v, TSkinData::xcScrollbar);
    v->setGeometry(0, 0, 17, 100);
    holder.show();
    v->setRange(0, 0);
    QCOMPARE(PixelOf(v, QPoint(8, 50)), Shaft(3));
    v->setRange(0, 10);
    v->setPageStep(1000);
    QCOMPARE(PixelOf(v, QPoint(1, 25)), Thumb(1));
    v->setEnabled(false);
    QCOMPARE(PixelOf(v, QPoint(8, 50)), Shaft(3));
    // Shorter than two arrows: each takes half, no shaft.
    v->setEnabled(true);
    v->setGeometry(0, 0, 17, 20);
    QCOMPARE(PixelOf(v, QPoint(8, 9)), S(9));
    QCOMPARE(PixelOf(v, QPoint(8, 10)), S(13));
}

void TestSkinLists::borderAndCorner() {
    auto memo = Memo();
    (new TSkinScrollbar(memo.get()))->InitSkin(nullptr, data.get(), false);
    QCOMPARE(PixelOf(memo.get(), QPoint(0, 70)), Shadow);
    QCOMPARE(PixelOf(memo.get(), QPoint(1, 70)), Face);
    QCOMPARE(PixelOf(memo.get(), QPoint(199, 70)), Shadow);
    const QPoint corner = memo->verticalScrollBar()->mapTo(memo.get(), QPoint(8, 0)) +
                          QPoint(0, memo->verticalScrollBar()->height() + 8);
    QCOMPARE(PixelOf(memo.get(), corner), Face);
    memo->setFrameShape(QFrame::NoFrame);
    QVERIFY(PixelOf(memo.get(), QPoint(0, 70)) != Shadow);
}

void TestSkinLists::borderlessControls() {
    // Bars alone, a BorderStyle of bsNone, the image scroll box: bars skinned, no border.
    auto single = Memo();
    auto styled = Memo();
    styled->setProperty("BorderStyle", QStringLiteral("bsNone"));
    auto box = Memo<TImageScrollBox>();
    for (QPlainTextEdit *memo :
         {single.get(), styled.get(), static_cast<QPlainTextEdit *>(box.get())}) {
        auto *skin = new TSkinScrollbar(memo);
        skin->InitSkin(nullptr, data.get(), false);
        if (memo == single.get())
            skin->SetSingleBar();
        QVERIFY(PixelOf(memo, QPoint(0, 70)) != Shadow);
        QCOMPARE(PixelOf(memo->verticalScrollBar(), QPoint(8, 2)), S(9));
    }
}

void TestSkinLists::fixedColour() {
    // A control's integer FixedColor takes the face colour while skinned, and its own colour back
    // afterwards however often the skin's colours were applied again.
    auto memo = Memo();
    memo->setProperty("FixedColor", 123);
    auto *skin = new TSkinScrollbar(memo.get());
    skin->InitSkin(nullptr, data.get(), false);
    QCOMPARE(memo->property("FixedColor").toInt(), data->Objects()->ButtonFace);
    skin->ReapplyColor();
    skin->Detach();
    QCOMPARE(memo->property("FixedColor").toInt(), 123);
}

void TestSkinLists::missingImagesPaintNatively() {
    auto plain = Memo();
    const QImage native = Grab(plain->verticalScrollBar());
    TTestSkin noStrip, noThumb;
    noStrip.RemoveSection(QStringLiteral("Scrollbar"));
    noThumb.RemoveSection(QStringLiteral("VertScrollThumb"));
    const auto noStripData = LoadedSkinData(noStrip);
    const auto noThumbData = LoadedSkinData(noThumb);
    auto memo = Memo();
    (new TSkinScrollbar(memo.get()))->InitSkin(nullptr, noStripData.get(), false);
    QCOMPARE(Grab(memo->verticalScrollBar()), native);
    auto other = Memo();
    (new TSkinScrollbar(other.get()))->InitSkin(nullptr, noThumbData.get(), false);
    QScrollBar *v = other->verticalScrollBar();
    QCOMPARE(PixelOf(v, QPoint(8, 2)), S(9));                 // skinned arrows
    QCOMPARE(PixelOf(v, QPoint(8, 25)), native.pixel(8, 25)); // the bar's own thumb
}

void TestSkinLists::sweepScrollsAsUnskinned() {
    auto plain = Memo();
    auto skinned = Memo();
    (new TSkinScrollbar(skinned.get()))->InitSkin(nullptr, data.get(), false);
    for (QPlainTextEdit *memo : {plain.get(), skinned.get()}) {
        QScrollBar *v = memo->verticalScrollBar();
        QWheelEvent wheel(QPointF(8, 60), v->mapToGlobal(QPointF(8, 60)), QPoint(), QPoint(0, -240),
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &wheel);
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(8, v->height() - 5));  // line
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(8, v->height() - 25)); // page
        Send(v, QEvent::MouseButtonPress, QPoint(8, 40), Qt::LeftButton);
        Send(v, QEvent::MouseMove, QPoint(8, 70), Qt::LeftButton);
        Send(v, QEvent::MouseButtonRelease, QPoint(8, 70), Qt::NoButton);
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(8, 20)); // page up
        QScrollBar *h = memo->horizontalScrollBar();
        QTest::mouseClick(h, Qt::LeftButton, {}, QPoint(h->width() - 5, 8));
    }
    QCOMPARE(skinned->verticalScrollBar()->value(), plain->verticalScrollBar()->value());
    QCOMPARE(skinned->horizontalScrollBar()->value(), plain->horizontalScrollBar()->value());
    QVERIFY(plain->verticalScrollBar()->value() > 0);
}

void TestSkinLists::headerSections() {
    QTreeWidget tree;
    tree.setColumnCount(3);
    tree.setHeaderLabels({QString(), QString(), QString()});
    tree.resize(300, 120);
    for (int i = 0; i < 3; ++i)
        tree.setColumnWidth(i, 60);
    tree.header()->setStretchLastSection(false);
    auto *skin = new TSkinListView(&tree);
    skin->InitSkin(nullptr, data.get(), false);
    tree.show();
    QWidget *header = tree.header()->viewport();
    const QString bar = QStringLiteral("headerbar.bmp");
    const auto at = [&](int x) { return PixelOf(header, QPoint(x, 3)); };
    QCOMPARE(at(30), testSkin.FrameColour(bar, 1));
    QCOMPARE(at(250), testSkin.FrameColour(bar, 1)); // past the last section
    QTest::mouseMove(header, QPoint(90, 8));
    QTRY_COMPARE(at(90), testSkin.FrameColour(bar, 2));
    QCOMPARE(at(30), testSkin.FrameColour(bar, 1));
    QTest::mouseMove(header, QPoint(121, 8)); // beside the divider: section 1 stays hot
    QCOMPARE(skin->HeaderSkin()->HotSection(), 1);
    QTest::mouseMove(header, QPoint(150, 8));
    QTRY_COMPARE(skin->HeaderSkin()->HotSection(), 2);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(header, &leave);
    QCOMPARE(at(150), testSkin.FrameColour(bar, 1));

    TTestSkin noBar;
    noBar.RemoveSection(QStringLiteral("Headerbar"));
    const auto noBarData = LoadedSkinData(noBar);
    QTreeWidget skinned, plain;
    for (QTreeWidget *t : {&skinned, &plain}) {
        t->setHeaderLabels({QStringLiteral("日期"), QStringLiteral("金额")});
        t->resize(200, 80);
    }
    (new TSkinListView(&skinned))->InitSkin(nullptr, noBarData.get(), false);
    QCOMPARE(Grab(skinned.header()), Grab(plain.header()));
}

QTEST_MAIN(TestSkinLists)
#include "tst_skinlists.moc"
