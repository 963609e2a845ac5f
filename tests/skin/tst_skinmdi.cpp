// MDI: a skinned window holding a QMdiArea, its children framed inside the area, a maximized
// child's buttons in the frame's menu bar, the area given back as it was, and a child closed with
// its controls skinned.
#include "skin/controls/tskincontrollayer.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/menus/tskinmenulayer.h"
#include "skin/window/framedrag.h"
#include "skin/window/mdifacts.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"
#include "support/skin/windowfixture.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

// A window with a menu bar and an area holding "Notes" (300 x 200 with Qt's frame, so its client
// is 292 x 172) and "Entry", the active one.
struct MDIWindow {
    QMainWindow frame;
    QMdiArea *area = new QMdiArea;
    QTextEdit *notesText = new QTextEdit;
    QMdiSubWindow *notes;
    QMdiSubWindow *entry;
    MDIWindow() {
        frame.setCentralWidget(area);
        frame.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("Quit"));
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        notes = area->addSubWindow(notesText);
        notes->setGeometry(10, 10, 300, 200);
        entry = area->addSubWindow(new QLabel(QStringLiteral("entry")));
        entry->setGeometry(120, 80, 300, 200);
        frame.resize(700, 500);
    }
};

struct Fixture {
    TWindowFixture windows;
    TSkinMenuLayer menus;
    TTestSkin skin;
    TSkinData *data = nullptr;
    TWinSkinForm *Show(QWidget &window, TSkinData::TSkinOptions options = {}) {
        windows.Manager().SetMenuLayer(&menus);
        data = windows.AddSkinData(skin, &window);
        data->SetOptions(options);
        TWinSkinForm *form = windows.Show(&window);
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
        return form;
    }
    TWinSkinForm *Of(QWidget *widget) { return windows.Manager().FindSkinnedWindow(widget); }
};

QPoint Centre(const TWinSkinForm *form, int action) {
    const TWinSysButton *button = VisibleButton(form, action);
    return button ? button->Rect().center() : QPoint(-1, -1);
}

} // namespace

class TestSkinMdi : public QObject {
    Q_OBJECT
private slots:
    void childrenFramedInsideTheArea();
    void maximizedChildButtonsInTheMenuBar();
    void menuBarButtonsActOnTheActiveChild();
    void areaGivenBackWhenUnskinned();
    void childrenKeepQtFramesAndScrollBarsWhenAsked();
    void childClosedWithSkinnedControls();
    void emptyMenuBarFollowsItsActions();
    void minimizedChildPlaces();
    void areaThatComesAfterSkinning();
    void childLeavingItsArea();
    void childrenMadeLaterAndMenusAddedLater();
    void maximizedChildNamedInTheCaption();
    void modeFollowsTheChildrenWhenSkinnedAgain();
    void captionDragStaysInTheArea();
    void dragBounds();
};

