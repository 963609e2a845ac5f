// Savings-interest calculators: the formulas, and the five tabs driven through their widgets
// (worked examples to the displayed cent, the checks in order, resets and rate choices).
#include "ledger/calc/savingscalcpage.h"
#include "ledger/calc/savingsmath.h"
#include "ledger/core/moneytext.h"
#include "support/ledger/pagedriver.h"

#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace ledger;

namespace {

enum Tab { Demand, Fixed, Instalment, Withdrawal, Notice };
const char *const kWords[] = {"huoqi", "zheng", "lingcun", "lingqu", "tongzhi"};
const QStringList kResults[] = {{"edt_huoqi_result"},
                                {"edt_zheng_result", "edt_zheng_enddt"},
                                {"edt_lingcun_result", "edt_lingcun_enddt", "edt_lingcun_sum"},
                                {"edt_lingqu_everytime", "edt_lingqu_enddt", "edt_lingqu_xumlixi"},
                                {"edt_tongzhi_result"}};

QString name(const char *pattern, int tab) {
    return QString::fromLatin1(pattern).arg(QLatin1String(kWords[tab]));
}

struct Page : test::PageFixture<SavingsCalcPage> {
    void open(int tab) { page.products()->setCurrentIndex(tab); }
    QDateEdit *date(int tab, const char *suffix) {
        return ui.find<QDateEdit>(name("dtp_%1_", tab) + suffix);
    }
    // Fills a tab (term -1: none; empty rate: the table's; empty choice: as it is), then
    // "计算"; returns the messages shown.
    QStringList calculate(int tab, const QString &amount, int term, const QString &rate,
                          const QString &choice, QDate begin, QDate end) {
        open(tab);
        prompter->clear();
        if (term >= 0)
            ui.choose(name("cbb_%1_qixian", tab), term);
        if (!choice.isEmpty())
            ui.click(choice);
        ui.setText(name("edt_%1_fundsnum", tab), amount);
        if (!rate.isEmpty())
            ui.setText(name("edt_%1_lilv", tab), rate);
        date(tab, "begindt")->setDate(begin);
        if (end.isValid())
            date(tab, "enddt")->setDate(end);
        ui.click(name("btn_%1_ok", tab));
        return prompter->infos();
    }
};

} // namespace

class TestSavingsCalc : public QObject {
    Q_OBJECT
private slots:
    void formulas() {
        const auto cents = [](double v) { return formatFixed(v, 2); };
        QCOMPARE(cents(demandDepositTotal(10000, 0.35, 360)), "10035.00");
        QCOMPARE(cents(demandDepositTotal(2500, 0.35, 184)), "2504.47");
        QCOMPARE(cents(fixedDepositTotal(8888, 4.75, 60)), "10998.90");
        QCOMPARE(cents(fixedDepositTotal(1234.5, 0, 36)), "1234.50");
        const InstalmentDeposit tie = instalmentDeposit(500, 2.85, 12); // 6092.625 exactly
        QCOMPARE(QStringList({cents(tie.interest), cents(tie.total), cents(tie.deposited)}),
                 QStringList({"92.63", "6092.63", "6000.00"}));
        QCOMPARE(cents(instalmentDeposit(333, 2.9, 36).total), "12523.96");
        const WithdrawalPlan plan = withdrawalPlan(20000, 2.9, 36, 3);
        QCOMPARE(QStringList({cents(plan.interest), cents(plan.eachWithdrawal)}),
                 QStringList({"1740.00", "1811.67"}));
        QCOMPARE(cents(noticeDepositTotal(250000, 1.35, 7)), "250064.73");
        QCOMPARE(maturityDate(QDate(2012, 2, 29), 12), QDate(2013, 2, 28));
        QCOMPARE(maturityDate(QDate(2024, 11, 30), 3), QDate(2025, 2, 28));
    }

