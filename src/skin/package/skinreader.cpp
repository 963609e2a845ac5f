#include "skin/package/skinreader.h"

#include "skin/package/asciicase.h"
#include "skin/package/lzhuf.h"
#include "skin/package/versionreporter.h"

#include <QIODevice>
#include <QtEndian>

namespace skin {

namespace {

constexpr quint64 HeaderSize = 16;

quint32 ReadU32(const QByteArray &bytes, quint64 offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// Splits text the way a string list takes it: CR LF, CR or LF end a line, a final line break
// adds no line, a NUL ends the text.
QStringList SplitNames(QByteArrayView text) {
    QStringList lines;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] != '\0') {
        const qsizetype start = i;
        while (i < n && text[i] != '\0' && text[i] != '\r' && text[i] != '\n')
            ++i;
        lines.append(QString::fromLatin1(text.sliced(start, i - start)));
        if (i < n && text[i] == '\r')
            ++i;
        if (i < n && text[i] == '\n')
            ++i;
    }
    return lines;
}

} // namespace

int TSkinReader::ExtraBlockSize(quint32 version) {
    switch (version) {
    case 20000:
        return 0;
    case 30000:
        return 256;
    case 40000:
        return 80;
    case 50000:
        return 48;
    default:
        return -1;
    }
}

bool TSkinReader::UnpackSkin(QByteArrayView source, QByteArray &dest, QString *error) {
    return TLZH::Unpack(source, dest, error);
}

bool TSkinReader::LoadPackage(QIODevice *source) {
    if (!source) {
        lastError = QStringLiteral("no skin package");
        return false;
    }
    if (!source->isOpen() && !source->open(QIODevice::ReadOnly)) {
        lastError = QStringLiteral("skin package cannot be read");
        return false;
    }
    source->seek(0);
    return LoadPackage(QByteArrayView(source->readAll()));
}

bool TSkinReader::LoadPackage(QByteArrayView source) {
    auto refuse = [this](const QString &why) {
        lastError = why;
        return false;
    };
    QByteArray unpacked;
    QString error;
    if (!UnpackSkin(source, unpacked, &error))
        return refuse(error);
    const quint64 total = quint64(unpacked.size());
    if (total < HeaderSize)
        return refuse(QStringLiteral("skin package shorter than its header"));

    const quint32 newVersion = ReadU32(unpacked, 0);
    const int extra = ExtraBlockSize(newVersion);
    if (extra < 0) {
        ReportVersionMessage(UnknownVersionMessage());
        return refuse(QStringLiteral("unknown skin package version %1").arg(newVersion));
    }
    const quint32 listLength = ReadU32(unpacked, 4);
    const quint64 namesAt = HeaderSize + quint64(extra);
    if (namesAt + listLength > total)
        return refuse(QStringLiteral("skin package name list runs past its end"));

    QStringList newNames =
        SplitNames(QByteArrayView(unpacked).sliced(qsizetype(namesAt), qsizetype(listLength)));
    for (QString &name : newNames)
        name = AsciiLower(name);
    const quint64 sizesAt = namesAt + listLength;
    const quint64 dataAt = sizesAt + 4 * quint64(newNames.size());
    if (dataAt > total)
        return refuse(QStringLiteral("skin package size table runs past its end"));

    QList<quint32> newSizes;
    QList<qsizetype> newOffsets;
    newSizes.reserve(newNames.size());
    newOffsets.reserve(newNames.size());
    quint64 offset = 0;
    for (qsizetype i = 0; i < newNames.size(); ++i) {
        const quint32 size = ReadU32(unpacked, sizesAt + 4 * quint64(i));
        newSizes.append(size);
        newOffsets.append(qsizetype(offset));
        offset += size;
    }
    if (offset > total - dataAt)
        return refuse(QStringLiteral("skin package entries run past its end"));

    names = std::move(newNames);
    sizes = std::move(newSizes);
    offsets = std::move(newOffsets);
    data = unpacked.sliced(qsizetype(dataAt));
    version = newVersion;
    nameListLength = listLength;
    lastError.clear();
    return true;
}

quint32 TSkinReader::Size(int index) const {
    return index >= 0 && index < sizes.size() ? sizes[index] : 0;
}

QByteArray TSkinReader::EntryData(int index) const {
    if (index < 0 || index >= sizes.size())
        return {};
    return data.sliced(offsets[index], qsizetype(sizes[index]));
}

bool TSkinReader::ExtractFile(const QString &name, QByteArray &dest) const {
    dest.clear();
    const int index = int(names.indexOf(AsciiLower(name)));
    if (index < 0)
        return false;
    dest = EntryData(index);
    return true;
}

bool TSkinReader::ExtractFirstMatching(const QString &text, QByteArray &dest,
                                       QString &entryName) const {
    dest.clear();
    if (text.isEmpty())
        return false;
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].contains(text, Qt::CaseSensitive)) {
            dest = EntryData(i);
            entryName = names[i];
            return true;
        }
    }
    return false;
}

} // namespace skin
