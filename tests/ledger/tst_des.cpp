#include "ledger/app/paths.h"
#include "ledger/crypto/untdes.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using namespace ledger;

namespace {

DesBlockBytes blockFromHex(const char *hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    DesBlockBytes block{};
    std::copy(bytes.begin(), bytes.end(), block.begin());
    return block;
}

DesKey keyFromHex(const char *hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    DesKey key{};
    std::copy(bytes.begin(), bytes.end(), key.begin());
    return key;
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
    void blockMatchesPublishedVectors_data();
    void blockMatchesPublishedVectors();
    void decryptOrderUndoesEncryption();
    void foldKeyAddsBytesModulo256_data();
    void foldKeyAddsBytesModulo256();
    void parityBitsAreIgnored();
    void outputLengthFollowsBlocks_data();
    void outputLengthFollowsBlocks();
    void onlyTheConcatenationCounts();
    void knownStoredForm();
    void gbkBytesAreEncrypted();
    void matchesOpenSsl();
};

void TestDes::blockMatchesPublishedVectors_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("cipher");
    QTest::newRow("textbook") << QByteArray("133457799BBCDFF1") << QByteArray("0123456789ABCDEF")
                              << QByteArray("85E813540F0AB405");
    QTest::newRow("zero result") << QByteArray("0E329232EA6D0D73") << QByteArray("8787878787878787")
                                 << QByteArray("0000000000000000");
    QTest::newRow("variable plaintext")
        << QByteArray("0101010101010101") << QByteArray("95F8A5E5DD31D900")
        << QByteArray("8000000000000000");
    QTest::newRow("variable key") << QByteArray("8001010101010101")
                                  << QByteArray("0000000000000000")
                                  << QByteArray("95A8D72813DAA94D");
    QTest::newRow("now is the time")
        << QByteArray("0123456789ABCDEF") << QByteArray("4E6F772069732074")
        << QByteArray("3FA40E8A984D4815");
}

void TestDes::blockMatchesPublishedVectors() {
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, cipher);
    const DesSchedule schedule = desSetKey(keyFromHex(key.constData()));
    QCOMPARE(hexOf(desBlock(schedule, blockFromHex(plain.constData()))), cipher);
}

void TestDes::decryptOrderUndoesEncryption() {
    const DesKey key = keyFromHex(kFoldedProgramKey);
    const DesSchedule encrypt = desSetKey(key, false);
    const DesSchedule decrypt = desSetKey(key, true);
    for (int i = 0; i < 50; ++i) {
        DesBlockBytes plain{};
        for (auto &byte : plain)
            byte = std::uint8_t(QRandomGenerator::global()->bounded(256));
        const DesBlockBytes cipher = desBlock(encrypt, plain);
        QVERIFY(cipher != plain);
        QCOMPARE(hexOf(desBlock(decrypt, cipher)), hexOf(plain));
    }
}

void TestDes::foldKeyAddsBytesModulo256_data() {
    QTest::addColumn<QByteArray>("keyString");
    QTest::addColumn<QByteArray>("folded");
    QTest::newRow("program key") << QByteArray(kPasswordKey) << QByteArray(kFoldedProgramKey);
    QTest::newRow("eight characters, last one to k[0]")
        << QByteArray("12345678") << QByteArray("3831323334353637");
    QTest::newRow("ninth character adds to k[1]")
        << QByteArray("abcdefghi") << QByteArray("68CA626364656667");
    QTest::newRow("sums wrap") << QByteArray(17, 'z') << QByteArray("F46EF4F4F4F4F4F4");
    QTest::newRow("empty") << QByteArray() << QByteArray("0000000000000000");
}

void TestDes::foldKeyAddsBytesModulo256() {
    QFETCH(QByteArray, keyString);
    QFETCH(QByteArray, folded);
    QCOMPARE(hexOf(foldKey(keyString)), folded);
}

void TestDes::parityBitsAreIgnored() {
    const DesBlockBytes plain = blockFromHex("61646D696E313233");
    QCOMPARE(hexOf(desBlock(desSetKey(keyFromHex("618FA523766F6B72")), plain)),
             hexOf(desBlock(desSetKey(keyFromHex("608EA422776E6A73")), plain)));
}

