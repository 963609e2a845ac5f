// Skinned standard dialogs: where they open (centred over their parent's window or the screen,
// or where their caller put them, at the size and place they keep, before their window maps;
// again when shown again), where they stay when their contents change after the map (a stale
// place reported in between, a drag by the caption before), and a fitted message box left alone
// by sizes the window system reports and by layout requests that change nothing, while a change
// of its contents still fits it again. The placement's rules as functions, and where the display
// has a dialog in Qt's coordinates at device pixel ratios other than 1.
#include "skin/window/dialogplacement.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"
#include "support/skin/windowfixture.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <QtTest>

using namespace skin;
using namespace skin::test;
using TMover = TDialogPlacement::TMover;

namespace {

// Records a window's geometry as its native window is about to map.
class MapRecorder : public QObject {
public:
    explicit MapRecorder(QWidget *window) : window(window) {
        window->winId();
        window->windowHandle()->installEventFilter(this);
    }
    QRect atMap;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Show)
            atMap = window->geometry();
        return false;
    }

private:
    QWidget *window;
};

// Counts the resizes a window makes itself (not those the window system reports).
class ResizeCounter : public QObject {
public:
    explicit ResizeCounter(QWidget *window) { window->installEventFilter(this); }
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Resize && !event->spontaneous())
            ++count;
        return false;
    }
};

bool Near(QPoint a, QPoint b) {
    return (a - b).manhattanLength() <= 2;
}

} // namespace

class TestSkinDialogs : public QObject {
    Q_OBJECT
private slots:
    void openWhereTheyBelong_data();
    void openWhereTheyBelong();
    void refittedOrShownAgainWhereItWas_data();
    void refittedOrShownAgainWhereItWas();
    void fittedBoxLeftAloneUnlessItsContentsChange();
    void placementRules();
    void displayPixelsInQtCoordinates();
};

void TestSkinDialogs::openWhereTheyBelong_data() {
    QTest::addColumn<bool>("inputDialog");
    QTest::addColumn<bool>("parented");
    QTest::addColumn<bool>("moved");
    QTest::newRow("message box over its window") << false << true << false;
    QTest::newRow("input dialog over its window") << true << true << false;
    QTest::newRow("message box without a window") << false << false << false;
    QTest::newRow("message box its caller moved") << false << false << true;
    QTest::newRow("input dialog its caller moved") << true << false << true;
}

void TestSkinDialogs::openWhereTheyBelong() {
    QFETCH(bool, inputDialog);
    QFETCH(bool, parented);
    QFETCH(bool, moved);
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin());
    QWidget parent;
    parent.setGeometry(200, 150, 600, 400);
    if (parented)
        QVERIFY(fixture.Show(&parent));
    QWidget *owner = parented ? &parent : nullptr;
    std::unique_ptr<QDialog> dialog;
    if (inputDialog)
        dialog = std::make_unique<QInputDialog>(owner);
    else
        dialog = std::make_unique<QMessageBox>(QMessageBox::Information, QStringLiteral("提示"),
                                               QStringLiteral("保存成功!"), QMessageBox::Ok, owner);
    if (moved)
        dialog->move(300, 200);
    MapRecorder recorder(dialog.get());
    TWinSkinForm *form = fixture.Show(dialog.get());
    QVERIFY(form && form->FrameSkinned());
    QCOMPARE(dialog->contentsMargins(), QMargins(4, 28, 4, 4));
    QCOMPARE(recorder.atMap, dialog->geometry()); // mapped at its final size and place
    QCOMPARE(dialog->frameGeometry(), dialog->geometry());
    const QRect over = parented ? parent.frameGeometry() : dialog->screen()->availableGeometry();
    if (moved)
        QCOMPARE(dialog->pos(), QPoint(300, 200));
    else
        QVERIFY(Near(dialog->geometry().center(), over.center()));
    if (!parented)
        return;
    // Shown again after its window moved: over it again.
    dialog->hide();
    parent.move(parent.pos() + QPoint(60, 40));
    dialog->show();
    QCoreApplication::processEvents();
    QCOMPARE(recorder.atMap, dialog->geometry());
    QVERIFY(Near(dialog->geometry().center(), parent.frameGeometry().center()));
}

void TestSkinDialogs::refittedOrShownAgainWhereItWas_data() {
    QTest::addColumn<bool>("moved");
    QTest::addColumn<bool>("dragged");
    QTest::newRow("box the skin centred") << false << false;
    QTest::newRow("box its caller moved") << true << false;
    QTest::newRow("box dragged by its caption") << false << true;
}

