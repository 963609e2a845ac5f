#include "common/gbktext.h"
#include "ledger/app/paths.h"
#include "ledger/crypto/des.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace ledger;

namespace {

template <typename Bytes> Bytes fromHex(const QByteArray &hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    Bytes block{};
    std::copy(bytes.begin(), bytes.end(), block.begin());
    return block;
}

QByteArray hexOf(const std::array<std::uint8_t, 8> &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), 8).toHex().toUpper();
}

const QString kKeyString = QString::fromLatin1(kPasswordKey);
// The program's key string folded by hand: bytes 21 40 23 76 6F 6B 72 61 6E 65.
const char kFoldedProgramKey[] = "618FA523766F6B72";

} // namespace

class TestDes : public QObject {
    Q_OBJECT

private slots:
    void blockMatchesPublishedVectors_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("cipher");
        const auto row = [](const char *tag, const char *key, const char *plain,
                            const char *cipher) {
            QTest::newRow(tag) << QByteArray(key) << QByteArray(plain) << QByteArray(cipher);
        };
        row("textbook", "133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405");
        row("zero result", "0E329232EA6D0D73", "8787878787878787", "0000000000000000");
        row("variable plaintext", "0101010101010101", "95F8A5E5DD31D900", "8000000000000000");
        row("variable key", "8001010101010101", "0000000000000000", "95A8D72813DAA94D");
        row("now is the time", "0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815");
    }
    void blockMatchesPublishedVectors() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, cipher);
        const DesSchedule schedule = desSetKey(fromHex<DesKey>(key));
        QCOMPARE(hexOf(desBlock(schedule, fromHex<DesBlockBytes>(plain))), cipher);
    }

    void foldKeyAddsBytesModulo256_data() {
        QTest::addColumn<QByteArray>("keyString");
        QTest::addColumn<QByteArray>("folded");
        const auto row = [](const char *tag, const QByteArray &key, const char *folded) {
            QTest::newRow(tag) << key << QByteArray(folded);
        };
        row("program key", kPasswordKey, kFoldedProgramKey);
        row("last of eight to k[0]", "12345678", "3831323334353637");
        row("ninth adds to k[1]", "abcdefghi", "68CA626364656667");
        row("sums wrap", QByteArray(17, 'z'), "F46EF4F4F4F4F4F4");
        row("empty", "", "0000000000000000");
    }
    void foldKeyAddsBytesModulo256() {
        QFETCH(QByteArray, keyString);
        QFETCH(QByteArray, folded);
        QCOMPARE(hexOf(foldKey(keyString)), folded);
    }

    void outputLengthFollowsGbkBlocks_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("digits");
        QTest::newRow("empty still one block") << QString() << 16;
        QTest::newRow("8 bytes") << QStringLiteral("abcd1234") << 16;
        QTest::newRow("9 bytes") << QStringLiteral("abcd12345") << 32;
        QTest::newRow("40 bytes") << QString(40, QLatin1Char('x')) << 80;
        QTest::newRow("chinese counts two bytes each") << QStringLiteral("张三李四") << 16;
        QTest::newRow("chinese over a block") << QStringLiteral("张三李四a") << 32;
    }
    void outputLengthFollowsGbkBlocks() {
        QFETCH(QString, plain);
        QFETCH(int, digits);
        const QString hex = desEncryptHex(plain, kKeyString);
        QCOMPARE(hex.size(), digits);
        QCOMPARE(QByteArray::fromHex(hex.toLatin1()).toHex().toUpper(), hex.toLatin1());
    }

    void knownStoredForms() {
        QCOMPARE(desEncryptHex(QStringLiteral("admin123456"), QStringLiteral("!@#vokrane")),
                 QStringLiteral("B506197FFA00C7F5B346682FF251E1E0"));
        // Blocks are independent: a repeated block repeats its cipher.
        const QString one = desEncryptHex(QStringLiteral("admin123"), kKeyString);
        QCOMPARE(desEncryptHex(QStringLiteral("admin123admin123"), kKeyString), one + one);
        // Chinese goes in as GBK (D5C5 C8FD), not UTF-8.
        QCOMPARE(common::toGbkText(u"张三").toHex().toUpper(), QByteArray("D5C5C8FD"));
        const DesSchedule schedule = desSetKey(fromHex<DesKey>(kFoldedProgramKey));
        QCOMPARE(desEncryptHex(QStringLiteral("张三"), kKeyString).toLatin1(),
                 hexOf(desBlock(schedule, fromHex<DesBlockBytes>("D5C5C8FD00000000"))));
    }

    void matchesOpenSsl_data() {
        QTest::addColumn<QString>("plain");
        QTest::newRow("stored form") << QStringLiteral("admin123456");
        QTest::newRow("empty") << QString();
        QTest::newRow("one block") << QStringLiteral("abcdefgh");
        QTest::newRow("mixed") << QStringLiteral("张三mima");
        QTest::newRow("40 bytes") << QStringLiteral("用户名最长二十个字节密码也是二十个字节");
        QTest::newRow("symbols") << QStringLiteral("a'b:c%d\"e");
        QTest::newRow("outside GBK") << QStringLiteral("a😀");
    }
    void matchesOpenSsl() {
        QFETCH(QString, plain);
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty())
            QSKIP("openssl is not installed");
        QByteArray bytes = common::toGbkText(plain);
        bytes.append(QByteArray(bytes.isEmpty() ? 8 : (8 - bytes.size() % 8) % 8, '\0'));
        QProcess process;
        process.start(openssl, {"enc", "-des-ecb", "-nopad", "-K", kFoldedProgramKey, "-provider",
                                "legacy", "-provider", "default"});
        QVERIFY(process.waitForStarted());
        process.write(bytes);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(10000));
        if (process.exitCode() != 0)
            QSKIP("openssl has no DES");
        QCOMPARE(desEncryptHex(plain, kKeyString).toLatin1(),
                 process.readAllStandardOutput().toHex().toUpper());
    }
};

QTEST_APPLESS_MAIN(TestDes)
#include "tst_des.moc"