void TestSkinMdi::childrenFramedInsideTheArea() {
    Fixture f;
    MDIWindow w;
    TWinSkinForm *frame = f.Show(w.frame);
    QVERIFY(frame);
    QCOMPARE(frame->WindowKind(), TWindowKind::MDIFrame);
    QCOMPARE(frame->MDIClient(), w.area);
    QCOMPARE(f.windows.Manager().MDIClientWindow(), w.area);
    TWinSkinForm *notes = f.Of(w.notes);
    TWinSkinForm *entry = f.Of(w.entry);
    QVERIFY(notes && entry);
    QCOMPARE(notes->WindowKind(), TWindowKind::MDIChild);
    QVERIFY(w.notes->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(w.notes->layout()->contentsMargins(), QMargins(4, 28, 4, 4));
    QCOMPARE(w.notesText->size(), QSize(292, 172)); // the client Qt's frame held
    QCOMPARE(w.notes->size(), QSize(300, 204));
    QVERIFY(!w.notes->mask().isEmpty());
    QCOMPARE(VisibleButton(notes, cbaClose)->Rect(), QRect(300 - 36, 4, 30, 20));
    // Qt clears a child's mask as it sizes it: the outline comes back at the new size.
    w.notes->resize(320, 224);
    QTRY_COMPARE(w.notes->mask().boundingRect(), QRect(0, 0, 320, 224));

    // Drawn active and inactive; the active child follows the area.
    const QRgb active = f.skin.FrameColour(QStringLiteral("top.bmp"), 1);
    const QRgb inactive = f.skin.FrameColour(QStringLiteral("top.bmp"), 2);
    QVERIFY(entry->IsActive() && !notes->IsActive());
    QCOMPARE(PixelAt(Grab(w.entry), 150, 1), active);
    QCOMPARE(PixelAt(Grab(w.notes), 150, 1), inactive);
    w.area->setActiveSubWindow(w.notes);
    QTRY_VERIFY(notes->IsActive() && !entry->IsActive());
    QCOMPARE(PixelAt(Grab(w.notes), 150, 1), active);

    // A caption drag moves a child within the area; a press on an inactive child's frame
    // activates it.
    const QPoint from(150, 12);
    QTest::mousePress(w.entry, Qt::LeftButton, {}, from);
    QTRY_VERIFY(entry->IsActive());
    QTest::mouseMove(w.entry, from + QPoint(30, 20));
    QTest::mouseRelease(w.entry, Qt::LeftButton, {}, from + QPoint(30, 20));
    QCOMPARE(w.entry->pos(), QPoint(150, 100));

    // A right click on a child's caption opens Qt's own menu of the child.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, from, w.entry->mapToGlobal(from));
    QApplication::sendEvent(w.entry, &menu);
    QTRY_VERIFY(w.entry->systemMenu()->isVisible());
    w.entry->systemMenu()->hide();
}

void TestSkinMdi::maximizedChildButtonsInTheMenuBar() {
    Fixture f;
    MDIWindow w;
    TWinSkinForm *frame = f.Show(w.frame);
    QVERIFY(frame);
    TWinSkinForm *entry = f.Of(w.entry);
    QVERIFY(!VisibleButton(frame, cbaMDIClose));

    QTest::mouseClick(w.entry, Qt::LeftButton, {}, Centre(entry, cbaMaximize));
    QTRY_VERIFY(w.entry->isMaximized());
    QTRY_VERIFY(f.windows.Manager().MDIMaximizedMode());
    QCOMPARE(w.entry->layout()->contentsMargins(), QMargins()); // no frame of its own
    QVERIFY(w.entry->mask().isEmpty());
    QVERIFY(w.notes->mask().isEmpty());
    QCOMPARE(entry->NCHitTest(QPoint(150, 5)), FrameHit::Client);
    // In the bar from its right end: the right border, the bar image's left piece, Xcoord.
    QTRY_VERIFY(VisibleButton(frame, cbaMDIClose));
    const int barHeight = w.frame.contentsMargins().top() - 28;
    const int top = (barHeight - 14) / 2 + 28;
    const int width = w.frame.width();
    QCOMPARE(VisibleButton(frame, cbaMDIMinimize)->Rect(), QRect(width - 60 - 4 - 2, top, 16, 14));
    QCOMPARE(VisibleButton(frame, cbaMDIClose)->Rect(), QRect(width - 20 - 4 - 2, top, 16, 14));
    // Drawn in frame 1 of its group, 4 when hot, 2 when pressed.
    const QPoint restore = Centre(frame, cbaMDIRestore);
    const auto shows = [&](int frameOfStrip) {
        return PixelAt(Grab(&w.frame), restore.x(), restore.y()) ==
               f.skin.FrameColour(QStringLiteral("mdicontrols.bmp"), frameOfStrip);
    };
    QVERIFY(shows(5));
    QTest::mouseMove(w.frame.windowHandle(), restore);
    QTRY_VERIFY(shows(8));
    QTest::mousePress(w.frame.windowHandle(), Qt::LeftButton, {}, restore);
    QTRY_VERIFY(shows(6));
    QTest::mouseRelease(w.frame.windowHandle(), Qt::LeftButton, {}, restore);
    QTRY_VERIFY(!w.entry->isMaximized());
    w.entry->showMaximized();
    QTRY_VERIFY(f.windows.Manager().MDIMaximizedMode());

    // The manager's mode both ways: outlines go and come back.
    f.windows.Manager().SetMDIChildMode(false);
    QVERIFY(!w.notes->mask().isEmpty());
    f.windows.Manager().SetMDIChildMode(true);
    QVERIFY(w.notes->mask().isEmpty());

    QTest::mouseClick(&w.frame, Qt::LeftButton, {}, restore);
    QTRY_VERIFY(!w.entry->isMaximized());
    QTRY_VERIFY(!f.windows.Manager().MDIMaximizedMode());
    QTRY_VERIFY(!VisibleButton(frame, cbaMDIRestore));
    QCOMPARE(w.entry->layout()->contentsMargins(), QMargins(4, 28, 4, 4));
    QTRY_VERIFY(!w.entry->mask().isEmpty());
    QVERIFY(!w.notes->mask().isEmpty());
}

void TestSkinMdi::menuBarButtonsActOnTheActiveChild() {
    Fixture f;
    MDIWindow w;
    w.frame.setLayoutDirection(Qt::RightToLeft);
    TWinSkinForm *frame = f.Show(w.frame);
    QVERIFY(frame);
    w.notes->showMaximized(); // activates and maximizes it
    QTRY_VERIFY(VisibleButton(frame, cbaMDIMinimize));
    // A right-to-left bar ends its buttons before the MDI buttons.
    const QRect file = frame->MenuBar()->Objects().front()->Rect();
    QVERIFY(file.right() < VisibleButton(frame, cbaMDIMinimize)->Rect().left() - 4);

    QTest::mouseClick(&w.frame, Qt::LeftButton, {}, Centre(frame, cbaMDIMinimize));
    QTRY_VERIFY(w.notes->isMinimized());
    // Only its caption, along the bottom of the area.
    QTRY_COMPARE(w.notes->size(), f.Of(w.notes)->MinimizedSize());
    QCOMPARE(w.notes->geometry().bottom(), w.area->viewport()->rect().bottom());
    QTRY_VERIFY(!VisibleButton(frame, cbaMDIMinimize));

    w.entry->showMaximized();
    QTRY_VERIFY(VisibleButton(frame, cbaMDIClose));
    QPointer<QMdiSubWindow> entry = w.entry;
    QTest::mouseClick(&w.frame, Qt::LeftButton, {}, Centre(frame, cbaMDIClose));
    QTRY_VERIFY(!entry);
    // The child activated next is maximized in turn; the last one closed, the mode ends.
    QTRY_COMPARE(bool(VisibleButton(frame, cbaMDIClose)), w.notes->isMaximized());
    w.notes->close();
    QTRY_VERIFY(w.area->subWindowList().isEmpty());
    QTRY_VERIFY(!VisibleButton(frame, cbaMDIClose));
    QTRY_VERIFY(!f.windows.Manager().MDIMaximizedMode());
    QTRY_VERIFY(f.data->MenuUpdate()); // as it was before the area had children
}

void TestSkinMdi::areaGivenBackWhenUnskinned() {
    Fixture f;
    MDIWindow w;
    QVERIFY(f.Show(w.frame));
    QCOMPARE(w.area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!f.data->MenuUpdate()); // off while the area has children
    const QSize client = w.notesText->size();

    f.data->SetActive(false);
    QTRY_VERIFY(!f.Of(w.notes));
    QVERIFY(!w.notes->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(w.notes->contentsMargins(), QMargins(4, 24, 4, 4));
    QCOMPARE(w.notes->layout()->contentsMargins(), QMargins());
    QTRY_COMPARE(w.notesText->size(), client);
    QCOMPARE(w.area->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QVERIFY(f.data->MenuUpdate());

    // Skinned again, the children made before are skinned with their frame.
    f.data->SetActive(true);
    QTRY_VERIFY(f.Of(w.notes));
    QTRY_COMPARE(w.notesText->size(), client);
}

void TestSkinMdi::childrenKeepQtFramesAndScrollBarsWhenAsked() {
    Fixture f;
    MDIWindow w;
    QVERIFY(f.Show(w.frame, TSkinData::xoMDIChildBorder | TSkinData::xoMDIScrollbar));
    TWinSkinForm *notes = f.Of(w.notes);
    QVERIFY(notes && !notes->FrameSkinned());
    QVERIFY(!w.notes->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(w.notes->contentsMargins(), QMargins(4, 24, 4, 4));
    QCOMPARE(w.area->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

void TestSkinMdi::childClosedWithSkinnedControls() {
    TSkinControlLayer controls; // outlives the manager
    Fixture f;
    f.windows.Manager().SetControlLayer(&controls);
    MDIWindow w;
    QVERIFY(f.Show(w.frame));
    QTRY_COMPARE(SendSkinMessage(w.notesText->verticalScrollBar(), SM_SKINQUERY), qintptr(1));
    // Its text's skinned scroll bars go with the child.
    QPointer<QMdiSubWindow> notes = w.notes;
    notes->close();
    QTRY_VERIFY(!notes);
    QCOMPARE(w.area->subWindowList(), QList<QMdiSubWindow *>({w.entry}));
    QVERIFY(f.Of(w.entry));
}

void TestSkinMdi::emptyMenuBarFollowsItsActions() {
    Fixture f;
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("client")));
    QMenuBar *bar = window.menuBar();
    window.resize(400, 300);
    TWinSkinForm *form = f.Show(window);
    QVERIFY(form && form->MenuBar());
    QVERIFY(form->MenuBar()->Height() > 0);
    QCOMPARE(window.contentsMargins().top(), 28 + form->MenuBar()->Height());
    bar->addMenu(QStringLiteral("&Tools"))->addAction(QStringLiteral("Options"));
    QTRY_COMPARE(form->MenuBar()->Objects().size(), size_t(1));
    QVERIFY(bar->isHidden());
    // A new bar for the window: the skin takes it.
    auto *other = new QMenuBar;
    other->addMenu(QStringLiteral("&File"));
    other->addMenu(QStringLiteral("&Help"));
    window.setMenuBar(other);
    QTRY_COMPARE(form->MenuBar()->Objects().size(), size_t(2));
    QVERIFY(other->isHidden());
}

void TestSkinMdi::minimizedChildPlaces() {
    const QRect domain(0, 0, 500, 300);
    QCOMPARE(MinimizedChildPlaces(3, QSize(200, 28), domain, false),
             QList<QRect>({QRect(0, 272, 200, 28), QRect(200, 272, 200, 28),
                           QRect(0, 244, 200, 28)})); // a second row above the first
    QCOMPARE(MinimizedChildPlaces(2, QSize(200, 28), domain, true),
             QList<QRect>({QRect(300, 272, 200, 28), QRect(100, 272, 200, 28)}));
    // Wider than the area: one a row.
    QCOMPARE(MinimizedChildPlaces(2, QSize(600, 28), domain, false),
             QList<QRect>({QRect(0, 272, 600, 28), QRect(0, 244, 600, 28)}));
}

void TestSkinMdi::areaThatComesAfterSkinning() {
    Fixture f;
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("start")));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.resize(700, 500);
    TWinSkinForm *form = f.Show(window);
    QVERIFY(form && form->WindowKind() == TWindowKind::Normal);

    auto *holder = new QWidget; // the area lies below the new central widget
    auto *area = new QMdiArea(holder);
    holder->setLayout(new QVBoxLayout);
    holder->layout()->addWidget(area);
    QMdiSubWindow *notes = area->addSubWindow(new QTextEdit);
    QMdiSubWindow *entry = area->addSubWindow(new QLabel(QStringLiteral("entry")));
    window.setCentralWidget(holder);
    notes->show();
    entry->show();
    QTRY_COMPARE(form->WindowKind(), TWindowKind::MDIFrame);
    QCOMPARE(form->MDIClient(), area);
    QCOMPARE(f.windows.Manager().MDIClientWindow(), area);
    QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QTRY_VERIFY(f.Of(notes) && f.Of(entry));
    area->setActiveSubWindow(entry);
    QTRY_VERIFY(f.Of(entry)->IsActive() && !f.Of(notes)->IsActive());
    entry->showMaximized();
    QTRY_VERIFY(VisibleButton(form, cbaMDIRestore));

    // The area goes (deleted at once, a child still maximized): a plain window again.
    delete holder;
    QTRY_COMPARE(form->WindowKind(), TWindowKind::Normal);
    QTRY_VERIFY(!VisibleButton(form, cbaMDIRestore));
    QVERIFY(!f.windows.Manager().MDIClientWindow());
    QVERIFY(!f.windows.Manager().MDIMaximizedMode());
}

void TestSkinMdi::childLeavingItsArea() {
    Fixture f;
    MDIWindow w;
    QVERIFY(f.Show(w.frame));
    QPointer<QMdiSubWindow> notes = w.notes;
    w.area->removeSubWindow(notes);
    notes->resize(300, 200);
    notes->show();
    QTRY_VERIFY(f.Of(notes) && f.Of(notes)->WindowKind() == TWindowKind::Normal);
    TWinSkinForm *alone = f.Of(notes);
    QVERIFY(alone->FrameSkinned());
    QVERIFY(!notes->windowFlags().testFlag(Qt::SubWindow));
    QApplication::setActiveWindow(notes);
    QTRY_VERIFY(alone->IsActive());
    QTRY_COMPARE(alone->State(), TFormState::Skinned);
    QCOMPARE(PixelAt(Grab(notes), 150, 1), f.skin.FrameColour(QStringLiteral("top.bmp"), 1));
    // Back into the area: an MDI child again.
    w.area->addSubWindow(notes);
    notes->show();
    QTRY_VERIFY(f.Of(notes) && f.Of(notes)->WindowKind() == TWindowKind::MDIChild);
    QTRY_COMPARE(w.notes->layout()->contentsMargins(), QMargins(4, 28, 4, 4));
    delete notes;
}

void TestSkinMdi::childrenMadeLaterAndMenusAddedLater() {
    Fixture f;
    MDIWindow w;
    TWinSkinForm *frame = f.Show(w.frame);
    QMdiSubWindow *later = w.area->addSubWindow(new QLabel(QStringLiteral("later")));
    later->show();
    QTRY_VERIFY(f.Of(later) && f.Of(later)->FrameSkinned());
    QTRY_VERIFY(!later->mask().isEmpty());
    w.frame.menuBar()->addMenu(QStringLiteral("&Window"));
    QTRY_COMPARE(frame->MenuBar()->Objects().size(), size_t(2));
}

void TestSkinMdi::maximizedChildNamedInTheCaption() {
    Fixture f;
    MDIWindow w;
    w.frame.setWindowTitle(QStringLiteral("Ledger"));
    w.entry->setWindowTitle(QStringLiteral("Entry"));
    TWinSkinForm *frame = f.Show(w.frame);
    QCOMPARE(frame->Layout().TitleText().trimmed(), QStringLiteral("Ledger"));
    w.entry->showMaximized();
    QTRY_COMPARE(frame->Layout().TitleText().trimmed(), QStringLiteral("Ledger - [Entry]"));
    w.entry->setWindowTitle(QStringLiteral("Entry 2"));
    QTRY_COMPARE(frame->Layout().TitleText().trimmed(), QStringLiteral("Ledger - [Entry 2]"));
    w.entry->showNormal();
    QTRY_COMPARE(frame->Layout().TitleText().trimmed(), QStringLiteral("Ledger"));
}

void TestSkinMdi::modeFollowsTheChildrenWhenSkinnedAgain() {
    Fixture f;
    MDIWindow w;
    QVERIFY(f.Show(w.frame));
    w.entry->showMaximized();
    QTRY_VERIFY(f.windows.Manager().MDIMaximizedMode());
    f.data->SetActive(false);
    QTRY_VERIFY(!f.Of(w.entry));
    w.entry->showNormal();
    f.data->SetActive(true);
    QTRY_VERIFY(f.Of(w.entry) && f.Of(w.notes));
    QTRY_VERIFY(!f.windows.Manager().MDIMaximizedMode());
    QTRY_VERIFY(!w.notes->mask().isEmpty() && !w.entry->mask().isEmpty());
    // Maximized while unskinned: shown maximized once skinned again.
    f.data->SetActive(false);
    QTRY_VERIFY(!f.Of(w.entry));
    w.entry->showMaximized();
    f.data->SetActive(true);
    QTRY_VERIFY(f.windows.Manager().MDIMaximizedMode());
    QTRY_VERIFY(VisibleButton(f.Of(&w.frame), cbaMDIRestore));
}

void TestSkinMdi::captionDragStaysInTheArea() {
    Fixture f;
    MDIWindow w;
    QVERIFY(f.Show(w.frame));
    const QPoint from(150, 12); // in Entry's caption, at (120, 80) in the area
    QTest::mousePress(w.entry, Qt::LeftButton, {}, from);
    QTest::mouseMove(w.entry, from + QPoint(-600, -400));
    QTest::mouseRelease(w.entry, Qt::LeftButton, {}, from + QPoint(-600, -400));
    QCOMPARE(w.entry->pos(), QPoint(TFrameDrag::BoundaryMargin - 150, 0));
}

void TestSkinMdi::dragBounds() {
    const QRect domain(0, 0, 400, 300), start(100, 50, 200, 100);
    const QPoint press(150, 60); // 10 below the child's top
    // Inside: as it is.
    QCOMPARE(TFrameDrag::BoundedPointer(FrameHit::Caption, {200, 200}, press, start, domain),
             QPoint(200, 200));
    // The caption's top stays in the area; the pointer stays 5 inside its other edges.
    QCOMPARE(TFrameDrag::BoundedPointer(FrameHit::Caption, {-50, -80}, press, start, domain),
             QPoint(5, 10));
    QCOMPARE(TFrameDrag::BoundedPointer(FrameHit::Caption, {900, 900}, press, start, domain),
             QPoint(394, 294));
    // Sizing: only the top edge keeps the top in the area.
    QCOMPARE(TFrameDrag::BoundedPointer(FrameHit::TopLeft, {-9, -9}, {100, 50}, start, domain),
             QPoint(5, 0));
    QCOMPARE(TFrameDrag::BoundedPointer(FrameHit::Bottom, {200, -9}, {200, 150}, start, domain),
             QPoint(200, 5));
}

QTEST_MAIN(TestSkinMdi)
#include "tst_skinmdi.moc"
