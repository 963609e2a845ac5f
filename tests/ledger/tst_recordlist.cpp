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
    void fillFromQuery() {
        test::TempLedger ledger;
        QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
        for (const QVariantList &row :
             {QVariantList{"张三", 100.0, "a\nb"}, QVariantList{"李四", 12.5, QVariant()}})
            ledger.db().exec("insert into kx_InAndOut(staffname, FundsNum, Memo) values(?,?,?)",
                             row);
        RecordList list;
        list.setColumns({"编号", "者", "额", "备注"}, {0, 60, 60, 100});
        QVERIFY(list.isColumnHidden(0));
        QVERIFY(list.columnWidth(3) >= 100); // the last column fills the rest, never less
        const QString sql = "select id, staffname, FundsNum, Memo from kx_InAndOut where id>?";
        Statement query(ledger.db(), sql + " order by id", {0});
        RecordRows rows;
        readRecordRows(query, &rows);
        list.records()->setRows(rows);
        QCOMPARE(list.count(), 2);
        RecordListModel *m = list.records();
        QCOMPARE(m->data(m->index(1, 1)).toString(), QString("李四"));
        // Amounts are shown as typed, not as SQLite's "100.0".
        QCOMPARE(m->text(0, 2) + "|" + m->text(1, 2), QString("100|12.5"));
        QCOMPARE(m->text(0, 3) + "|" + m->text(1, 3), QString("a\nb|"));
        QCOMPARE(m->key(1), m->key(0) + 1);
        QCOMPARE(m->text(2, 0), QString()); // out of range reads are empty
        QCOMPARE(m->key(-1), 0);
        Statement none(ledger.db(), sql, {1000});
        rows = m->takeRows();
        QCOMPARE(list.count(), 0);
        QCOMPARE(rows.count(), 2);
        readRecordRows(none, &rows);
        m->setRows(rows); // a refill replaces the rows
        QCOMPARE(list.count(), 0);
    }

    void rowsAndSelection() {
        RecordList list;
        list.setColumns({"编号", "名", "备"}, {0, 80, 80});
        list.records()->addRow({"7", "x"}); // short rows are padded
        list.records()->addRow({"9", "y", "z", "ignored"});
        QCOMPARE(list.records()->text(0, 2), QString());
        QCOMPARE(list.records()->text(1, 2), QString("z"));
        QCOMPARE(list.records()->columnCount(), 3);
        qint64 key = -1;
        QVERIFY(!list.selectedKey(&key));
        QCOMPARE(list.selectedRow(), -1);
        list.selectRow(1);
        QVERIFY(list.selectedKey(&key));
        QCOMPARE(key, 9);
        list.records()->clear();
        QCOMPARE(list.count(), 0);
        QVERIFY(!list.selectedKey(&key));
    }
};

QTEST_MAIN(TestRecordList)
#include "tst_recordlist.moc"
