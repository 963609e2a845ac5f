// Investment projection: year-by-year and single-payment values through the formulas and the
// page, the first display, the seven presets with their messages, and the refusals.
#include "ledger/calc/investcalcpage.h"
#include "ledger/calc/investmath.h"
#include "ledger/core/moneytext.h"
#include "support/ledger/pagedriver.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace ledger;

namespace {

struct Page : test::PageFixture<InvestCalcPage> {
    QStringList lines() const {
        return ui.find<QPlainTextEdit>("mm_shenqi_result")
            ->toPlainText()
            .split('\n', Qt::SkipEmptyParts);
    }
    QStringList calculate(bool once, const QString &capital, const QString &yield,
                          const QString &payingYears, const QString &years) {
        ui.choose("cbb_shenqi_Type", once ? 0 : 1);
        ui.setText("edt_shenqi_Capital", capital);
        ui.setText("edt_shenqi_Yield", yield);
        if (!once)
            ui.setText("edt_shenqi_Touru", payingYears);
        ui.setText("edt_shenqi_Period", years);
        prompter->clear();
        ui.click("btn_shenqi_ok");
        return prompter->infos();
    }
};

} // namespace

class TestInvestCalc : public QObject {
    Q_OBJECT
private slots:
    void projections_data() {
        QTest::addColumn<bool>("once");
        QTest::addColumn<int>("capital");
        QTest::addColumn<double>("yield");
        QTest::addColumn<int>("payingYears");
        QTest::addColumn<int>("years");
        QTest::addColumn<QStringList>("firstAndLast"); // the lines listed first and last
        QTest::addColumn<int>("count");
        QTest::newRow("defaults") << false << 50000 << 15.0 << 40 << 40
                                  << QStringList{"1年后:57,500.00", "40年后:102,297,692.72"} << 40;
        QTest::newRow("pay once") << true << 50000 << 15.0 << 1 << 40
                                  << QStringList{"结算总额:13,393,177.31"} << 1;
        QTest::newRow("payments stop") << false << 1000 << 10.0 << 2 << 4
                                       << QStringList{"1年后:1,100.00", "4年后:2,795.10"} << 4;
        QTest::newRow("own: yearly") << false << 12000 << 7.5 << 3 << 5
                                     << QStringList{"1年后:12,900.00", "5年后:48,160.74"} << 5;
        QTest::newRow("own: once")
            << true << 250000 << 6.25 << 1 << 12 << QStringList{"结算总额:517,472.50"} << 1;
        QTest::newRow("zero yield") << false << 5000 << 0.0 << 3 << 4
                                    << QStringList{"1年后:5,000.00", "4年后:15,000.00"} << 4;
        QTest::newRow("no years") << false << 5000 << 5.0 << 0 << 0 << QStringList() << 0;
    }
    void projections() {
        QFETCH(bool, once);
        QFETCH(int, capital);
        QFETCH(double, yield);
        QFETCH(int, payingYears);
        QFETCH(int, years);
        QFETCH(QStringList, firstAndLast);
        QFETCH(int, count);
        const QList<double> values = once ? QList<double>{singlePaymentValue(capital, yield, years)}
                                          : yearlyValues(capital, yield, payingYears, years);
        QCOMPARE(values.size(), count);
        if (count > 0)
            QVERIFY(firstAndLast.last().endsWith(":" + formatMoneyN(values.last())));

        Page p;
        QCOMPARE(p.calculate(once, QString::number(capital), QString::number(yield),
                             QString::number(payingYears), QString::number(years)),
                 QStringList());
        const QStringList lines = p.lines();
        QCOMPARE(lines.size(), count);
        if (count > 0)
            QCOMPARE(QStringList({lines.first(), lines.last()}).mid(once ? 1 : 0), firstAndLast);
    }

    void firstDisplayListsTheDefaults() {
        Page p;
        QCOMPARE(p.ui.texts({"edt_shenqi_Capital", "edt_shenqi_Yield", "edt_shenqi_Touru",
                             "edt_shenqi_Period"}),
                 QStringList({"50000", "15", "40", "40"}));
        QCOMPARE(p.lines().mid(0, 3),
                 QStringList({"1年后:57,500.00", "2年后:123,625.00", "3年后:199,668.75"}));
        QCOMPARE(p.lines().size(), 40);
    }

