#include "ledger/core/moneytext.h"

#include <QtTest>
#include <limits>

using namespace ledger;

class TestMoneyText : public QObject {
    Q_OBJECT

private slots:
    void moneyHasGroupsAndTwoDecimals_data();
    void moneyHasGroupsAndTwoDecimals();
    void fixedHasNoGroups_data();
    void fixedHasNoGroups();
    void floatTextIsAsTyped_data();
    void floatTextIsAsTyped();
    void parseAmountIsStrict_data();
    void parseAmountIsStrict();
    void parseAmountReadsTheValue_data();
    void parseAmountReadsTheValue();
};

void TestMoneyText::moneyHasGroupsAndTwoDecimals_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("groups") << 1234.5 << "1,234.50";
    QTest::newRow("small") << 12.5 << "12.50";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("millions") << 1234567.891 << "1,234,567.89";
    QTest::newRow("negative") << -98765.4 << "-98,765.40";
    QTest::newRow("negative zero") << -0.0 << "0.00";
    QTest::newRow("rounds to negative zero") << -0.004 << "0.00";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.30";
    // Exact binary ties round away from zero (printf would round them to even).
    QTest::newRow("tie away from zero") << 0.125 << "0.13";
    QTest::newRow("negative tie") << -1000.375 << "-1,000.38";
}

void TestMoneyText::moneyHasGroupsAndTwoDecimals() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatMoneyN(value), text);
}

void TestMoneyText::fixedHasNoGroups_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("summary") << 1234.5 << 0 << "1235";
    QTest::newRow("one place") << 1234.56 << 1 << "1234.6";
    QTest::newRow("calculator") << 100000.0 << 2 << "100000.00";
    QTest::newRow("negative zero, none") << -0.4 << 0 << "0";
    QTest::newRow("negative zero, two") << -0.001 << 2 << "0.00";
    QTest::newRow("negative kept") << -0.6 << 0 << "-1";
    QTest::newRow("negative with places") << -12.345 << 1 << "-12.3";
    QTest::newRow("tie, none") << 2.5 << 0 << "3";
    QTest::newRow("tie, one") << 0.25 << 1 << "0.3";
}

void TestMoneyText::fixedHasNoGroups() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(formatFixed(value, decimals), text);
}

void TestMoneyText::floatTextIsAsTyped_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("half") << 12.5 << "12.5";
    QTest::newRow("cents") << 1234.56 << "1234.56";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative") << -7.25 << "-7.25";
    QTest::newRow("negative zero") << -0.0 << "0";
}

void TestMoneyText::floatTextIsAsTyped() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(floatText(value), text);
}

void TestMoneyText::parseAmountIsStrict_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("integer") << "12" << true;
    QTest::newRow("decimal") << "12.50" << true;
    QTest::newRow("leading point") << ".5" << true;
    QTest::newRow("trailing point") << "5." << true;
    QTest::newRow("negative") << "-3" << true;
    QTest::newRow("blanks") << " 8 " << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("point") << "." << false;
    QTest::newRow("sign only") << "-" << false;
    QTest::newRow("nan") << "nan" << false;
    QTest::newRow("inf") << "inf" << false;
    QTest::newRow("exponent") << "1e5" << false;
    QTest::newRow("groups") << "1,000" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("hex") << "0x10" << false;
    QTest::newRow("inner blank") << "1 000" << false;
    QTest::newRow("too large") << QString(400, '9') << false;
}

void TestMoneyText::parseAmountIsStrict() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    double value = -12345.0;
    QCOMPARE(parseAmount(text, &value), accepted);
    if (!accepted)
        QCOMPARE(value, -12345.0); // untouched on failure
}

void TestMoneyText::parseAmountReadsTheValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal") << "12.5" << 12.5;
    QTest::newRow("leading point") << ".25" << 0.25;
    QTest::newRow("negative") << "-3.75" << -3.75;
    QTest::newRow("plus") << "+4" << 4.0;
}

void TestMoneyText::parseAmountReadsTheValue() {
    QFETCH(QString, text);
    QFETCH(double, value);
    double parsed = 0;
    QVERIFY(parseAmount(text, &parsed));
    QCOMPARE(parsed, value);
}

QTEST_APPLESS_MAIN(TestMoneyText)
#include "tst_moneytext.moc"
