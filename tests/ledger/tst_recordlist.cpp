// The record list: model rows from a query, hidden key column, selection and fixed layout.
#include "ledger/data/db.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/templedger.h"

#include <QHeaderView>
#include <QTest>

using namespace ledger;

class TestRecordList : public QObject {
    Q_OBJECT
private slots:
    void columnsAndLayout();
    void fillFromQuery();
    void selectedKey();
    void addRowAndClear();
};

void TestRecordList::columnsAndLayout() {
    RecordList list;
    list.setColumns({"编号", "甲", "乙"}, {0, 60, 100});
    QCOMPARE(list.records()->columnCount(), 3);
    QVERIFY(list.isColumnHidden(0));
    QVERIFY(!list.isColumnHidden(1));
    QCOMPARE(list.columnWidth(1), 60);
    // The last column takes what is left of the view, never less than its own width.
    QVERIFY(list.horizontalHeader()->stretchLastSection());
    QVERIFY(list.columnWidth(2) >= 100);
    QCOMPARE(list.verticalHeader()->defaultSectionSize(), 24);
    QCOMPARE(list.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    // Widths are never measured from the contents.
    QCOMPARE(list.horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
    QCOMPARE(list.records()->headerData(1, Qt::Horizontal).toString(), QString("甲"));
    QVERIFY(!list.records()->headerData(3, Qt::Horizontal).isValid());
    QCOMPARE(list.editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
}

void TestRecordList::fillFromQuery() {
    test::TempLedger ledger;
    QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
    ledger.db().exec("insert into kx_InAndOut(staffname, FundsNum, Memo) values(?,?,?)",
                     {"张三", 100.0, "a\nb"});
    ledger.db().exec("insert into kx_InAndOut(staffname, FundsNum, Memo) values(?,?,?)",
                     {"李四", 12.5, QVariant()});
    RecordList list;
    list.setColumns({"编号", "者", "额", "备注"}, {0, 60, 60, 100});
    Statement query(ledger.db(),
                    "select id, staffname, FundsNum, Memo from kx_InAndOut order by id");
    list.records()->fill(query);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.records()->text(0, 1), QString("张三"));
    // Amounts are shown as typed, not as SQLite's "100.0".
    QCOMPARE(list.records()->text(0, 2), QString("100"));
    QCOMPARE(list.records()->text(1, 2), QString("12.5"));
    QCOMPARE(list.records()->text(0, 3), QString("a\nb"));
    QCOMPARE(list.records()->text(1, 3), QString());
    QVERIFY(list.records()->key(0) > 0);
    QCOMPARE(list.records()->key(1), list.records()->key(0) + 1);
    QCOMPARE(list.records()->data(list.records()->index(1, 1)).toString(), QString("李四"));
    // Out of range reads are empty, not a crash.
    QCOMPARE(list.records()->text(2, 0), QString());
    QCOMPARE(list.records()->key(-1), 0);

    // A refill replaces the rows.
    Statement none(ledger.db(), "select id, staffname, FundsNum, Memo from kx_InAndOut where id<0");
    list.records()->fill(none);
    QCOMPARE(list.count(), 0);
}

void TestRecordList::selectedKey() {
    RecordList list;
    list.setColumns({"编号", "名"}, {0, 80});
    list.records()->addRow({"7", "x"});
    list.records()->addRow({"9", "y"});
    qint64 key = -1;
    QVERIFY(!list.selectedKey(&key));
    QCOMPARE(list.selectedRow(), -1);
    list.selectRow(1);
    QVERIFY(list.selectedKey(&key));
    QCOMPARE(key, 9);
    list.clearSelection();
    QVERIFY(!list.selectedKey(&key));
}

void TestRecordList::addRowAndClear() {
    RecordListModel model;
    model.setCaptions({"a", "b", "c"});
    model.addRow({"1", "x"}); // short rows are padded
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.text(0, 2), QString());
    model.addRow({"2", "y", "z", "ignored"});
    QCOMPARE(model.text(1, 2), QString("z"));
    QCOMPARE(model.columnCount(), 3);
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(TestRecordList)
#include "tst_recordlist.moc"
