// The income and expense records without a window: the period lists (keys, then the rows of
// keys) with their count and total, load, insert, update and delete by key.
#include "ledger/data/db.h"
#include "ledger/data/inoutrecords.h"
#include "support/ledger/templedger.h"

#include <QTest>

using namespace ledger;

class TestInOutRecords : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempLedger> m_ledger;

    qint64 add(const char *date, double amount, int myType = 1, const char *valid = "1") {
        m_ledger->db().exec("insert into kx_InAndOut(staffname, FundsNum, EventDate, myType, "
                            "IsValid) values('张三', ?, ?, ?, ?)",
                            {amount, date, myType, valid});
        return m_ledger->db().lastInsertId();
    }

private slots:
    void init() {
        m_ledger = std::make_unique<test::TempLedger>();
        QVERIFY2(m_ledger->isOpen(), qPrintable(m_ledger->error()));
    }
    void cleanup() { m_ledger.reset(); }

    void periodRowsAndTotals_data() {
        QTest::addColumn<QDate>("since");
        QTest::addColumn<int>("myType");
        QTest::addColumn<QString>("dates");
        QTest::addColumn<double>("total");
        QTest::newRow("all income") << QDate() << 1 << "2023-12-31 2024-03-01 2030-01-01" << 7.5;
        QTest::newRow("since March, future included")
            << QDate(2024, 3, 1) << 1 << "2024-03-01 2030-01-01" << 6.5;
        QTest::newRow("expense") << QDate() << -1 << "2024-03-02" << 8.0;
        QTest::newRow("nothing") << QDate(2031, 1, 1) << 1 << "" << 0.0;
    }
    void periodRowsAndTotals() {
        QFETCH(QDate, since);
        QFETCH(int, myType);
        QFETCH(QString, dates);
        QFETCH(double, total);
        add("2030-01-01", 4.5);
        add("2023-12-31", 1);
        add("2024-03-01", 2);
        add("2024-03-02", 8, -1);
        add("2024-03-02", 16, 1, "0");
        const InOutRecords records(m_ledger->db(), myType);
        const std::optional<QDate> from = since.isValid() ? std::optional(since) : std::nullopt;
        // The keys in key order, then their rows (memory reused).
        QVector<qint64> keys{99, 98};
        records.keys(from, &keys);
        RecordRows rows{3, {"stale", "cells", "here"}};
        records.rows(keys, &rows);
        QCOMPARE(rows.columns, 8);
        QCOMPARE(rows.count(), keys.size());
        QStringList listed;
        for (int r = 0; r < rows.count(); ++r) {
            listed << rows.text(r, 2);
            QVERIFY(keys.contains(rows.text(r, 0).toLongLong()));
            if (r > 0)
                QVERIFY(keys.at(r) > keys.at(r - 1));
        }
        listed.sort();
        QCOMPARE(listed.join(' '), dates);
        const RecordTotals totals = records.totals(from);
        QCOMPARE(totals.count, rows.count());
        QCOMPARE(totals.total, total);
    }

    void loadInsertUpdateRemove() {
        InOutRecords income(m_ledger->db(), 1);
        const InOutRecord typed{"O'Brien", "工资",       1234.5,      "CCB",
                                "6222",    "a \"memo\"", "2024-03-05"};
        const qint64 key = income.insert(typed, 7);
        QCOMPARE(m_ledger->scalar("select myType || '/' || UserId from kx_InAndOut").toString(),
                 QString("1/7"));
        std::optional<InOutRecord> loaded = income.load(key);
        QVERIFY(loaded);
        QCOMPARE(loaded->staffName + loaded->memo + loaded->eventDate,
                 typed.staffName + typed.memo + typed.eventDate);
        QCOMPARE(loaded->fundsNum, 1234.5);
        InOutRecord changed = typed;
        changed.fundsNum = 99;
        changed.fundsType = "现金";
        income.update(key, changed);
        QCOMPARE(income.load(key)->fundsType, QString("现金"));
        QCOMPARE(income.totals(std::nullopt).total, 99.0);
        income.remove(key);
        QVERIFY(!income.load(key));
        // A record that is gone is no success.
        for (const auto &call : std::initializer_list<std::function<void()>>{
                 [&] { income.remove(key); }, [&] { income.update(key, changed); }}) {
            try {
                call();
                QFAIL("no error for a missing record");
            } catch (const DbError &e) {
                QCOMPARE(e.code(), DbError::Code::RecordMissing);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestInOutRecords)
#include "tst_inoutrecords.moc"
