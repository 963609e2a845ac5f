#include "ledger/core/figurelabel.h"
#include "ledger/records/recordlist.h"
#include "ledger/stats/periodsummarytab.h"
#include "ledger/stats/pietab.h"
#include "ledger/stats/statisticspage.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QChart>
#include <QDateEdit>
#include <QPieSeries>
#include <QPieSlice>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace ledger;

class TestStatisticsPage : public QObject {
    Q_OBJECT

    const QDate m_today = QDate::currentDate();

    static void add(test::TempLedger &ledger, const QDate &date, int myType, const QString &project,
                    double amount, const QString &valid = "1") {
        ledger.db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                         "EventDate, myType, IsValid) values('张三', ?, ?, '现金', ?, ?, ?)",
                         {project, amount, date, myType, valid});
    }
    static QStringList slices(const PieTab *tab, QList<QColor> *colors = nullptr) {
        QStringList labels;
        for (QAbstractSeries *series : tab->chart()->series()) {
            for (QPieSlice *slice : static_cast<QPieSeries *>(series)->slices()) {
                labels << slice->label();
                if (colors)
                    *colors << slice->color();
            }
        }
        return labels;
    }

private slots:
    void tabsFillOnFirstShowAndOnSearch() {
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
        add(ledger, m_today, 1, "工资", 5000);
        add(ledger, m_today, -1, "水电", 99.5);
        add(ledger, m_today, 1, "奖金", 1200);
        add(ledger, m_today, 1, "利息", 35.5);
        add(ledger, m_today, 1, "作废", 900, "0");
        add(ledger, m_today.addYears(-1), 1, "去年", 1);

        StatisticsPage page;
        page.resize(760, 560);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        PeriodSummaryTab *period = page.periodTab();
        QCOMPARE(page.pclStat()->currentWidget(), period);
        QCOMPARE(period->beginDate(), QDate(m_today.year(), m_today.month(), 1));
        QCOMPARE(period->endDate(), m_today);
        QCOMPARE(period->list()->count(), 4);
        QCOMPARE(period->totalsText(),
                 QString("总收入：6,235.50元  总支出：99.50元  余额：6,136.00元"));

        // Search again for a range without rows.
        period->setRange(m_today.addDays(1), m_today.addDays(9));
        period->findChild<QToolButton *>("sbtn_huizong_search")->click();
        QCOMPARE(period->list()->count(), 0);
        QCOMPARE(period->totalsText(), QString("总收入：0.00元  总支出：0.00元  余额：0.00元"));

        page.pclStat()->setCurrentWidget(page.incomeTab());
        PieTab *income = page.incomeTab();
        QCOMPARE(income->beginDate(), QDate(m_today.year(), 1, 1));
        QCOMPARE(income->chart()->title(), QString("收入总数 6236 元"));
        QList<QColor> colors;
        QCOMPARE(slices(income, &colors),
                 QStringList({"利息36元(0.6%)", "奖金1200元(19.2%)", "工资5000元(80.2%)"}));
        QCOMPARE(colors,
                 QList<QColor>({QColor(50, 120, 175), QColor(100, 240, 95), QColor(150, 105, 15)}));
        for (int i = 0; i < 3; ++i)
            income->findChild<QToolButton *>("sbtn_stat_income_search")->click();
        QCOMPARE(income->chart()->series().size(), 1);

        page.pclStat()->setCurrentWidget(page.expenseTab());
        QCOMPARE(page.expenseTab()->chart()->title(), QString("支出总数 100 元"));
        QCOMPARE(slices(page.expenseTab()), QStringList{"水电100元(100.0%)"});
        QVERIFY(prompter->calls().isEmpty());
    }

    void slicesAndTitles_data() {
        QTest::addColumn<QList<double>>("sums");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("no rows") << QList<double>{} << "收入总数 0 元" << QStringList{};
        QTest::newRow("sums adding up to 0: no share, no NaN")
            << QList<double>{5, -5} << "收入总数 0 元" << QStringList{"A5元(0.0%)"};
        QTest::newRow("a tie rounds away from zero")
            << QList<double>{6235.5} << "收入总数 6236 元" << QStringList{"A6236元(100.0%)"};
        QTest::newRow("a negative sum is left out of the pie")
            << QList<double>{30, -10} << "收入总数 20 元" << QStringList{"A30元(150.0%)"};
        const QString huge = "1" + QString(308, '0') + "元(50.0%)";
        QTest::newRow("sums beyond a double's range")
            << QList<double>{1e308, 1e308} << "收入总数 超出范围 元"
            << QStringList{"A" + huge, "B" + huge};
    }
    void slicesAndTitles() {
        QFETCH(QList<double>, sums);
        QFETCH(QString, title);
        QFETCH(QStringList, labels);
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        for (int i = 0; i < sums.size(); ++i)
            add(ledger, m_today, 1, QString(QChar('A' + i)), sums.at(i));
        std::unique_ptr<PieTab> tab(PieTab::income());
        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab.get()));
        QCOMPARE(tab->chart()->title(), title);
        QCOMPARE(slices(tab.get()), labels);
    }

    void sixSourcesGetTheirColours() {
        const QList<QColor> expected = {{50, 120, 175},  {100, 240, 95}, {150, 105, 15},
                                        {200, 225, 190}, {250, 90, 110}, {45, 210, 30}};
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(PieTab::sliceColor(i), expected.at(i - 1));
    }

    // A total too long for the line ends in "…" and leaves the other totals and words shown.
    void longTotalsKeepTheirWords() {
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        add(ledger, m_today, 1, "工资", 1e300);
        add(ledger, m_today, -1, "水电", 12.5);
        PeriodSummaryTab tab;
        tab.resize(760, 500);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        const auto *totals = tab.findChild<FigureLabel *>("lbl_huizong");
        QVERIFY(tab.totalsText().size() > 300);
        const QString shown = totals->shownText();
        QVERIFY2(shown.startsWith("总收入：1,000,") &&
                     shown.contains("…元  总支出：12.50元  余额：1,") && shown.endsWith("…元"),
                 qPrintable(shown));
        QVERIFY(totals->fontMetrics().horizontalAdvance(shown) <= totals->contentsRect().width());
    }

    void failedReadIsToldAndKeepsTheTab() {
        test::ScopedPrompter prompter;
        PeriodSummaryTab tab; // no ledger open at all
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        QCOMPARE(prompter->infos(), QStringList{"数据库读取失败。"});
        QCOMPARE(tab.totalsText(), QString("总收入：0元  总支出：0元  余额：0元"));
    }
};

QTEST_MAIN(TestStatisticsPage)
#include "tst_statisticspage.moc"
