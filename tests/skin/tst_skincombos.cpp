// Combo boxes and date pickers painted from the colour-coded test skin: border and button
// states, the drop-down list's scroll bar, and the picker's arrow button opening its calendar.
#include "skin/controls/skinstyle.h"
#include "skin/controls/tarrowbutton.h"
#include "skin/controls/tskincombox.h"
#include "skin/controls/tskindatetime.h"
#include "skin/data/tskindata.h"
#include "support/skin/skinnedwidgets.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

using namespace skin;
using namespace skin::test;

namespace {

// A combo of 150 x 22 in a window, skinned.
struct ComboWindow {
    QWidget window;
    QComboBox *combo = new QComboBox(&window);
    explicit ComboWindow(TSkinData *data, bool editable = false) {
        window.resize(200, 60);
        combo->setEditable(editable);
        for (int i = 0; i < 40; ++i)
            combo->addItem(QStringLiteral("item %1").arg(i));
        combo->setGeometry(10, 10, 150, 22);
        (new TSkinComBox(combo))->InitSkin(nullptr, data, false);
    }
    QRgb Border() { return PixelOf(combo, QPoint(0, 11)); }
    QRgb Button() { return PixelOf(combo, QPoint(147, 1)); }
};

} // namespace

class TestSkinCombos : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data;
    QRgb Edge(int frame) const {
        return testSkin.FrameColour(QStringLiteral("sunkedge.bmp"), frame);
    }
    QRgb Button(int frame) const {
        return testSkin.FrameColour(QStringLiteral("combobutton.bmp"), frame);
    }

private slots:
    void initTestCase();
    void stateFrames();
    void pressedEndsWithThePopup();
    void hotFollowsThePointer();
    void rightToLeft();
    void flatStyle();
    void editableLineEditPresses();
    void dropListBar();
    void pickerArrow();
    void pickerBorder();
};

void TestSkinCombos::initTestCase() {
    QApplication::setStyle(new SkinStyle);
    UseCrispFont();
    data = LoadedSkinData(testSkin);
}

void TestSkinCombos::stateFrames() {
    ComboWindow w(data.get());
    QVERIFY(ShowActive(&w.window));
    w.combo->clearFocus();
    QCOMPARE(w.Border(), Edge(1));
    QCOMPARE(w.Button(), Button(1));
    HoverAt(w.combo, QPoint(140, 11));
    QCOMPARE(w.Button(), Button(4));
    HoverAt(w.combo, QPoint(40, 11)); // over the text: not hot
    QCOMPARE(w.Button(), Button(1));
    w.combo->setFocus();
    QCOMPARE(w.Border(), Edge(4));
    w.combo->setEnabled(false);
    QCOMPARE(w.Button(), Button(3));
    // The current item is the style's, on the window colour.
    QCOMPARE(PixelOf(w.combo, QPoint(100, 4)), w.combo->palette().color(QPalette::Base).rgb());
}

void TestSkinCombos::pressedEndsWithThePopup() {
    ComboWindow w(data.get());
    QVERIFY(ShowActive(&w.window));
    QTest::mousePress(w.combo, Qt::LeftButton, {}, QPoint(140, 11));
    QCOMPARE(w.Button(), Button(2));
    QTRY_VERIFY(w.combo->view()->isVisible());
    w.combo->hidePopup();
    QTRY_VERIFY(!w.combo->view()->isVisible());
    QVERIFY(w.Button() != Button(2));
}

void TestSkinCombos::hotFollowsThePointer() {
    const QRect button(128, 0, 22, 22);
    QVERIFY(ComboButtonHot(true, QPoint(140, 11), button));
    QVERIFY(!ComboButtonHot(true, QPoint(40, 11), button));
    QVERIFY(!ComboButtonHot(false, QPoint(140, 11), button));
    QVERIFY(!ComboButtonHot(true, std::nullopt, button));

    // No leave comes for a pointer that left while the list held it, nor while the combo was
    // disabled: hot is asked again when the list closes and when the combo is enabled.
    QCursor::setPos(-100, -100); // over no window
    ComboWindow w(data.get());
    auto *other = new QLineEdit(&w.window);
    other->setGeometry(10, 34, 150, 22);
    QVERIFY(ShowActive(&w.window));
    other->setFocus();
    HoverAt(w.combo, QPoint(140, 11));
    QCOMPARE(w.Button(), Button(4));
    w.combo->showPopup();
    QTRY_VERIFY(w.combo->view()->isVisible());
    w.combo->hidePopup();
    QTRY_VERIFY(!w.combo->view()->isVisible());
    QTRY_COMPARE(w.Button(), Button(1));
    HoverAt(w.combo, QPoint(140, 11));
    w.combo->setEnabled(false);
    w.combo->setEnabled(true);
    QCOMPARE(w.Button(), Button(1));
    QCursor::setPos(w.combo->mapToGlobal(QPoint(140, 11)));
    w.combo->setEnabled(false);
    w.combo->setEnabled(true);
    QTRY_COMPARE(w.Button(), Button(4));
}

void TestSkinCombos::rightToLeft() {
    ComboWindow w(data.get());
    w.combo->setLayoutDirection(Qt::RightToLeft);
    QCOMPARE(PixelOf(w.combo, QPoint(2, 1)), Button(1));
    QCOMPARE(PixelOf(w.combo, QPoint(149, 11)), Edge(1));
}

