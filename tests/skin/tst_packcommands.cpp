// The pack commands are compiled into this test directly: they belong to the skinpack tool,
// whose library the skin test area does not link.
#include "../../tools/skinpack/packcommands.cpp"

#include "skin/package/lzhencoder.h"
#include "support/skin/classic_lzhuf.h"
#include "support/skin/samplebytes.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run Call(int (*command)(const QStringList &, QTextStream &, QTextStream &),
         const QStringList &args) {
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = command(args, out, err);
    out.flush();
    err.flush();
    return run;
}

bool WriteFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// An unpacked version 20000 package laid out by hand.
QByteArray Unpacked(const QList<QPair<QByteArray, QByteArray>> &entries, quint32 version = 20000) {
    QByteArray names, sizes, data;
    for (const auto &e : entries) {
        names += e.first + "\r\n";
        char b[4];
        qToLittleEndian<quint32>(quint32(e.second.size()), b);
        sizes.append(b, 4);
        data += e.second;
    }
    QByteArray out(16, '\0');
    qToLittleEndian<quint32>(version, out.data());
    qToLittleEndian<quint32>(quint32(names.size()), out.data() + 4);
    return out + names + sizes + data;
}

const QList<QPair<QByteArray, QByteArray>> kEntries = {
    {"Skin.ini", "[Button]\r\nImage=button.bmp\r\n"},
    {"button.bmp", samplebytes::ImageLike(30000, 21)},
    {"check.bmp", samplebytes::ImageLike(5000, 22)},
};

} // namespace

class TestPackCommands : public QObject {
    Q_OBJECT

private slots:
    void listsClassicPackage();
    void unpacksExactBytes();
    void packsFolderForClassicDecoder();
    void refusesBadPackages();
    void refusesUnsafeEntryNames();
    void packRefusesUnfitFolders();
    void usageErrors();
};

void TestPackCommands::listsClassicPackage() {
    QTemporaryDir dir;
    const QString skn = dir.filePath("classic.skn");
    QVERIFY(WriteFile(skn, classic_lzhuf::Encode(Unpacked(kEntries))));
    const Run run = Call(skinpack::runList, {skn});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QStringLiteral("version 20000\nskin.ini\t28\nbutton.bmp\t30000\n"
                                     "check.bmp\t5000\n"));
    QVERIFY(run.err.isEmpty());

    QVERIFY(WriteFile(
        skn, classic_lzhuf::Encode(Unpacked(kEntries, 40000).insert(16, QByteArray(80, 'x')))));
    QVERIFY(Call(skinpack::runList, {skn}).out.startsWith("version 40000\nskin.ini\t28\n"));
}

void TestPackCommands::unpacksExactBytes() {
    QTemporaryDir dir;
    const QString skn = dir.filePath("classic.skn");
    QVERIFY(WriteFile(skn, classic_lzhuf::Encode(Unpacked(kEntries))));
    const QString target = dir.filePath("out/deeper");
    const Run run = Call(skinpack::runUnpack, {skn, target});
    QCOMPARE(run.code, 0);
    QCOMPARE(QDir(target).entryList(QDir::Files, QDir::Name),
             QStringList({"button.bmp", "check.bmp", "skin.ini"}));
    for (const auto &e : kEntries)
        QCOMPARE(ReadFile(target + "/" + QString::fromLatin1(e.first).toLower()), e.second);
}

void TestPackCommands::packsFolderForClassicDecoder() {
    QTemporaryDir dir;
    const QString src = dir.filePath("src");
    QVERIFY(QDir().mkpath(src));
    for (const auto &e : kEntries)
        QVERIFY(WriteFile(src + "/" + QString::fromLatin1(e.first), e.second));
    QVERIFY(WriteFile(src + "/notes.txt", "ignored"));
    const QString skn = dir.filePath("made.skn");
    const Run run = Call(skinpack::runPack, {src, skn});
    QCOMPARE(run.code, 0);
    QVERIFY(run.err.contains("notes.txt"));

    // The INI comes first, then the bitmaps by name; the classic decoder reads it exactly.
    QByteArray plain;
    QVERIFY(classic_lzhuf::Decode(ReadFile(skn), plain));
    QCOMPARE(plain, Unpacked({kEntries[0], kEntries[1], kEntries[2]}));

    // Packing what was unpacked gives the same package again.
    QCOMPARE(Call(skinpack::runUnpack, {skn, dir.filePath("again")}).code, 0);
    QCOMPARE(Call(skinpack::runPack, {dir.filePath("again"), dir.filePath("again.skn")}).code, 0);
    QByteArray plainAgain;
    QVERIFY(classic_lzhuf::Decode(ReadFile(dir.filePath("again.skn")), plainAgain));
    QCOMPARE(plainAgain.size(), plain.size());
    QCOMPARE(plainAgain.toLower(), plain.toLower()); // the reader lower-cased the names
}

