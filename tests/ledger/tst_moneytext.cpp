#include "ledger/core/moneytext.h"
#include "ledger/data/numbertext.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cstring>

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
        row("huge, fixed", "fixed:2", 1e17, "100000000000000000.00");
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

    // Every amount the entry keeps reads back, without an exponent, as the same double; the
    // others are refused up front. Every stored double reads as text the entry keeps.
    void amountsRoundTrip() {
        QStringList typed = {"0.000001",
                             "99999999999999999",
                             "123456789012345678901234567890",
                             "0.1",
                             "100.10",
                             "-0",
                             "007.50"};
        for (int power = -12; power <= 30; ++power) {
            const QString one =
                power < 0 ? "0." + QString(-power - 1, '0') + "1" : "1" + QString(power, '0');
            typed << one << "-" + one;
        }
        for (int digits = 14; digits <= 18; ++digits) {
            const QString nines(digits, '9'), mixed = QString("1234567890123456789").left(digits);
            typed << nines << "0." + nines << mixed << mixed.left(3) + "." + mixed.mid(3);
        }
        const auto significantDigits = [](QString text) {
            text.remove('-').remove('.');
            while (text.startsWith('0'))
                text.remove(0, 1);
            while (text.endsWith('0'))
                text.chop(1);
            return text.size();
        };
        int kept = 0;
        for (const QString &text : typed) {
            double value = 0;
            const AmountEntry entry = readAmount(text, &value);
            if (significantDigits(text) <= 15)
                QVERIFY2(entry == AmountEntry::Kept, qPrintable(text));
            if (entry != AmountEntry::Kept) {
                QCOMPARE(entry, AmountEntry::TooManyDigits);
                continue;
            }
            ++kept;
            const QString shown = numberText(value);
            double again = 0;
            QVERIFY2(!shown.contains('e') && readAmount(shown, &again) == AmountEntry::Kept,
                     qPrintable(text + " shown " + shown));
            QVERIFY(again == value);
        }
        QVERIFY(kept > typed.size() / 2);
        QCOMPARE(readAmount("99999999999999999", nullptr), AmountEntry::TooManyDigits);
        QCOMPARE(readAmount("123456789012345678901234567890", nullptr), AmountEntry::TooManyDigits);
        QCOMPARE(readAmount("1e5", nullptr), AmountEntry::NotANumber);
        QCOMPARE(numberText(1e-6), QString("0.000001"));
        QCOMPARE(numberText(1e17), QString("100000000000000000"));
        QCOMPARE(numberText(-0.0), QString("0"));

        QRandomGenerator random(28);
        for (int i = 0; i < 20000; ++i) {
            const quint64 bits = random.generate64();
            double stored = 0;
            std::memcpy(&stored, &bits, sizeof stored);
            if (!std::isfinite(stored) || std::abs(stored) > 1e40 || std::abs(stored) < 1e-40)
                continue;
            double again = 0;
            const QString shown = numberText(stored);
            QVERIFY2(readAmount(shown, &again) == AmountEntry::Kept && again == stored,
                     qPrintable(shown));
        }
    }
};

QTEST_APPLESS_MAIN(TestMoneyText)
#include "tst_moneytext.moc"
