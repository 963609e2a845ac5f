// The date field's typing after a click: the click selects the section under it, so digits
// replace that section as they replace the first one after Tab; a selection the user dragged
// stays.
#include "ledger/core/datefield.h"

#include <QLineEdit>
#include <QtTest>

using namespace ledger;

class TestDateField : public QObject {
    Q_OBJECT

private slots:
    void digitsAfterAClick();
};

void TestDateField::digitsAfterAClick() {
    QWidget window;
    auto *field = new DateField(&window);
    field->setDate(QDate(2026, 12, 7));
    field->setGeometry(10, 10, 160, 24);
    auto *other = new QLineEdit(&window);
    other->setGeometry(10, 40, 160, 24);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *edit = field->findChild<QLineEdit *>();
    const auto at = [edit](int position) { // between two characters of "2026-12-07"
        edit->setCursorPosition(position);
        return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    };
    const QPoint day = at(9), month = at(6), year = at(2), separator = at(7);
    other->setFocus();

    QTest::mouseClick(edit, Qt::LeftButton, {}, day);
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("15"));
    QCOMPARE(field->date(), QDate(2026, 12, 15));
    QTest::mouseClick(edit, Qt::LeftButton, {}, month);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
    QCOMPARE(field->date(), QDate(2026, 3, 15));

    QTest::mousePress(edit, Qt::LeftButton, {}, year);
    QTest::mouseMove(edit, separator);
    QTest::mouseRelease(edit, Qt::LeftButton, {}, separator);
    QCOMPARE(edit->selectedText(), QStringLiteral("26-03"));
}

QTEST_MAIN(TestDateField)
#include "tst_datefield.moc"
