#include "skin/package/lzhencoder.h"
#include "skin/package/packagewriter.h"
#include "skin/package/skinreader.h"
#include "skin/package/versionreporter.h"
#include "support/skin/samplebytes.h"

#include <QBuffer>
#include <QtEndian>
#include <QtTest>

using skin::TSkinPackageWriter;
using skin::TSkinReader;

namespace {

// Unpacked package laid out by hand, so that the reader is not checked against the writer only.
QByteArray HandMade(quint32 version, int extra, const QByteArray &nameList,
                    const QList<quint32> &sizes, const QByteArray &data) {
    QByteArray out(16 + extra + nameList.size() + 4 * sizes.size(), char(0xAA));
    qToLittleEndian<quint32>(version, out.data());
    qToLittleEndian<quint32>(quint32(nameList.size()), out.data() + 4);
    out.replace(16 + extra, nameList.size(), nameList);
    for (int i = 0; i < sizes.size(); ++i)
        qToLittleEndian<quint32>(sizes[i], out.data() + 16 + extra + nameList.size() + 4 * i);
    return skin::TLZHEncoder::Pack(out + data);
}

// Records the version messages for the lifetime of the object.
struct ReporterRecorder {
    QStringList messages;
    skin::VersionReporter previous =
        skin::SetVersionReporter([this](const QString &m) { messages << m; });
    ~ReporterRecorder() { skin::SetVersionReporter(std::move(previous)); }
};

QByteArray Entry(const TSkinReader &reader, const QString &name) {
    QByteArray out("stale");
    reader.ExtractFile(name, out);
    return out;
}

QByteArray Sample() {
    TSkinPackageWriter w;
    w.AddEntry("Skin.INI", "[Colours]\r\nButtonFace=212 208 200\r\n");
    w.AddEntry("Button.bmp", samplebytes::ImageLike(20000, 1));
    w.AddEntry("empty.bmp", QByteArray());
    w.AddEntry("Check.BMP", samplebytes::ImageLike(7000, 2));
    return w.Packed();
}

} // namespace

class TestSkinReader : public QObject {
    Q_OBJECT

private slots:
    void readsWrittenPackage();
    void everyVersionSkipsItsExtraBlock_data();
    void everyVersionSkipsItsExtraBlock();
    void unknownVersionReportsOnceAndKeepsOldSkin();
    void nameListSplitting();
    void extractFirstMatching();
    void manyEntries();
    void inconsistentTablesAreRefused_data();
    void inconsistentTablesAreRefused();
    void damagedPackagesAreRefused();
    void readsFromDevice();
    void writerRefusesBadInput();
};

void TestSkinReader::readsWrittenPackage() {
    TSkinReader reader;
    QVERIFY2(reader.LoadPackage(Sample()), qPrintable(reader.LastError()));
    QCOMPARE(reader.Version(), 20000u);
    QCOMPARE(reader.Names(), QStringList({"skin.ini", "button.bmp", "empty.bmp", "check.bmp"}));
    QCOMPARE(reader.NameListLength(), 44u);
    QCOMPARE(reader.Size(1), 20000u);
    QCOMPARE(reader.Size(-1), 0u);
    QCOMPARE(Entry(reader, "BUTTON.BMP"), samplebytes::ImageLike(20000, 1));
    QCOMPARE(Entry(reader, "check.bmp"), samplebytes::ImageLike(7000, 2));
    QCOMPARE(Entry(reader, "skin.ini"), QByteArray("[Colours]\r\nButtonFace=212 208 200\r\n"));
    for (const char *name : {"empty.bmp", "missing.bmp", "button"}) // exact names only
        QVERIFY2(Entry(reader, name).isEmpty(), name);
    QVERIFY(reader.EntryData(99).isEmpty());
}

void TestSkinReader::everyVersionSkipsItsExtraBlock_data() {
    QTest::addColumn<quint32>("version");
    QTest::addColumn<int>("extra");
    QTest::newRow("20000") << 20000u << 0;
    QTest::newRow("30000") << 30000u << 256;
    QTest::newRow("40000") << 40000u << 80;
    QTest::newRow("50000") << 50000u << 48;
}