void TestSkinDialogs::refittedOrShownAgainWhereItWas() {
    QFETCH(bool, moved);
    QFETCH(bool, dragged);
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin());
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("ok"));
    if (moved)
        box.move(300, 200);
    QVERIFY(fixture.Show(&box));
    const QRect first = box.frameGeometry();
    if (dragged) {
        const QPoint from(40, 14), by(60, 40);
        for (int step = 0; step <= 4; ++step) { // the box moves under the pointer
            const QPoint at = first.topLeft() + from + by * step / 4 - box.pos();
            if (step == 0)
                QTest::mousePress(box.windowHandle(), Qt::LeftButton, {}, at);
            else
                QTest::mouseMove(box.windowHandle(), at);
        }
        QTest::mouseRelease(box.windowHandle(), Qt::LeftButton, {}, from);
        QCOMPARE(box.pos(), first.topLeft() + by);
    }
    const auto inPlace = [&](const QRect &place) {
        const QRect now = box.frameGeometry();
        return moved ? now.topLeft() == place.topLeft() : Near(now.center(), place.center());
    };
    // Each time after a stale report of (0, 0), as Qt can take one just after the map: a longer
    // text (where the box is then), then shown again (where it first opened: a drag placed it
    // only while it was shown).
    const QRect before = box.frameGeometry();
    box.windowHandle()->setPosition(0, 0);
    QTRY_COMPARE(box.pos(), QPoint(0, 0));
    box.setText(
        QStringLiteral("A longer text than the box had when it was shown,\nover two lines."));
    QTRY_VERIFY2(box.height() > first.height() && inPlace(before),
                 qPrintable(QStringLiteral("refitted at %1,%2").arg(box.x()).arg(box.y())));
    box.windowHandle()->setPosition(0, 0);
    QTRY_COMPARE(box.pos(), QPoint(0, 0));
    box.hide();
    box.show();
    QCoreApplication::processEvents();
    QVERIFY2(inPlace(first),
             qPrintable(QStringLiteral("shown again at %1,%2").arg(box.x()).arg(box.y())));
}

void TestSkinDialogs::fittedBoxLeftAloneUnlessItsContentsChange() {
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin());
    QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), QStringLiteral("ok"));
    QVERIFY(fixture.Show(&box));
    const QRect fitted = box.geometry();
    ResizeCounter resizes(&box);
    // Reports of an older size, then of the one it has, as just after a map.
    box.windowHandle()->resize(fitted.size() - QSize(8, 32));
    QTRY_COMPARE(box.size(), fitted.size() - QSize(8, 32));
    box.windowHandle()->resize(fitted.size());
    QTRY_COMPARE(box.size(), fitted.size());
    QCoreApplication::postEvent(&box, new QEvent(QEvent::LayoutRequest));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(resizes.count, 0);
    QCOMPARE(box.geometry(), fitted);

    box.addButton(QMessageBox::Cancel);
    QTRY_VERIFY(box.width() > fitted.width());
    QCOMPARE(box.contentsMargins(), QMargins(4, 28, 4, 4));
    QCOMPARE(box.minimumSize(), box.maximumSize());
}

// Who moved a dialog, and where a refit puts it (in an area of 1000 x 800).
void TestSkinDialogs::placementRules() {
    const std::optional<bool> cannotTell, agrees(true), differs(false);
    const struct {
        bool reported, byUser;
        std::optional<bool> displayAgrees;
        bool buttonDown;
        TMover mover;
    } moves[] = {
        {false, false, cannotTell, true, TMover::Caller},  // code, even in a drag
        {false, true, cannotTell, true, TMover::User},     // the skin's caption drag
        {true, false, agrees, false, TMover::User},        // a report the display confirms
        {true, false, differs, true, TMover::Unconfirmed}, // a stale report, even in a drag
        {true, false, cannotTell, true, TMover::User},     // a drag (offscreen, Wayland)
        {true, false, cannotTell, false, TMover::Unconfirmed},
    };
    for (const auto &m : moves)
        QCOMPARE(TDialogPlacement::MoverOf(m.reported, m.byUser, m.displayAgrees, m.buttonDown),
                 m.mover);
    const struct {
        QRect now;
        QSize size;
        bool keepCorner;
        QRect refitted;
    } refits[] = {
        {{200, 200, 100, 60}, {140, 100}, false, {180, 180, 140, 100}}, // centre kept
        {{200, 200, 100, 60}, {140, 100}, true, {200, 200, 140, 100}},  // corner kept
        {{900, 750, 100, 40}, {140, 80}, false, {860, 720, 140, 80}},   // then inside the area
        {{100, 100, 100, 100}, {1200, 900}, false, {0, 0, 1200, 900}},  // larger than the area
    };
    for (const auto &r : refits)
        QCOMPARE(TDialogPlacement::Refitted(r.now, r.size, r.keepCorner, QRect(0, 0, 1000, 800)),
                 r.refitted);
}

// The display's pixels in Qt's coordinates: through the ratio, from the screen's top-left corner,
// rounded as Qt rounds what the display reports.
void TestSkinDialogs::displayPixelsInQtCoordinates() {
    const struct {
        QPoint display;
        qreal ratio;
        QPoint screenLogical, screenDisplay, logical;
    } points[] = {
        {{600, 400}, 1.0, {}, {}, {600, 400}},
        {{600, 400}, 2.0, {}, {}, {300, 200}},
        {{601, 399}, 2.0, {}, {}, {301, 200}},
        {{900, 300}, 1.5, {}, {}, {600, 200}},
        {{1002, 102}, 2.0, {800, 0}, {800, 0}, {901, 51}}, // a second screen to the right
        {{1002, 102}, 2.0, {400, 0}, {800, 0}, {501, 51}},
        {{-200, 40}, 2.0, {-1280, 0}, {-1280, 0}, {-740, 20}}, // a screen to the left
    };
    for (const auto &p : points)
        QCOMPARE(LogicalFromDisplay(p.display, p.ratio, p.screenLogical, p.screenDisplay),
                 p.logical);
}

QTEST_MAIN(TestSkinDialogs)
#include "tst_skindialogs.moc"