    void workedExamples_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("term");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QDate>("begin");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QStringList>("results");
        const auto row = [](const char *tag, int tab, const char *amount, int term,
                            const char *rate, const char *choice, QDate begin, QDate end,
                            const QStringList &results) {
            QTest::newRow(tag) << tab << QString(amount) << term << QString(rate) << QString(choice)
                               << begin << end << results;
        };
        const QDate none;
        row("demand 360 days", Demand, "10000", -1, "0.35", "", {2024, 1, 1}, {2024, 12, 26},
            {"10035.00"});
        row("demand 365 days", Demand, "5000", -1, "0.35", "", {2024, 1, 1}, {2024, 12, 31},
            {"5017.74"});
        row("demand over leap day", Demand, "123456.78", -1, "0.5", "", {2023, 2, 28}, {2024, 3, 1},
            {"124086.07"});
        row("demand, own", Demand, "777.77", -1, "1.2", "", {2020, 2, 29}, {2021, 3, 1},
            {"787.26"});
        row("fixed 2 years", Fixed, "10000", 3, "", "", {2024, 1, 15}, none,
            {"10750.00", "2026-01-15"});
        row("fixed to month end", Fixed, "50", 0, "", "", {2024, 11, 30}, none,
            {"50.33", "2025-02-28"});
        row("fixed from leap day", Fixed, "1000", 2, "", "", {2012, 2, 29}, none,
            {"1030.00", "2013-02-28"});
        row("fixed, own", Fixed, "3000", 1, "", "", {2024, 8, 31}, none, {"3042.00", "2025-02-28"});
        row("fixed, zero rate", Fixed, "1234.5", 4, "0", "", {2024, 1, 1}, none,
            {"1234.50", "2027-01-01"});
        row("instalments 3 years", Instalment, "100", 1, "", "", {2024, 1, 31}, none,
            {"3760.95", "2027-01-31", "3600.00"});
        row("instalments 5 years", Instalment, "1000", 2, "", "", {2024, 5, 20}, none,
            {"64575.00", "2029-05-20", "60000.00"});
        row("instalments, binary tie", Instalment, "500", 0, "", "", {2024, 3, 31}, none,
            {"6092.63", "2025-03-31", "6000.00"});
        row("instalments 1 year", Instalment, "250", 0, "", "", {2024, 1, 31}, none,
            {"3046.31", "2025-01-31", "3000.00"});
        row("instalments, own", Instalment, "75.5", 2, "", "", {2024, 2, 29}, none,
            {"4875.41", "2029-02-28", "4530.00"});
        row("withdrawals monthly", Withdrawal, "12000", 0, "", "rb_lingqu_month", {2024, 1, 1},
            none, {"1028.50", "2025-01-01", "342.00"});
        row("withdrawals quarterly", Withdrawal, "12000", 0, "", "rb_lingqu_season", {2024, 1, 1},
            none, {"3085.50", "2025-01-01", "342.00"});
        row("withdrawals half-yearly", Withdrawal, "50000", 1, "", "rb_lingqu_halfyear",
            {2024, 2, 29}, none, {"9058.33", "2027-02-28", "4350.00"});
        row("withdrawals 5 years", Withdrawal, "1000", 2, "", "rb_lingqu_month", {2024, 1, 31},
            none, {"19.17", "2029-01-31", "150.00"});
        row("withdrawals, own", Withdrawal, "7500", 2, "", "rb_lingqu_halfyear", {2024, 6, 1}, none,
            {"862.50", "2029-06-01", "1125.00"});
        row("notice 7 days", Notice, "50000", -1, "", "rb_tongzhi_7day", {2024, 1, 1},
            {2024, 1, 11}, {"50018.49"});
        row("notice reversed dates", Notice, "100000", -1, "", "rb_tongzhi_1day", {2024, 5, 2},
            {2024, 5, 1}, {"100002.19"});
        row("notice 30 days", Notice, "60000", -1, "", "rb_tongzhi_7day", {2024, 6, 1},
            {2024, 7, 1}, {"60066.58"});
        row("notice a leap year", Notice, "80000", -1, "", "rb_tongzhi_1day", {2024, 1, 1},
            {2025, 1, 1}, {"80641.75"});
        row("notice, own", Notice, "65432.1", -1, "", "rb_tongzhi_1day", {2024, 2, 1}, {2024, 3, 1},
            {"65473.69"});
        row("notice, zero rate", Notice, "50000", -1, "0", "rb_tongzhi_1day", {2024, 2, 1},
            {2024, 2, 11}, {"50000.00"});
    }
    void workedExamples() {
        QFETCH(int, tab);
        QFETCH(QString, amount);
        QFETCH(int, term);
        QFETCH(QString, rate);
        QFETCH(QString, choice);
        QFETCH(QDate, begin);
        QFETCH(QDate, end);
        QFETCH(QStringList, results);
        Page p;
        QCOMPARE(p.calculate(tab, amount, term, rate, choice, begin, end), QStringList());
        QCOMPARE(p.ui.texts(kResults[tab]), results);
    }

    // Each check stops the calculation with its message and focus; no result changes.
    void checksInOrder_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char *tag, int tab, const QString &amount, const char *rate,
                            const char *choice, int days, const char *message, const char *focus) {
            QTest::newRow(tag) << tab << amount << QString(rate) << QString(choice) << days
                               << QString(message) << name(focus, tab);
        };
        row("empty amount first", Fixed, "", "", "", 0, "请正确填写存入金额。", "edt_%1_fundsnum");
        row("lone point", Demand, ".", "0.35", "", 5, "请正确填写存入金额。", "edt_%1_fundsnum");
        row("fixed minimum", Fixed, "49.99", "", "", 0, "整存整取50元起存。", "edt_%1_fundsnum");
        row("instalment minimum", Instalment, "4.99", "", "", 0, "零存整取5元起存。",
            "edt_%1_fundsnum");
        row("withdrawal minimum", Withdrawal, "999", "", "", 0, "整存零取1000元起存。",
            "edt_%1_fundsnum");
        row("notice minimum", Notice, "49999", "", "", 10, "通知存款50000元起存。",
            "edt_%1_fundsnum");
        row("rate", Fixed, "50", ".", "", 0, "请正确填写年利率。", "edt_%1_lilv");
        row("demand same day", Demand, "100", "0.35", "", 0, "请正确选择存入和提取日期。",
            "edt_%1_fundsnum");
        row("demand reversed", Demand, "100", "0.35", "", -3, "请正确选择存入和提取日期。",
            "edt_%1_fundsnum");
        row("notice 1 day, same day", Notice, "50000", "", "rb_tongzhi_1day", 0,
            "请正确选择存入和提取日期。", "edt_%1_fundsnum");
        row("notice 7 days, 6 apart", Notice, "50000", "", "rb_tongzhi_7day", -6,
            "7天通知存款,至少相差7天。", "edt_%1_fundsnum");
        row("result out of range", Demand, "1" + QString(300, '0'), "1000000000", "", 360,
            "计算结果超出范围，请检查输入。", "edt_%1_fundsnum");
    }
    void checksInOrder() {
        QFETCH(int, tab);
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QFETCH(QString, choice);
        QFETCH(int, days);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Page p;
        p.open(tab);
        for (const QString &result : kResults[tab])
            p.ui.setText(result, "kept");
        p.ui.edit(name("edt_%1_fundsnum", tab))->setFocus();
        const QDate begin(2024, 3, 1);
        const bool twoDates = tab == Demand || tab == Notice;
        QCOMPARE(p.calculate(tab, amount, -1, rate, choice, begin,
                             twoDates ? begin.addDays(days) : QDate()),
                 QStringList{message});
        QVERIFY(p.ui.edit(focus)->hasFocus());
        for (const QString &result : kResults[tab])
            QCOMPARE(p.ui.text(result), QString("kept"));
    }

    void choicesAndResets() {
        Page p;
        QCOMPARE(p.ui.text("edt_huoqi_lilv"), QString("0.35"));
        p.open(Fixed); // first display: the first term and its rate
        QCOMPARE(p.ui.text("edt_zheng_lilv"), QString("2.6"));
        p.ui.setText("edt_zheng_lilv", "9");
        p.ui.choose("cbb_zheng_qixian", 5);
        QCOMPARE(p.ui.text("edt_zheng_lilv"), QString("4.75"));

        p.open(Notice);
        QCOMPARE(p.ui.text("edt_tongzhi_lilv"), QString("0.8"));
        p.ui.click("rb_tongzhi_7day");
        QCOMPARE(p.ui.text("edt_tongzhi_lilv"), QString("1.35"));
        p.ui.click("btn_tongzhi_reset");
        QVERIFY(p.ui.find<QRadioButton>("rb_tongzhi_1day")->isChecked());
        QCOMPARE(p.ui.text("edt_tongzhi_lilv"), QString("0.8"));

        // Reset keeps the withdrawal frequency, restores the rest.
        p.calculate(Withdrawal, "12000", 2, "", "rb_lingqu_season", {2020, 1, 1}, {});
        p.ui.click("btn_lingqu_reset");
        QVERIFY(p.ui.find<QRadioButton>("rb_lingqu_season")->isChecked());
        QCOMPARE(p.ui.texts({"edt_lingqu_fundsnum", "edt_lingqu_lilv", "edt_lingqu_everytime"}),
                 QStringList({"", "2.85", ""}));
        QCOMPARE(p.ui.find<QComboBox>("cbb_lingqu_qixian")->currentIndex(), 0);
        QCOMPARE(p.date(Withdrawal, "begindt")->date(), QDate::currentDate());

        // Reset of the demand deposit keeps a typed rate.
        p.calculate(Demand, "100", -1, "1.5", "", {2024, 1, 1}, {2024, 2, 1});
        p.ui.click("btn_huoqi_reset");
        QCOMPARE(p.ui.texts({"edt_huoqi_fundsnum", "edt_huoqi_lilv", "edt_huoqi_result"}),
                 QStringList({"", "1.5", ""}));
    }

    void hintOnlyWhileAmountHasFocus() {
        Page p;
        p.open(Notice);
        auto *hint = p.ui.find<QLabel>("lbl_tongzhi_fundsnum");
        QCOMPARE(hint->text(), QString("50000元起存。"));
        QVERIFY(!hint->isVisible());
        p.ui.edit("edt_tongzhi_fundsnum")->setFocus();
        QVERIFY(hint->isVisible());
        p.ui.edit("edt_tongzhi_lilv")->setFocus();
        QVERIFY(!hint->isVisible());
    }
};

QTEST_MAIN(TestSavingsCalc)
#include "tst_savingscalc.moc"