void TestSkinReader::everyVersionSkipsItsExtraBlock() {
    QFETCH(quint32, version);
    QFETCH(int, extra);
    TSkinReader reader;
    QVERIFY2(reader.LoadPackage(HandMade(version, extra, "a.ini\r\nB.bmp\r\n", {3, 4}, "k=1abcd")),
             qPrintable(reader.LastError()));
    QCOMPARE(reader.Version(), version);
    QCOMPARE(reader.Names(), QStringList({"a.ini", "b.bmp"}));
    QCOMPARE(Entry(reader, "a.ini"), QByteArray("k=1"));
    QCOMPARE(Entry(reader, "b.bmp"), QByteArray("abcd"));
    TSkinPackageWriter w; // the writer lays out the same versions
    w.AddEntry("x.ini", "v");
    QVERIFY(reader.LoadPackage(w.Packed(version)));
    QCOMPARE(reader.Version(), version);
    QCOMPARE(Entry(reader, "x.ini"), QByteArray("v"));
}

void TestSkinReader::unknownVersionReportsOnceAndKeepsOldSkin() {
    {
        ReporterRecorder recorder;
        TSkinReader reader;
        QVERIFY(reader.LoadPackage(Sample()));
        QVERIFY(!reader.LoadPackage(HandMade(60000, 0, "new.ini\r\n", {1}, "x")));
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("此文件版本不同\n请升级新版本 !")});
        QVERIFY(reader.LastError().contains("60000"));
        QCOMPARE(reader.Version(), 20000u);
        QCOMPARE(Entry(reader, "button.bmp"), samplebytes::ImageLike(20000, 1));
        QVERIFY(!reader.LoadPackage(QByteArray("ab"))); // not a version problem: no message
        QCOMPARE(recorder.messages.size(), 1);
    }
    QTest::ignoreMessage(QtWarningMsg, "此文件版本不同\n请升级新版本 !"); // default: a warning only
    QVERIFY(!TSkinReader().LoadPackage(HandMade(1, 0, "", {}, "")));
}

void TestSkinReader::nameListSplitting() {
    TSkinReader reader;
    // Lone CR and LF end names too; an empty middle line is an entry; no final break needed.
    QVERIFY(reader.LoadPackage(HandMade(20000, 0, "a\rb\n\r\nc", {1, 1, 2, 1}, "ABCCD")));
    QCOMPARE(reader.Names(), QStringList({"a", "b", "", "c"}));
    QCOMPARE(Entry(reader, "c"), QByteArray("D"));
    QCOMPARE(Entry(reader, ""), QByteArray("CC"));
    // A NUL ends the list.
    QVERIFY(
        reader.LoadPackage(HandMade(20000, 0, QByteArray("x.ini\r\n\0y.bmp\r\n", 15), {2}, "k=")));
    QCOMPARE(reader.Names(), QStringList({"x.ini"}));
    // Only ASCII letters are lower-cased.
    QVERIFY(reader.LoadPackage(HandMade(20000, 0, "\xC4Z.BMP", {1}, "z")));
    QCOMPARE(reader.Names(), QStringList({QString::fromLatin1("\xC4z.bmp")}));
    QCOMPARE(Entry(reader, QString::fromLatin1("\xC4Z.bmp")), QByteArray("z"));
    QVERIFY(reader.LoadPackage(HandMade(20000, 0, "", {}, "tail")));
    QCOMPARE(reader.Count(), 0);
}

void TestSkinReader::extractFirstMatching() {
    TSkinReader reader;
    QVERIFY(reader.LoadPackage(
        HandMade(20000, 0, "a.bmp\r\nOne.ini\r\ntwo.ini\r\n", {1, 2, 3}, "A112223")));
    QByteArray out("stale");
    QString name("unchanged");
    QVERIFY(reader.ExtractFirstMatching(".ini", out, name));
    QCOMPARE(out, QByteArray("11"));
    QCOMPARE(name, QStringLiteral("one.ini"));
    name = "unchanged";
    QVERIFY(!reader.ExtractFirstMatching(".INI", out, name)); // names are lower case
    QVERIFY(out.isEmpty());
    QCOMPARE(name, QStringLiteral("unchanged"));
    out = "stale";
    QVERIFY(!reader.ExtractFirstMatching("", out, name));
    QVERIFY(out.isEmpty());
}

