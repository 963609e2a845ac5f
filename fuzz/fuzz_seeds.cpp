// Writes the fuzzer's seed corpus: small packages of every known version made by our writer,
// the colour-coded test skin (whole, and its INI alone), a bare INI text and an empty input.
#include "skin/package/packagewriter.h"
#include "support/skin/testskin.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace {

bool Write(const QDir &dir, const QString &name, const QByteArray &bytes) {
    QFile f(dir.filePath(name));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray TinyBitmap() {
    // 2x1, 24 bits: one magenta and one grey pixel, rows padded to 4 bytes.
    return QByteArray::fromHex("424d3e00000000000000360000002800000002000000010000000100180000"
                               "0000000800000000000000000000000000000000000000ff00ff808080"
                               "0000");
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2)
        return 2;
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    const QByteArray ini = "[Personality]\r\nTopHeight=5\r\n[Button]\r\nImage=b.bmp\r\n"
                           "Frames=0x2\r\nLeftWidth=$3\r\nColour=1 2 3\r\n; note\r\n";
    bool ok = Write(dir, QStringLiteral("ini.txt"), ini);
    ok = Write(dir, QStringLiteral("empty"), QByteArray()) && ok;
    for (quint32 version : {20000u, 30000u, 40000u, 50000u}) {
        skin::TSkinPackageWriter w;
        w.AddEntry(QStringLiteral("skin.ini"), ini);
        w.AddEntry(QStringLiteral("b.bmp"), TinyBitmap());
        ok = Write(dir, QStringLiteral("v%1.skn").arg(version), w.Packed(version)) && ok;
    }
    const skin::test::TTestSkin testSkin;
    ok = Write(dir, QStringLiteral("testskin.skn"), testSkin.Packed()) && ok;
    skin::TSkinPackageWriter iniOnly;
    iniOnly.AddEntry(skin::test::TTestSkin::IniName(), testSkin.Ini());
    ok = Write(dir, QStringLiteral("testskin-ini.skn"), iniOnly.Packed()) && ok;
    return ok ? 0 : 1;
}
