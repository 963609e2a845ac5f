#include "ledger/core/moneytext.h"
#include "ledger/data/numbertext.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace ledger;

class TestMoneyText : public QObject {
    Q_OBJECT

private slots:
    void formats_data() {
        QTest::addColumn<QString>("format"); // money or fixed:N
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const char *format, double value, const char *text) {
            QTest::newRow(name) << QString(format) << value << QString(text);
        };
        row("groups", "money", 1234.5, "1,234.50");
        row("millions", "money", 1234567.891, "1,234,567.89");
        row("negative", "money", -98765.4, "-98,765.40");
        row("negative zero", "money", -0.0, "0.00");
        row("rounds to negative zero", "money", -0.004, "0.00");
        row("sum of tenths", "money", 0.1 + 0.2, "0.30");
        // Exact binary ties round away from zero (printf would round them to even).
        row("tie away from zero", "money", 0.125, "0.13");
        row("negative tie", "money", -1000.375, "-1,000.38");
        row("fixed, none", "fixed:0", 1234.5, "1235");
        row("fixed, one place", "fixed:1", 1234.56, "1234.6");
        row("fixed, no groups", "fixed:2", 100000.0, "100000.00");
        row("fixed, negative zero", "fixed:0", -0.4, "0");
        row("fixed, negative zero, two", "fixed:2", -0.001, "0.00");
        row("fixed, negative kept", "fixed:0", -0.6, "-1");
        row("fixed, negative with places", "fixed:1", -12.345, "-12.3");
        row("fixed, tie", "fixed:0", 2.5, "3");
        row("fixed, tie, one", "fixed:1", 0.25, "0.3");
        // Beyond 2^53 the digits of the shortest decimal, not the binary expansion.
        row("huge", "money", 1e23, "100,000,000,000,000,000,000,000.00");
        row("huge negative", "money", -1.2345678901234568e29,
            "-123,456,789,012,345,680,000,000,000,000.00");
        // A sum beyond a double's range, or made of such sums.
        row("overflowed sum", "money", qInf(), "超出范围");
        row("overflowed negative", "fixed:0", -qInf(), "超出范围");
        row("undefined sum", "fixed:2", qQNaN(), "超出范围");
    }
    void formats() {
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, text);
        if (format == "money")
            QCOMPARE(formatMoneyN(value), text);
        else
            QCOMPARE(formatFixed(value, format.mid(6).toInt()), text);
    }

    void parseAmountIsStrict_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        const auto row = [](const char *name, const QString &text, bool accepted, double value) {
            QTest::newRow(name) << text << accepted << value;
        };
        row("integer", "12", true, 12);
        row("decimal", "12.50", true, 12.5);
        row("leading point", ".25", true, 0.25);
        row("trailing point", "5.", true, 5);
        row("negative", "-3.75", true, -3.75);
        row("plus", "+4", true, 4);
        row("blanks", " 8 ", true, 8);
        for (const char *bad :
             {"", ".", "-", "nan", "inf", "1e5", "1,000", "1.2.3", "0x10", "1 000"})
            row(bad, bad, false, 0);
        row("too large", QString(400, '9'), false, 0);
    }
    void parseAmountIsStrict() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        double parsed = -12345.0;
        QCOMPARE(parseAmount(text, &parsed), accepted);
        QCOMPARE(parsed, accepted ? value : -12345.0); // untouched on failure
    }

    // At most 12 digits before the point, sign and leading zeros not counted; an exact amount
    // beyond them is still read, one beyond a double's range as an infinity.
    void wholeDigitsBound() {
        double read = 0;
        QCOMPARE(readAmount("-000999999999999.99", &read), AmountEntry::Kept);
        QCOMPARE(readAmount("-1000000000000", &read), AmountEntry::TooLarge);
        QCOMPARE(read, -1e12);
        QCOMPARE(readAmount("-1" + QString(400, '0') + ".5", &read), AmountEntry::TooLarge);
        QCOMPARE(read, -qInf());
        QCOMPARE(readAmount("１２", &read), AmountEntry::NotANumber); // digits, but not ASCII
    }

    // An amount the entry reads exactly reads back, with no exponent, as the same double; up
    // to 15 significant digits always, longer ones exactly or not at all. Every stored double
    // reads as a text the entry reads exactly.
    void amountsRoundTrip() {
        const auto exact = [](AmountEntry entry) {
            return entry == AmountEntry::Kept || entry == AmountEntry::TooLarge;
        };
        QList<std::pair<QString, int>> typed{{"-007.50", 2},
                                             {"123456789012345678901234567890", 30}};
        for (int n = 1; n <= 30; ++n) {
            const QString nines(n, '9');
            typed << std::pair{"1" + QString(n, '0'), 1}
                  << std::pair{"-0." + QString(n - 1, '0') + "1", 1} << std::pair{nines, n}
                  << std::pair{"0." + nines, n};
        }
        for (const auto &[text, digits] : typed) {
            double value = 0, again = 0;
            const AmountEntry entry = readAmount(text, &value);
            QVERIFY2(exact(entry) || (digits > 15 && entry == AmountEntry::TooManyDigits),
                     qPrintable(text));
            QVERIFY2(!exact(entry) ||
                         (!numberText(value).contains('e') &&
                          exact(readAmount(numberText(value), &again)) && again == value),
                     qPrintable(text));
        }
        QCOMPARE(readAmount("99999999999999999", nullptr), AmountEntry::TooManyDigits);
        QRandomGenerator random(28);
        for (int i = 0; i < 5000; ++i) {
            const double stored =
                std::ldexp(random.generateDouble() - 0.5, random.bounded(-40, 100));
            double again = 0;
            QVERIFY2(exact(readAmount(numberText(stored), &again)) && again == stored,
                     qPrintable(numberText(stored)));
        }
    }
};

QTEST_APPLESS_MAIN(TestMoneyText)
#include "tst_moneytext.moc"