void TestPackCommands::refusesBadPackages() {
    QTemporaryDir dir;
    const QString skn = dir.filePath("bad.skn");
    const QByteArray good = skin::TLZHEncoder::Pack(Unpacked(kEntries));

    QVERIFY(WriteFile(skn, good.chopped(5)));
    Run run = Call(skinpack::runList, {skn});
    QCOMPARE(run.code, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains("truncated"));
    QCOMPARE(Call(skinpack::runUnpack, {skn, dir.filePath("none")}).code, 1);
    QVERIFY(!QFileInfo::exists(dir.filePath("none")));

    QVERIFY(WriteFile(skn, skin::TLZHEncoder::Pack(Unpacked(kEntries, 60000))));
    run = Call(skinpack::runList, {skn});
    QCOMPARE(run.code, 1);
    QVERIFY(run.err.contains(QStringLiteral("此文件版本不同\n请升级新版本 !")));

    run = Call(skinpack::runList, {dir.filePath("missing.skn")});
    QCOMPARE(run.code, 1);
    QVERIFY(run.err.contains("missing.skn"));
}

void TestPackCommands::refusesUnsafeEntryNames() {
    for (const QByteArray &name : {QByteArray("../escape.bmp"), QByteArray("sub/x.bmp"),
                                   QByteArray(".."), QByteArray("a\\b.bmp"), QByteArray("")}) {
        QTemporaryDir dir;
        const QString skn = dir.filePath("evil.skn");
        QVERIFY(WriteFile(
            skn, skin::TLZHEncoder::Pack(Unpacked({{"ok.ini", "k=v"}, {name, "payload"}}))));
        const QString target = dir.filePath("out");
        const Run run = Call(skinpack::runUnpack, {skn, target});
        QCOMPARE(run.code, 1);
        QVERIFY(!QFileInfo::exists(dir.filePath("escape.bmp")));
        QVERIFY(!QFileInfo::exists(target + "/ok.ini")); // nothing is written
    }

    // A duplicate name: the first entry is the one the reader serves, and the one written.
    QTemporaryDir dir;
    const QString skn = dir.filePath("dup.skn");
    QVERIFY(WriteFile(
        skn, skin::TLZHEncoder::Pack(Unpacked({{"a.ini", "first"}, {"A.INI", "second"}}))));
    const Run run = Call(skinpack::runUnpack, {skn, dir.filePath("out")});
    QCOMPARE(run.code, 0);
    QVERIFY(run.err.contains("duplicate"));
    QCOMPARE(ReadFile(dir.filePath("out/a.ini")), QByteArray("first"));
}

void TestPackCommands::packRefusesUnfitFolders() {
    QTemporaryDir dir;
    const QString src = dir.filePath("two");
    QVERIFY(QDir().mkpath(src));
    QVERIFY(WriteFile(src + "/a.ini", "x"));
    QVERIFY(WriteFile(src + "/b.INI", "y"));
    QCOMPARE(Call(skinpack::runPack, {src, dir.filePath("x.skn")}).code, 1);
    QVERIFY(!QFileInfo::exists(dir.filePath("x.skn")));

    const QString none = dir.filePath("none");
    QVERIFY(QDir().mkpath(none));
    QVERIFY(WriteFile(none + "/a.bmp", "x"));
    QCOMPARE(Call(skinpack::runPack, {none, dir.filePath("y.skn")}).code, 1);
    QCOMPARE(Call(skinpack::runPack, {dir.filePath("absent"), dir.filePath("z.skn")}).code, 1);
}

void TestPackCommands::usageErrors() {
    QCOMPARE(Call(skinpack::runList, {}).code, 2);
    QCOMPARE(Call(skinpack::runList, {"a", "b"}).code, 2);
    QCOMPARE(Call(skinpack::runUnpack, {"a"}).code, 2);
    const Run run = Call(skinpack::runPack, {"a"});
    QCOMPARE(run.code, 2);
    QVERIFY(run.err.startsWith("usage: skinpack pack"));
}

QTEST_GUILESS_MAIN(TestPackCommands)
#include "tst_packcommands.moc"