void TestSkinCombos::flatStyle() {
    TTestSkin flat;
    flat.RemoveSection(QStringLiteral("SunkEdge"));
    flat.SetKey(QStringLiteral("ComboButton"), QStringLiteral("Style"), QStringLiteral("1"));
    const auto flatData = LoadedSkinData(flat);
    ComboWindow w(flatData.get());
    const auto button = [&](int frame) {
        return flat.FrameColour(QStringLiteral("combobutton.bmp"), frame);
    };
    QCOMPARE(PixelOf(w.combo, QPoint(0, 11)), 0xFF96A0AFu); // ButtonShadow
    QCOMPARE(PixelOf(w.combo, QPoint(140, 11)), button(1));
    w.combo->setEnabled(false);
    QCOMPARE(PixelOf(w.combo, QPoint(140, 11)), button(3));
    w.combo->setEnabled(true);
    HoverAt(w.combo, QPoint(140, 11));
    w.combo->setEnabled(false); // hot beats disabled in the flat style
    QCOMPARE(PixelOf(w.combo, QPoint(140, 11)), button(4));
}

void TestSkinCombos::editableLineEditPresses() {
    ComboWindow w(data.get(), true);
    QVERIFY(ShowActive(&w.window));
    QTest::mousePress(w.combo->lineEdit(), Qt::LeftButton, {}, QPoint(20, 8));
    QCOMPARE(w.Button(), Button(2));
    QTest::mouseRelease(w.combo->lineEdit(), Qt::LeftButton, {}, QPoint(20, 8));
    QCOMPARE(w.Button(), Button(4)); // focused
    // Text from an input method stays the line edit's.
    w.combo->lineEdit()->clear();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("工资"));
    QApplication::sendEvent(w.combo->lineEdit(), &commit);
    QCOMPARE(w.combo->currentText(), QStringLiteral("工资"));
}

void TestSkinCombos::dropListBar() {
    ComboWindow w(data.get());
    QVERIFY(ShowActive(&w.window));
    w.combo->showPopup();
    QScrollBar *bar = w.combo->view()->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    const QString strip = QStringLiteral("scrollbar.bmp");
    QCOMPARE(PixelOf(bar, QPoint(8, 2)), testSkin.FrameColour(strip, 9));
    HoverAt(bar, QPoint(8, 5)); // no hot parts in a drop-down list
    QCOMPARE(PixelOf(bar, QPoint(8, 2)), testSkin.FrameColour(strip, 9));
    w.combo->hidePopup();
}

void TestSkinCombos::pickerArrow() {
    QWidget window;
    window.resize(200, 60);
    auto *picker = new QDateEdit(QDate(2024, 5, 1), &window);
    picker->setCalendarPopup(true);
    picker->setGeometry(10, 10, 120, 24);
    auto *skin = new TSkinDateTime(picker);
    skin->InitSkin(nullptr, data.get(), false);
    QVERIFY(ShowActive(&window));
    TArrowButton *arrow = skin->ArrowButton();
    QCOMPARE(arrow->geometry(), QRect(101, 2, 17, 20));
    const QString image = QStringLiteral("combobutton.bmp");
    QCOMPARE(PixelOf(arrow, QPoint(1, 1)), testSkin.FrameColour(image, 1));
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(arrow, &enter);
    QCOMPARE(PixelOf(arrow, QPoint(1, 1)), testSkin.FrameColour(image, 4));

    QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(8, 10));
    QTRY_VERIFY(qobject_cast<QCalendarWidget *>(
        QApplication::activePopupWidget()
            ? QApplication::activePopupWidget()->findChild<QCalendarWidget *>()
            : nullptr));
    QVERIFY(picker->hasFocus());
    QCursor::setPos(-100, -100); // the pointer left while the calendar held it
    QApplication::activePopupWidget()->close();
    QTRY_VERIFY(!arrow->Hot());

    picker->setLayoutDirection(Qt::RightToLeft);
    QCOMPARE(arrow->x(), 2);
    picker->setEnabled(false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(arrow, &leave);
    QApplication::sendEvent(arrow, &enter);
    QVERIFY(!arrow->Hot());
}

void TestSkinCombos::pickerBorder() {
    QDateEdit picker;
    picker.setCalendarPopup(true);
    picker.resize(120, 24);
    (new TSkinDateTime(&picker))->InitSkin(nullptr, data.get(), false);
    QCOMPARE(PixelOf(&picker, QPoint(40, 0)), 0xFF96A0AFu); // ButtonShadow
    QCOMPARE(PixelOf(&picker, QPoint(40, 1)), 0xFFFFFFFFu);
    picker.setFrame(false);
    QVERIFY(PixelOf(&picker, QPoint(40, 0)) != 0xFF96A0AFu);
    auto *skin = picker.findChild<TSkinDateTime *>();
    skin->Restore(); // unskinned: the arrow button goes
    QVERIFY(!skin->ArrowButton());
    QVERIFY(!picker.findChild<TArrowButton *>());
}

QTEST_MAIN(TestSkinCombos)
#include "tst_skincombos.moc"
