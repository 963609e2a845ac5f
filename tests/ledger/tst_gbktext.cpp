// The 8-bit form of password texts and CSV files: GBK where GBK has the character, a distinct
// GB18030 four-byte form everywhere else.
#include "common/gbktext.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

class TestGbkText : public QObject {
    Q_OBJECT
private slots:
    void gbkTextsKeepTheirBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("ascii and quotes") << QStringLiteral("admin123456 a'b\"c?");
        QTest::newRow("chinese") << QStringLiteral("用户名最长二十个字节，密码。");
        QTest::newRow("euro, one byte in GBK") << QStringLiteral("€100");
        QTest::newRow("private use in GBK") << QStringLiteral("\uE7C7\uE76C");
    }
    void gbkTextsKeepTheirBytes() {
        QFETCH(QString, text);
        QCOMPARE(common::toGbkText(text), QByteArray(QStringEncoder("GBK").encode(text)));
    }

    void otherCharactersAreKeptApart_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("emoji") << QStringLiteral("a😀") << QByteArray("a\x94\x39\xFC\x36");
        QTest::newRow("supplementary han")
            << QStringLiteral("𠮷") << QByteArray("\x95\x34\xB2\x35");
        // GB18030 gives these two bytes that GBK uses for U+E7C7; they take its four bytes.
        QTest::newRow("GBK pair taken") << QStringLiteral("ḿ") << QByteArray("\x81\x35\xF4\x37");
        QTest::newRow("zero width no-break space") << QStringLiteral("a\uFEFFb")
                                                   << QByteArray("a\x84\x31\x95\x33"
                                                                 "b");
        QTest::newRow("unpaired surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    }
    void otherCharactersAreKeptApart() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(common::toGbkText(text).toHex(' '), bytes.toHex(' '));
    }

    void differentTextsGiveDifferentBytes() {
        const QStringList texts = {"a😀", "a😁", "a?", "a??", "a", "ḿ", "\uE7C7", "€", "\uE76C"};
        QSet<QByteArray> seen;
        for (const QString &text : texts)
            seen.insert(common::toGbkText(text));
        QCOMPARE(seen.size(), texts.size());
        // Beyond GBK and the few pairs above, GB18030 reads the bytes back.
        QCOMPARE(QStringDecoder("GB18030").decode(common::toGbkText(u"a😀b😁")), QString("a😀b😁"));
    }
};

QTEST_APPLESS_MAIN(TestGbkText)
#include "tst_gbktext.moc"
