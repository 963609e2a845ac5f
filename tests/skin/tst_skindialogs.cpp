// Skinned standard dialogs: where they open (centred over their parent's window or the screen,
// or where their caller put them, at the size and place they keep, before their window maps;
// again when shown again), where they stay when their contents change after the map (a stale
// place reported in between), and a fitted message box left alone by sizes the window system
// reports and by layout requests that change nothing, while a change of its contents still fits
// it again.
#include "skin/window/twinskinform.h"
#include "support/skin/windowfixture.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <QtTest>

using namespace skin;
using namespace skin::test;

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
    QTest::newRow("box the skin centred") << false;
    QTest::newRow("box its caller moved") << true;
}

void TestSkinDialogs::refittedOrShownAgainWhereItWas() {
    QFETCH(bool, moved);
    TWindowFixture fixture;
    fixture.AddSkinData(TTestSkin());
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("ok"));
    if (moved)
        box.move(300, 200);
    QVERIFY(fixture.Show(&box));
    const QRect first = box.frameGeometry();
    const auto inPlace = [&] {
        const QRect now = box.frameGeometry();
        return moved ? now.topLeft() == first.topLeft() : Near(now.center(), first.center());
    };
    // Each time after a stale report of (0, 0), as Qt can take one just after the map: a longer
    // text, then shown again.
    box.windowHandle()->setPosition(0, 0);
    QTRY_COMPARE(box.pos(), QPoint(0, 0));
    box.setText(
        QStringLiteral("A longer text than the box had when it was shown,\nover two lines."));
    QTRY_VERIFY2(box.height() > first.height() && inPlace(),
                 qPrintable(QStringLiteral("refitted at %1,%2").arg(box.x()).arg(box.y())));
    box.windowHandle()->setPosition(0, 0);
    QTRY_COMPARE(box.pos(), QPoint(0, 0));
    box.hide();
    box.show();
    QCoreApplication::processEvents();
    QVERIFY2(inPlace(),
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

QTEST_MAIN(TestSkinDialogs)
#include "tst_skindialogs.moc"
