#include "packcommands.h"

#include "skin/package/lzhencoder.h"
#include "support/skin/classic_lzhuf.h"
#include "support/skin/samplebytes.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

using Command = int (*)(const QStringList &, QTextStream &, QTextStream &);
using Entries = QList<QPair<QByteArray, QByteArray>>;

struct Run {
    int code = -1;
    QString out, err;
};

Run Call(Command command, const QStringList &args) {
    Run run;
    QTextStream out(&run.out), err(&run.err);
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

// An unpacked package laid out by hand.
QByteArray Unpacked(const Entries &entries, quint32 version = 20000) {
    QByteArray names, sizes(4 * entries.size(), '\0'), data;
    for (int i = 0; i < entries.size(); ++i) {
        names += entries[i].first + "\r\n";
        qToLittleEndian<quint32>(quint32(entries[i].second.size()), sizes.data() + 4 * i);
        data += entries[i].second;
    }
    QByteArray out(16, '\0');
    qToLittleEndian<quint32>(version, out.data());
    qToLittleEndian<quint32>(quint32(names.size()), out.data() + 4);
    return out + names + sizes + data;
}

const Entries kEntries = {{"Skin.ini", "[Button]\r\nImage=button.bmp\r\n"},
                          {"button.bmp", samplebytes::ImageLike(30000, 21)},
                          {"check.bmp", samplebytes::ImageLike(5000, 22)}};

} // namespace

class TestPackCommands : public QObject {
    Q_OBJECT

private slots:
    void listsAndUnpacksClassicPackage();
    void packsFolderForClassicDecoder();
    void refusesBadPackages();
    void refusesUnsafeEntryNames();
    void packRefusesUnfitFolders();
};

void TestPackCommands::listsAndUnpacksClassicPackage() {
    QTemporaryDir dir;
    const QString skn = dir.filePath("classic.skn");
    QVERIFY(WriteFile(skn, classic_lzhuf::Encode(Unpacked(kEntries))));
    Run run = Call(skinpack::runList, {skn});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QStringLiteral("version 20000\nskin.ini\t28\nbutton.bmp\t30000\n"
                                     "check.bmp\t5000\n"));
    QVERIFY(run.err.isEmpty());

    const QString target = dir.filePath("out/deeper");
    QCOMPARE(Call(skinpack::runUnpack, {skn, target}).code, 0);
    QCOMPARE(QDir(target).entryList(QDir::Files, QDir::Name),
             QStringList({"button.bmp", "check.bmp", "skin.ini"}));
    for (const auto &e : kEntries)
        QCOMPARE(ReadFile(target + "/" + QString::fromLatin1(e.first).toLower()), e.second);

    QVERIFY(WriteFile(
        skn, classic_lzhuf::Encode(Unpacked(kEntries, 40000).insert(16, QByteArray(80, 'x')))));
    QVERIFY(Call(skinpack::runList, {skn}).out.startsWith("version 40000\nskin.ini\t28\n"));
    // Usage errors.
    QCOMPARE(Call(skinpack::runList, {"a", "b"}).code, 2);
    QCOMPARE(Call(skinpack::runUnpack, {"a"}).code, 2);
    QCOMPARE(Call(skinpack::runList, {"a", "--bogus"}).code, 2);
    QVERIFY(Call(skinpack::runPack, {"a"}).err.startsWith("usage: skinpack pack"));
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
    QCOMPARE(plain, Unpacked(kEntries));
}

void TestPackCommands::refusesBadPackages() {
    QTemporaryDir dir;
    const QString skn = dir.filePath("bad.skn");
    QVERIFY(WriteFile(skn, skin::TLZHEncoder::Pack(Unpacked(kEntries)).chopped(5)));
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
    for (const char *name : {"../escape.bmp", "sub/x.bmp", "..", "a\\b.bmp", ""}) {
        QTemporaryDir dir;
        const QString skn = dir.filePath("evil.skn");
        QVERIFY(
            WriteFile(skn, skin::TLZHEncoder::Pack(Unpacked({{"ok.ini", "k=v"}, {name, "x"}}))));
        QCOMPARE(Call(skinpack::runUnpack, {skn, dir.filePath("out")}).code, 1);
        QVERIFY(!QFileInfo::exists(dir.filePath("escape.bmp")));
        QVERIFY(!QFileInfo::exists(dir.filePath("out/ok.ini"))); // nothing is written
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
    QVERIFY(QDir().mkpath(dir.filePath("two")) && QDir().mkpath(dir.filePath("none")));
    QVERIFY(WriteFile(dir.filePath("two/a.ini"), "x") && WriteFile(dir.filePath("two/b.INI"), "y"));
    QVERIFY(WriteFile(dir.filePath("none/a.bmp"), "x"));
    for (const char *folder : {"two", "none", "absent"}) {
        QCOMPARE(Call(skinpack::runPack, {dir.filePath(folder), dir.filePath("x.skn")}).code, 1);
        QVERIFY(!QFileInfo::exists(dir.filePath("x.skn")));
    }
}

QTEST_GUILESS_MAIN(TestPackCommands)
#include "tst_packcommands.moc"