void TestSkinReader::manyEntries() {
    TSkinPackageWriter w;
    for (int i = 0; i < 1500; ++i)
        w.AddEntry(QStringLiteral("E%1.bmp").arg(i), QByteArray(i % 7, char('a' + i % 26)));
    TSkinReader reader;
    QVERIFY(reader.LoadPackage(w.Packed()));
    QCOMPARE(reader.Count(), 1500);
    for (int i : {0, 999, 1000, 1001, 1499})
        QCOMPARE(Entry(reader, QStringLiteral("e%1.bmp").arg(i)),
                 QByteArray(i % 7, char('a' + i % 26)));
}

void TestSkinReader::inconsistentTablesAreRefused_data() {
    QTest::addColumn<QByteArray>("packed");
    const auto withListLength = [](quint32 length) {
        QByteArray plain(16, '\0');
        qToLittleEndian<quint32>(20000, plain.data());
        qToLittleEndian<quint32>(length, plain.data() + 4);
        return skin::TLZHEncoder::Pack(plain + QByteArray("a\r\n\1\0\0\0x", 8));
    };
    QTest::newRow("shorter than the header")
        << skin::TLZHEncoder::Pack(QByteArray("\x20\x4E\0\0\x05\0\0\0", 8));
    QTest::newRow("name list length beyond the data") << withListLength(1000);
    QTest::newRow("name list length near 4 GiB") << withListLength(0xFFFFFFF0u);
    QTest::newRow("size table past the end") << HandMade(20000, 0, "a\r\nb\r\nc\r\n", {1}, "");
    QTest::newRow("sizes past the data") << HandMade(20000, 0, "a\r\nb\r\n", {2, 3}, "1234");
    QTest::newRow("sizes summing past 32 bits")
        << HandMade(20000, 0, "a\r\nb\r\n", {0xFFFFFFFFu, 2}, "1");
    QTest::newRow("extra block missing") << skin::TLZHEncoder::Pack(
        QByteArray::fromHex("30750000000000000000000000000000") + QByteArray(40, 'x'));
}

void TestSkinReader::inconsistentTablesAreRefused() {
    QFETCH(QByteArray, packed);
    TSkinReader reader;
    QVERIFY(reader.LoadPackage(Sample()));
    QVERIFY(!reader.LoadPackage(packed));
    QVERIFY(!reader.LastError().isEmpty());
    QCOMPARE(reader.Count(), 4); // the previous package stays
    QCOMPARE(Entry(reader, "check.bmp"), samplebytes::ImageLike(7000, 2));
}

void TestSkinReader::damagedPackagesAreRefused() {
    ReporterRecorder recorder; // random versions must not reach a real message box
    const QByteArray good = Sample();
    for (qsizetype keep = 0; keep < good.size(); keep += 1 + keep / 50) {
        TSkinReader reader;
        QVERIFY2(!reader.LoadPackage(good.first(keep)), qPrintable(QString::number(keep)));
        QCOMPARE(reader.Count(), 0);
    }
    for (quint32 seed = 1; seed < 300; ++seed) { // random bytes, also behind a plausible size
        QByteArray junk = samplebytes::Random(seed * 7 % 900, seed);
        QVERIFY(!TSkinReader().LoadPackage(junk));
        if (junk.size() >= 4) {
            qToLittleEndian<quint32>(seed * 131 % 4000 + 16, junk.data());
            QVERIFY(!TSkinReader().LoadPackage(junk));
        }
    }
}

void TestSkinReader::readsFromDevice() {
    QByteArray packed = Sample();
    QBuffer buffer(&packed);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    buffer.seek(10); // the package is read from its start
    TSkinReader reader;
    QVERIFY(reader.LoadPackage(&buffer));
    QCOMPARE(reader.Count(), 4);
    QVERIFY(!reader.LoadPackage(static_cast<QIODevice *>(nullptr)));
    QCOMPARE(reader.Count(), 4);
}

void TestSkinReader::writerRefusesBadInput() {
    TSkinPackageWriter w;
    for (const QString &name : {QString(), QString("a\r\nb"), QString("a\nb"), QString("图.bmp")})
        QVERIFY(!w.AddEntry(name, "x"));
    QCOMPARE(w.Count(), 0);
    QVERIFY(w.AddEntry("ok.ini", "x"));
    QVERIFY(w.Unpacked(12345).isEmpty());
    QVERIFY(w.Packed(60000).isEmpty());
}

QTEST_GUILESS_MAIN(TestSkinReader)
#include "tst_skinreader.moc"
