#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace skin {

// Reader of a skin package: unpacks it, checks its version, lists the entries and copies single
// entries out by name. Every length and size in the package is checked against the data; a
// package that fails any check is refused whole and the reader keeps what it held before.
class TSkinReader {
public:
    // Known versions and the size of the extra block each carries after the 16-byte header.
    static int ExtraBlockSize(quint32 version); // -1 for an unknown version

    // True when the package was read; false (reader unchanged) when it was refused. An unknown
    // version also reports the version message through ReportVersionMessage.
    bool LoadPackage(QByteArrayView source);
    bool LoadPackage(QIODevice *source); // reads the device from position 0 to its end

    // Unpacks a packed source (u32 size + LZHUF stream) into dest.
    static bool UnpackSkin(QByteArrayView source, QByteArray &dest, QString *error = nullptr);

    // Copies the entry whose name equals `name` (ASCII case-insensitive) into dest; false and
    // an empty dest when there is none.
    bool ExtractFile(const QString &name, QByteArray &dest) const;
    // Copies the first entry whose (lower-case) name contains `text` (case-sensitive) into dest
    // and sets entryName; no match empties dest and leaves entryName unchanged.
    bool ExtractFirstMatching(const QString &text, QByteArray &dest, QString &entryName) const;

    const QStringList &Names() const { return names; } // lower-case, in package order
    int Count() const { return int(names.size()); }
    quint32 Size(int index) const;         // 0 outside 0..Count()-1
    QByteArray EntryData(int index) const; // empty outside 0..Count()-1
    quint32 Version() const { return version; }
    quint32 NameListLength() const { return nameListLength; }
    // Why the last LoadPackage refused the package (empty after a success).
    QString LastError() const { return lastError; }

private:
    QStringList names;
    QList<quint32> sizes;
    QList<qsizetype> offsets;
    QByteArray data;
    quint32 version = 0;
    quint32 nameListLength = 0;
    QString lastError;
};

} // namespace skin