void TestDes::outputLengthFollowsBlocks_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("digits");
    QTest::newRow("empty still one block") << QString() << 16;
    QTest::newRow("8 bytes") << QStringLiteral("abcd1234") << 16;
    QTest::newRow("9 bytes") << QStringLiteral("abcd12345") << 32;
    QTest::newRow("40 bytes") << QString(40, QLatin1Char('x')) << 80;
    QTest::newRow("chinese counts two bytes each") << QStringLiteral("张三李四") << 16;
    QTest::newRow("chinese over a block") << QStringLiteral("张三李四a") << 32;
}

void TestDes::outputLengthFollowsBlocks() {
    QFETCH(QString, plain);
    QFETCH(int, digits);
    const QString hex = desEncryptHex(plain, kKeyString);
    QCOMPARE(hex.size(), digits);
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(hex).hasMatch(),
             qPrintable(hex));
}

void TestDes::onlyTheConcatenationCounts() {
    QCOMPARE(desEncryptHex(QStringLiteral("ab") + QStringLiteral("c"), kKeyString),
             desEncryptHex(QStringLiteral("a") + QStringLiteral("bc"), kKeyString));
    QVERIFY(desEncryptHex(QStringLiteral("abc"), kKeyString) !=
            desEncryptHex(QStringLiteral("abd"), kKeyString));
    // Blocks are independent: the first block of a longer text equals the short text's.
    const QString one = desEncryptHex(QStringLiteral("admin123"), kKeyString);
    const QString two = desEncryptHex(QStringLiteral("admin123admin123"), kKeyString);
    QCOMPARE(two, one + one);
}

void TestDes::knownStoredForm() {
    QCOMPARE(desEncryptHex(QStringLiteral("admin123456"), QStringLiteral("!@#vokrane")),
             QStringLiteral("B506197FFA00C7F5B346682FF251E1E0"));
}

void TestDes::gbkBytesAreEncrypted() {
    QCOMPARE(toGbk(QStringLiteral("张三")).toHex().toUpper(), QByteArray("D5C5C8FD"));
    QCOMPARE(toGbk(QStringLiteral("ab1_")), QByteArray("ab1_"));
    // UTF-8 would give six bytes and a different block.
    const DesSchedule schedule = desSetKey(keyFromHex(kFoldedProgramKey));
    QCOMPARE(desEncryptHex(QStringLiteral("张三"), kKeyString).toLatin1(),
             hexOf(desBlock(schedule, blockFromHex("D5C5C8FD00000000"))));
}

void TestDes::matchesOpenSsl() {
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        QSKIP("openssl is not installed");
    const QStringList plains = {QStringLiteral("admin123456"),
                                QString(),
                                QStringLiteral("abcdefgh"),
                                QStringLiteral("张三mima"),
                                QStringLiteral("用户名最长二十个字节密码也是二十个字节"),
                                QStringLiteral("a'b:c%d\"e")};
    for (const QString &plain : plains) {
        QByteArray bytes = toGbk(plain);
        bytes.append(QByteArray((8 - bytes.size() % 8) % 8, '\0'));
        if (bytes.isEmpty())
            bytes = QByteArray(8, '\0');
        QProcess process;
        process.start(openssl,
                      {QStringLiteral("enc"), QStringLiteral("-des-ecb"), QStringLiteral("-nopad"),
                       QStringLiteral("-K"), QString::fromLatin1(kFoldedProgramKey),
                       QStringLiteral("-provider"), QStringLiteral("legacy"),
                       QStringLiteral("-provider"), QStringLiteral("default")});
        QVERIFY(process.waitForStarted());
        process.write(bytes);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(10000));
        if (process.exitCode() != 0)
            QSKIP(qPrintable(QStringLiteral("openssl has no DES: ") +
                             QString::fromLocal8Bit(process.readAllStandardError())));
        const QByteArray expected = process.readAllStandardOutput().toHex().toUpper();
        QCOMPARE(desEncryptHex(plain, kKeyString).toLatin1(), expected);
    }
}

QTEST_APPLESS_MAIN(TestDes)
#include "tst_des.moc"
