// Mortgage calculator: both repayment methods through the formulas and the page, the rate
// table by loan type and term, the checks, the reset and rates a double cannot serve.
#include "ledger/calc/mortgagecalcpage.h"
#include "ledger/calc/mortgagemath.h"
#include "ledger/core/moneytext.h"
#include "support/ledger/pagedriver.h"

#include <QRadioButton>
#include <QtTest>

using namespace ledger;

namespace {

const QStringList kResults = {
    "edt_fangdai_months1", "edt_fangdai_huankuan1", "edt_fangdai_sumlixi1",
    "edt_fangdai_sum1",    "edt_fangdai_months2",   "edt_fangdai_huankuan2",
    "edt_fangdi_dijian",   "edt_fangdai_sumlixi2",  "edt_fangdai_sum2"};

// The nine results as shown, computed by the formulas.
QStringList formulaTexts(double principal, double rate, int months) {
    const EqualInstalments equal = equalInstalments(principal, rate, months);
    const EqualPrincipal decreasing = equalPrincipal(principal, rate, months);
    const auto cents = [](double v) { return formatFixed(v, 2); };
    const QString n = QString::number(months);
    return {n,
            cents(equal.monthly),
            cents(equal.totalInterest),
            cents(equal.total),
            n,
            cents(decreasing.firstMonth),
            cents(decreasing.monthlyDecrease),
            cents(decreasing.totalInterest),
            cents(decreasing.total)};
}

using Page = test::PageFixture<MortgageCalcPage>;

} // namespace

class TestMortgageCalc : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("fund");
        QTest::addColumn<int>("term");
        QTest::addColumn<QString>("rate"); // empty: the table's
        QTest::addColumn<QStringList>("results");
        const auto row = [](const char *tag, const char *amount, bool fund, int term,
                            const char *rate, const QStringList &results) {
            QTest::newRow(tag) << QString(amount) << fund << term << QString(rate) << results;
        };
        row("commercial 20 years", "100000", false, 8, "",
            {"240", "748.52", "79644.73", "179644.73", "240", "962.50", "2.27", "65772.92",
             "165772.92"});
        row("fund 30 years", "500000", true, 10, "",
            {"360", "2533.43", "412033.56", "912033.56", "360", "3263.89", "5.21", "338437.50",
             "838437.50"});
        row("commercial 5 years", "200000", false, 5, "",
            {"60", "3903.87", "34232.11", "234232.11", "60", "4400.00", "17.78", "32533.33",
             "232533.33"});
        row("commercial 6 months", "10000", false, 0, "",
            {"6", "1693.99", "163.97", "10163.97", "6", "1713.33", "7.78", "163.33", "10163.33"});
        row("own: 3 years", "350000", false, 3, "",
            {"36", "10671.48", "34173.36", "384173.36", "36", "11515.97", "49.83", "33184.38",
             "383184.38"});
        row("own: typed rate", "1234567", false, 1, "4",
            {"12", "105123.26", "26912.14", "1261479.14", "12", "106995.81", "342.94", "26748.95",
             "1261315.95"});
        row("zero rate", "120000", false, 6, "0",
            {"120", "1000.00", "0.00", "120000.00", "120", "1000.00", "0.00", "0.00", "120000.00"});
        row("rate too small to register", "120000", false, 6, "0.00000000000000000001",
            {"120", "1000.00", "0.00", "120000.00", "120", "1000.00", "0.00", "0.00", "120000.00"});
        row("zero amount", "0", false, 8, "",
            {"240", "0.00", "0.00", "0.00", "240", "0.00", "0.00", "0.00", "0.00"});
    }
    void workedExamples() {
        QFETCH(QString, amount);
        QFETCH(bool, fund);
        QFETCH(int, term);
        QFETCH(QString, rate);
        QFETCH(QStringList, results);
        Page p;
        if (fund)
            p.ui.click("rb_gjj_fangdai");
        p.ui.choose("cbb_fangdai_qixian", term);
        p.ui.setText("edt_fundsnum_fangdai", amount);
        if (!rate.isEmpty())
            p.ui.setText("edt_lixi_fangdai", rate);
        p.ui.click("btn_fangdai_ok");
        QCOMPARE(p.prompter->infos(), QStringList());
        QCOMPARE(p.ui.texts(kResults), results);
        double rateValue = 0;
        QVERIFY(parseAmount(p.ui.text("edt_lixi_fangdai"), &rateValue));
        QCOMPARE(formulaTexts(amount.toDouble(), rateValue, results.first().toInt()), results);
    }

    void hugeRateRepaysTheMonthlyInterest() {
        // (1 + i)^n overflows: the instalment tends to principal × i.
        QCOMPARE(formatFixed(equalInstalments(1000, 120000, 360).monthly, 2), "100000.00");
    }

    void checksLeaveResults_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("amount empty") << ""
                                      << "6.55"
                                      << "请正确填写贷款金额。"
                                      << "edt_fundsnum_fangdai";
        QTest::newRow("amount point") << "."
                                      << ""
                                      << "请正确填写贷款金额。"
                                      << "edt_fundsnum_fangdai";
        QTest::newRow("rate empty") << "1000"
                                    << ""
                                    << "请正确填写年利率。"
                                    << "edt_lixi_fangdai";
        QTest::newRow("out of range") << "17" + QString(307, '0') << "6.55"
                                      << "计算结果超出范围，请检查输入。"
                                      << "edt_fundsnum_fangdai";
    }
    void checksLeaveResults() {
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Page p;
        for (const QString &result : kResults)
            p.ui.setText(result, "kept");
        p.ui.setText("edt_fundsnum_fangdai", amount);
        p.ui.setText("edt_lixi_fangdai", rate);
        p.ui.edit("edt_fundsnum_fangdai")->setFocus();
        p.ui.click("btn_fangdai_ok");
        QCOMPARE(p.prompter->infos(), QStringList{message});
        QVERIFY(p.ui.edit(focus)->hasFocus());
        QCOMPARE(p.ui.texts(kResults), QStringList(kResults.size(), "kept"));
    }

    void rateFollowsTypeAndTermThenReset() {
        Page p; // first display: commercial, "20年", 6.55
        QCOMPARE(p.ui.find<QComboBox>("cbb_fangdai_qixian")->currentText(), QString("20年"));
        QCOMPARE(p.ui.text("edt_lixi_fangdai"), QString("6.55"));
        p.ui.click("rb_gjj_fangdai");
        QCOMPARE(p.ui.text("edt_lixi_fangdai"), QString("4.5"));
        p.ui.choose("cbb_fangdai_qixian", 5);
        QCOMPARE(p.ui.text("edt_lixi_fangdai"), QString("4"));
        p.ui.click("rb_sy_fangdai");
        QCOMPARE(p.ui.text("edt_lixi_fangdai"), QString("6.4"));
        p.ui.setText("edt_fundsnum_fangdai", "1000");
        p.ui.click("btn_fangdai_ok");
        p.ui.click("rb_gjj_fangdai");
        p.ui.click("btn_fangdai_reset");
        QVERIFY(p.ui.find<QRadioButton>("rb_sy_fangdai")->isChecked());
        QCOMPARE(p.ui.find<QComboBox>("cbb_fangdai_qixian")->currentText(), QString("20年"));
        QCOMPARE(p.ui.text("edt_lixi_fangdai"), QString("6.55"));
        QCOMPARE(p.ui.text("edt_fundsnum_fangdai"), QString());
        QCOMPARE(p.ui.texts(kResults), QStringList(kResults.size(), QString()));
    }
};

QTEST_MAIN(TestMortgageCalc)
#include "tst_mortgagecalc.moc"