    void presets_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("firstMessage");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last");
        QTest::newRow("1") << "Button1" << 1
                           << "每年投资2万元;\n购买国债或长期存款;\n笨鸟先飞,坚持到65岁再退休吧"
                           << 40 << "40年后:2,536,795.26";
        QTest::newRow("2") << "Button2" << 1
                           << "每年投资5万元;\n购买国债或长期存款;\n笨鸟先飞,坚持到65岁再退休吧"
                           << 40 << "40年后:6,341,988.15";
        QTest::newRow("3") << "Button3" << 1
                           << "每年投资10万元;\n可以银行议价或其他投资;\n60岁可以退休了!" << 35
                           << "35年后:18,610,214.80";
        QTest::newRow("4") << "Button4" << 1
                           << "每年投资10万元;\n有一些长期收益还不错的投资;\n55岁可以退休了!" << 30
                           << "30年后:27,029,260.65";
        QTest::newRow("5") << "Button5" << 1
                           << "每年投资10万元;\n投资收益很不错哦;\n50岁可以退休了!" << 25
                           << "25年后:24,471,197.01";
        QTest::newRow("6") << "Button6" << 2
                           << "1956年26岁,到现在57年;\n平均年收益21.1%\n10.5万美金投资" << 1
                           << "结算总额:34,558,645,206.47";
        QTest::newRow("7") << "Button7" << 1
                           << "加入你月薪1万\n单位交22%，个人8%;\n不推迟拿退休金，可能?" << 35
                           << "35年后:2,598,437.91";
    }
    void presets() {
        QFETCH(QString, button);
        QFETCH(int, messages);
        QFETCH(QString, firstMessage);
        QFETCH(int, count);
        QFETCH(QString, last);
        Page p;
        p.prompter->clear();
        p.ui.click(button);
        const QStringList infos = p.prompter->infos();
        QCOMPARE(infos.size(), messages);
        QCOMPARE(infos.first(), firstMessage);
        QCOMPARE(p.lines().size(), count);
        QCOMPARE(p.lines().last(), last);
        // Button6 picks the single payment without the type change: the field stays open.
        QVERIFY(p.ui.edit("edt_shenqi_Touru")->isEnabled());
    }

    void refusalsKeepTheList_data() {
        QTest::addColumn<bool>("once");
        QTest::addColumn<QStringList>("fields"); // capital, yield, paying-in, projected
        QTest::addColumn<QString>("message");
        QTest::newRow("capital") << false << QStringList{"", "5", "1", "1"}
                                 << "每年新增本金不能为空。";
        QTest::newRow("yield") << false << QStringList{"1", "", "1", "1"} << "年收益率不能为空。";
        QTest::newRow("paying") << false << QStringList{"1", "5", "", "1"} << "投入周期不能为空。";
        QTest::newRow("projected")
            << false << QStringList{"1", "5", "1", ""} << "投资周期不能为空。";
        QTest::newRow("lone point")
            << false << QStringList{"1", ".", "1", "1"} << "请正确填写年收益率。";
        QTest::newRow("paying longer")
            << false << QStringList{"1", "5", "41", "40"} << "投入周期不能比投资周期长。";
        QTest::newRow("once, no years")
            << true << QStringList{"1", "5", "", "0"} << "投入周期不能比投资周期长。";
        QTest::newRow("over 100 years")
            << false << QStringList{"1", "5", "1", "9999"} << "投资周期不能超过100年。";
    }
    void refusalsKeepTheList() {
        QFETCH(bool, once);
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        Page p;
        const QStringList before = p.lines();
        QCOMPARE(p.calculate(once, fields[0], fields[1], fields[2], fields[3]),
                 QStringList{message});
        QCOMPARE(p.lines(), before);
    }

    void overflowStopsWithAMessage() {
        Page p;
        QCOMPARE(p.calculate(false, "999999999", "99999999999", "100", "100"),
                 QStringList{"计算结果超出范围，请检查输入。"});
        const QStringList lines = p.lines();
        QVERIFY(!lines.isEmpty() && lines.size() < 100);
        QVERIFY(!lines.join(' ').contains("inf"));
    }

    void typeChangeFixesPayingYears() {
        Page p;
        QLineEdit *paying = p.ui.edit("edt_shenqi_Touru");
        p.ui.choose("cbb_shenqi_Type", 0);
        QCOMPARE(paying->text(), QString("1"));
        QVERIFY(!paying->isEnabled());
        p.ui.choose("cbb_shenqi_Type", 1);
        QCOMPARE(paying->text(), QString("1"));
        QVERIFY(paying->isEnabled());
    }
};

QTEST_MAIN(TestInvestCalc)
#include "tst_investcalc.moc"
