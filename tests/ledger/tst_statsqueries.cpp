#include "ledger/data/statsqueries.h"
#include "support/ledger/templedger.h"

#include <QtTest>

using namespace ledger;

class TestStatsQueries : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempLedger> m_ledger;

    void add(const QString &date, int myType, const QString &project, double amount,
             const QString &valid = "1") {
        m_ledger->db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                            "EventDate, myType, IsValid) values('张三', ?, ?, '现金', ?, ?, ?)",
                            {project, amount, date, myType, valid});
    }

private slots:
    void init() {
        m_ledger = std::make_unique<test::TempLedger>();
        QVERIFY2(m_ledger->isOpen(), qPrintable(m_ledger->error()));
        add("2024-03-01", 1, "工资", 5000);     // 1
        add("2024-03-05", -1, "水电", 99.5);    // 2
        add("2024-03-31", 1, "奖金", 1200);     // 3
        add("2024-04-01", 1, "利息", 35.5);     // 4
        add("2024-03-10", 1, "作废", 100, "0"); // 5
        add("2024-03-15", 0, "其他", 7);        // 6
        add("2024-02-29", -1, "房租", 2000);    // 7
        add("2024-03-20", 1, "Bonus", 10);      // 8
        add("2024-03-21", 1, "bonus", 2.25);    // 9
    }
    void cleanup() { m_ledger.reset(); }

    void periodSummary_data() {
        QTest::addColumn<QDate>("begin");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QList<qint64>>("ids");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("expense");
        QTest::newRow("month: income, other kinds, expenses; both ends included")
            << QDate(2024, 3, 1) << QDate(2024, 3, 31) << QList<qint64>{1, 3, 8, 9, 6, 2} << 6212.25
            << 99.5;
        QTest::newRow("one day") << QDate(2024, 3, 31) << QDate(2024, 3, 31) << QList<qint64>{3}
                                 << 1200.0 << 0.0;
        QTest::newRow("begin after end")
            << QDate(2024, 4, 1) << QDate(2024, 3, 1) << QList<qint64>{} << 0.0 << 0.0;
        QTest::newRow("leap day") << QDate(2024, 2, 29) << QDate(2024, 2, 29) << QList<qint64>{7}
                                  << 0.0 << 2000.0;
    }
    void periodSummary() {
        QFETCH(QDate, begin);
        QFETCH(QDate, end);
        QFETCH(QList<qint64>, ids);
        QFETCH(double, income);
        QFETCH(double, expense);
        const PeriodSummary summary = StatsQueries(m_ledger->db()).periodSummary(begin, end);
        QList<qint64> listed;
        for (int r = 0; r < summary.rows.count(); ++r)
            listed << summary.rows.text(r, 0).toLongLong();
        QCOMPARE(listed, ids);
        QCOMPARE(summary.income, income);
        QCOMPARE(summary.expense, expense);
    }

    void periodRowsShowKindAndSignedAmount() {
        add("2024-05-01", -1, "退款", -20); // a negative expense shows as a plain amount
        const RecordRows rows =
            StatsQueries(m_ledger->db()).periodSummary(QDate(2024, 3, 15), QDate(2024, 5, 1)).rows;
        QCOMPARE(rows.count(), 6);
        const auto cells = [&rows](int r) {
            return QStringList{rows.text(r, 1), rows.text(r, 2), rows.text(r, 3), rows.text(r, 4)};
        };
        QCOMPARE(cells(2), QStringList({"2024-03-20", "收入", "Bonus", "10"}));
        QCOMPARE(cells(4), QStringList({"2024-03-15", "未知", "其他", "7"}));
        QCOMPARE(cells(5), QStringList({"2024-05-01", "支出", "退款", "20"}));
    }

    void projectSumsGroupByNameIgnoringCase() {
        const QVector<ProjectSum> income =
            StatsQueries(m_ledger->db()).projectSums(1, QDate(2024, 1, 1), QDate(2024, 12, 31));
        QStringList names;
        QList<double> sums;
        for (const ProjectSum &s : income) {
            names << s.projectName.toLower();
            sums << s.sum;
        }
        // By code point: Latin before 利 (U+5229), 奖 (U+5956), 工 (U+5DE5); 作废 is not valid.
        QCOMPARE(names, QStringList({"bonus", "利息", "奖金", "工资"}));
        QCOMPARE(sums, QList<double>({12.25, 35.5, 1200, 5000}));

        const QVector<ProjectSum> expense =
            StatsQueries(m_ledger->db()).projectSums(-1, QDate(2024, 3, 1), QDate(2024, 3, 31));
        QCOMPARE(expense.size(), 1);
        QCOMPARE(expense.first().projectName, QString("水电"));
        QVERIFY(StatsQueries(m_ledger->db())
                    .projectSums(1, QDate(2025, 1, 1), QDate(2025, 2, 1))
                    .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStatsQueries)
#include "tst_statsqueries.moc"
