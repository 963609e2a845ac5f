#include "common/atomicwrite.h"

#include "common/folderlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#endif

namespace common {

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    QSaveFile file(path);
    // Flushed here: commit() does not tell a buffered rest it could not write.
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
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

// Copies the rest of in to out in pieces; out is left open either way.
bool copyContent(QFile &in, QFileDevice &out, const std::function<void(qint64, qint64)> &progress,
                 QString *error) {
    const qint64 size = in.size();
    QByteArray piece(kCopyPiece, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        const qint64 n = in.read(piece.data(), piece.size());
        if (n < 0)
            return fail(error, QStringLiteral("cannot read"), in.fileName(), in.errorString());
        if (n == 0)
            return true;
        if (out.write(piece.constData(), n) != n)
            return fail(error, QStringLiteral("cannot write"), out.fileName(), out.errorString());
        done += n;
        if (progress)
            progress(done, size);
    }
}

// Writes what is buffered and asks the system to put it on the disk.
bool syncToDisk(QFile &file) {
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

const QString kNewCopyTag = QStringLiteral("new");

} // namespace

QString uniqueNameBeside(const QString &path, const QString &tag) {
    return QStringLiteral("%1.%2-%3-%4")
        .arg(path, tag)
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

QString uniqueNamePattern(const QString &baseName, const QString &tag) {
    return baseName + QStringLiteral("\\.") + QRegularExpression::escape(tag) +
           QStringLiteral("-\\d+-[0-9a-f]{8}");
}

void removeFilesNamed(const QString &folder, const QString &pattern) {
    const QRegularExpression names(QRegularExpression::anchoredPattern(pattern));
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (names.match(name).hasMatch())
            dir.remove(name);
}

bool copyFileAtomically(const QString &source, const QString &destination,
                        const std::function<void(qint64, qint64)> &progress, QString *error) {
    const QString copy = uniqueNameBeside(destination, kAtomicCopyTag);
    if (!copyFileToNewFile(source, copy, progress, error))
        return false;
    if (renameReplacing(copy, destination, error))
        return true;
    QFile::remove(copy);
    return false;
}

bool renameReplacing(const QString &from, const QString &to, QString *error) {
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), ec);
    if (ec)
        return fail(error, QStringLiteral("cannot rename"), from + QStringLiteral(" to ") + to,
                    QString::fromLocal8Bit(ec.message().c_str()));
    return true;
}

bool renameWithoutReplacing(const QString &from, const QString &to, QString *error) {
#ifdef Q_OS_LINUX
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                    QFile::encodeName(to).constData(), RENAME_NOREPLACE) == 0)
        return true;
    // Some file systems know no such rename; a hard link never replaces a file either.
    if (errno != EINVAL && errno != ENOSYS)
        return fail(error, QStringLiteral("cannot rename"), from + QStringLiteral(" to ") + to,
                    QString::fromLocal8Bit(std::strerror(errno)));
#endif
    const std::filesystem::path source(from.toStdU16String());
    std::error_code ec;
    std::filesystem::create_hard_link(source, std::filesystem::path(to.toStdU16String()), ec);
    if (ec)
        return fail(error, QStringLiteral("cannot rename"), from + QStringLiteral(" to ") + to,
                    QString::fromLocal8Bit(ec.message().c_str()));
    std::filesystem::remove(source, ec);
    return true;
}

bool copyFileToNewFile(const QString &source, const QString &destination,
                       const std::function<void(qint64, qint64)> &progress, QString *error) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("cannot read"), source, in.errorString());
    QFile copy(destination);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(error, QStringLiteral("cannot write"), destination, copy.errorString());
    const bool copied = copyContent(in, copy, progress, error) &&
                        (syncToDisk(copy) || fail(error, QStringLiteral("cannot write"),
                                                  destination, copy.errorString()));
    if (!copied) {
        // Removed by name: QFile::remove keeps a file whose buffered rest cannot be written.
        copy.close();
        QFile::remove(destination);
    }
    return copied;
}

NewFileCopy copyFileToNewName(const QString &source, const QString &destination,
                              const std::function<bool(const QString &)> &accept, QString *error) {
    if (QFileInfo::exists(destination))
        return NewFileCopy::AlreadyThere;
    const FolderLock underWay(QFileInfo(destination).absolutePath(), FolderLock::Mode::Shared,
                              FolderLock::Wait::UntilFree);
    const QString copy = uniqueNameBeside(destination, kNewCopyTag);
    if (!copyFileToNewFile(source, copy, {}, error))
        return NewFileCopy::Failed;
    const auto discard = [&copy](NewFileCopy result) {
        QFile::remove(copy);
        return result;
    };
    if (accept && !accept(copy)) {
        fail(error, QStringLiteral("not accepted:"), source,
             QStringLiteral("its copy was refused"));
        return discard(NewFileCopy::Failed);
    }
    if (renameWithoutReplacing(copy, destination, error))
        return NewFileCopy::Created;
    return discard(QFileInfo::exists(destination) ? NewFileCopy::AlreadyThere
                                                  : NewFileCopy::Failed);
}

void removeAbandonedCopies(const QString &destination) {
    const QFileInfo target(destination);
    const FolderLock noCopyUnderWay(target.absolutePath(), FolderLock::Mode::Exclusive,
                                    FolderLock::Wait::No);
    if (noCopyUnderWay.heldElsewhere())
        return;
    removeFilesNamed(target.absolutePath(),
                     uniqueNamePattern(QRegularExpression::escape(target.fileName()), kNewCopyTag));
}

} // namespace common
