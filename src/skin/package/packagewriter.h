#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace skin {

// Builds a skin package from named entries: header, extra block (zero-filled for versions that
// carry one), names with CR LF, sizes, entry bytes; Packed() compresses it with TLZHEncoder.
class TSkinPackageWriter {
public:
    // Names must be non-empty and hold no CR or LF; returns false (nothing added) otherwise.
    bool AddEntry(const QString &name, const QByteArray &bytes);
    int Count() const { return int(entries.size()); }

    // Unpacked package bytes; empty for an unknown version or a package above the size cap.
    QByteArray Unpacked(quint32 version = 20000) const;
    // u32 size + LZHUF stream; empty when Unpacked() is.
    QByteArray Packed(quint32 version = 20000) const;

private:
    struct Entry {
        QByteArray name;
        QByteArray bytes;
    };
    QList<Entry> entries;
};

} // namespace skin
