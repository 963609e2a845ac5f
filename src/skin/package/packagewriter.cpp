#include "skin/package/packagewriter.h"

#include "skin/package/lzhencoder.h"
#include "skin/package/lzhuf.h"
#include "skin/package/skinreader.h"

#include <QtEndian>

namespace skin {

namespace {

void AppendU32(QByteArray &out, quint32 value) {
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

} // namespace

bool TSkinPackageWriter::AddEntry(const QString &name, const QByteArray &bytes) {
    if (name.isEmpty() || name.contains(u'\r') || name.contains(u'\n') || name.contains(u'\0'))
        return false;
    for (QChar ch : name) {
        if (ch.unicode() > 0xFF)
            return false; // names are 8-bit text
    }
    entries.append({name.toLatin1(), bytes});
    return true;
}

QByteArray TSkinPackageWriter::Unpacked(quint32 version) const {
    const int extra = TSkinReader::ExtraBlockSize(version);
    if (extra < 0)
        return {};
    QByteArray nameList;
    quint64 total = 16 + quint64(extra);
    for (const Entry &e : entries) {
        nameList += e.name;
        nameList += "\r\n";
        total += 4 + quint64(e.bytes.size());
    }
    total += quint64(nameList.size());
    if (total > TLZH::MaxUnpackedSize)
        return {};

    QByteArray out;
    out.reserve(qsizetype(total));
    AppendU32(out, version);
    AppendU32(out, quint32(nameList.size()));
    AppendU32(out, 0);
    AppendU32(out, 0);
    out.append(qsizetype(extra), '\0');
    out += nameList;
    for (const Entry &e : entries)
        AppendU32(out, quint32(e.bytes.size()));
    for (const Entry &e : entries)
        out += e.bytes;
    return out;
}

QByteArray TSkinPackageWriter::Packed(quint32 version) const {
    const QByteArray plain = Unpacked(version);
    if (plain.isEmpty())
        return {};
    return TLZHEncoder::Pack(plain);
}

} // namespace skin
