#include "ledger/data/db.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/templedger.h"

#include <QHeaderView>
#include <QScrollBar>
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

    void lastColumnTakesTheRest() {
        RecordList list;
        list.setColumns({"编号", "a", "b", "c", "备注"}, {0, 100, 100, 100, 400});
        list.records()->addRow({"1", "x", "y", "z", "memo"});
        list.show();
        for (const auto &[width, scrolls] : {std::pair{460, false}, {900, false}, {250, true}}) {
            list.resize(width, 200);
            QTest::qWait(1);
            // The others fit: no horizontal scroll bar, the memo column fills what is left.
            QCOMPARE(list.horizontalScrollBar()->isVisible(), scrolls);
            if (!scrolls)
                QCOMPARE(list.columnViewportPosition(4) + list.columnWidth(4),
                         list.viewport()->width());
        }
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

    void rowsReadAsShown() {
        RecordListModel model;
        model.setCaptions({"编号", "名", "备"});
        constexpr int kRows = RecordListModel::kBlockRows * (RecordListModel::kKeptBlocks + 2);
        QVector<qint64> keys;
        for (int i = 0; i < kRows; ++i)
            keys << 10 + 2 * i;
        QList<QVector<qint64>> reads;
        bool fail = false;
        model.setKeys(keys, [&](const QVector<qint64> &asked, RecordRows *out) {
            reads << asked;
            if (fail)
                throw DbError("gone", DbError::Code::NoConnection);
            *out = {3, {}};
            for (auto k = asked.crbegin(); k != asked.crend(); ++k) { // any order will do
                if (*k != 14)                                         // deleted meanwhile
                    out->cells << QString::number(*k) << QString("n%1").arg(*k) << QString();
            }
        });
        QCOMPARE(model.rowCount(), kRows);
        QVERIFY(reads.isEmpty()); // nothing is read before it is shown
        QCOMPARE(model.text(1, 1), QString("n12"));
        QCOMPARE(model.text(2, 0) + "|" + model.text(2, 1), QString("14|")); // key only
        QCOMPARE(model.key(2), 14);
        QCOMPARE(model.text(3, 1), QString("n16"));
        QCOMPARE(reads.size(), 1); // one block for the first rows
        QCOMPARE(reads.first(), keys.mid(0, RecordListModel::kBlockRows));
        QCOMPARE(model.text(kRows - 1, 1), QString("n%1").arg(keys.last()));
        QCOMPARE(reads.size(), 2); // the end of the list: its own block only
        for (int r = 0; r < kRows; r += RecordListModel::kBlockRows / 2)
            model.text(r, 1); // every block, as an export reads them
        const int walked = reads.size();
        QCOMPARE(walked, 2 + RecordListModel::kKeptBlocks + 1);
        model.text(0, 1); // dropped by then: the blocks kept are bounded
        QCOMPARE(reads.size(), walked + 1);
        fail = true;
        QCOMPARE(model.text(RecordListModel::kBlockRows * 3, 0),
                 QString::number(keys.at(RecordListModel::kBlockRows * 3)));
        QCOMPARE(model.takeKeys(), keys);
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(TestRecordList)
#include "tst_recordlist.moc"
