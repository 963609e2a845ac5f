#include "common/atomicwrite.h"

#include <QFile>
#include <QSaveFile>

namespace common {

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    if (ok && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    if (file.isOpen())
        file.cancelWriting();
    return false;
}

namespace {

constexpr qint64 kCopyPiece = 4 * 1024 * 1024;

bool fail(QString *error, const QString &what, const QString &path, const QString &why) {
    if (error)
        *error = what + QLatin1Char(' ') + path + QStringLiteral(": ") + why;
    return false;
}

} // namespace

bool copyFileAtomically(const QString &source, const QString &destination,
                        const std::function<void(qint64, qint64)> &progress, QString *error) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("cannot read"), source, in.errorString());
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("cannot write"), destination, out.errorString());
    const qint64 size = in.size();
    QByteArray piece(kCopyPiece, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        const qint64 n = in.read(piece.data(), piece.size());
        if (n < 0) {
            out.cancelWriting();
            return fail(error, QStringLiteral("cannot read"), source, in.errorString());
        }
        if (n == 0)
            break;
        if (out.write(piece.constData(), n) != n) {
            out.cancelWriting();
            return fail(error, QStringLiteral("cannot write"), destination, out.errorString());
        }
        done += n;
        if (progress)
            progress(done, size);
    }
    if (!out.commit())
        return fail(error, QStringLiteral("cannot write"), destination, out.errorString());
    return true;
}

} // namespace common
