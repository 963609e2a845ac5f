// libFuzzer target over the skin package path: the input is read as a packed skin package
// (unpack, tables, every entry, the INI, then the whole skin load of the skin-data component),
// and the same bytes are also packed by our encoder, which must give them back exactly.
#include "skin/data/tquickini.h"
#include "skin/data/tskindata.h"
#include "skin/package/lzhencoder.h"
#include "skin/package/lzhuf.h"
#include "skin/package/skinreader.h"
#include "skin/package/versionreporter.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace {

void ReadIni(const QByteArray &text) {
    skin::TQuickIni ini;
    ini.LoadFromBytes(text);
    QStringList sections;
    ini.ReadSections(sections);
    for (const QString &section : sections) {
        for (const char *key : {"Image", "Frames", "LeftWidth", "TopHeight", "Trans"}) {
            (void)ini.ReadString(section, QLatin1String(key), QString());
            (void)ini.ReadInteger(section, QLatin1String(key), -1);
        }
    }
    for (const QString &line : ini.Lines())
        (void)ini.ReadString(QStringLiteral("x"), skin::TQuickIni::KeyOfLine(line), QString());
}

void LoadPackage(QByteArrayView packed) {
    skin::TSkinReader reader;
    if (!reader.LoadPackage(packed))
        return;
    qsizetype total = 0;
    for (int i = 0; i < reader.Count(); ++i) {
        QByteArray bytes;
        reader.ExtractFile(reader.Names()[i], bytes);
        total += bytes.size() + reader.EntryData(i).size();
    }
    (void)total;
    QByteArray ini;
    QString name;
    if (reader.ExtractFirstMatching(QStringLiteral(".ini"), ini, name))
        ReadIni(ini);

    skin::TSkinData data;
    data.SetSkinStream(QByteArray(packed.data(), packed.size()));
    if (const auto skin = data.Objects())
        (void)skin->All();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const bool quiet = [] {
        skin::SetVersionReporter([](const QString &) {});
        return true;
    }();
    (void)quiet;

    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    LoadPackage(input);

    // The input as package content: our encoder's stream must decode to it exactly.
    const QByteArray packed = skin::TLZHEncoder::Pack(input);
    QByteArray back;
    if (!skin::TLZH::Unpack(packed, back) || back != input)
        std::abort();
    LoadPackage(packed);
    ReadIni(QByteArray(input.data(), input.size()));
    return 0;
}
