#include "common/atomicwrite.h"

#include "common/folderlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <cstdio>
#include <fcntl.h>
#endif

namespace common {

namespace {

constexpr qint64 kCopyPiece = 4 * 1024 * 1024;

bool fail(QString *error, const QString &what, const QString &path, const QString &why) {
    if (error)
        *error = what + QLatin1Char(' ') + path + QStringLiteral(": ") + why;
    return false;
}

// Writes all of data to the unbuffered file, going on after a short write: only the write
// that writes nothing tells the system's reason.
bool writeAll(QFileDevice &file, const char *data, qint64 size, QString *error) {
    while (size > 0) {
        const qint64 n = file.write(data, size);
        if (n <= 0)
            return fail(error, QStringLiteral("cannot write"), file.fileName(), file.errorString());
        data += n;
        size -= n;
    }
    return true;
}

// Copies the rest of in to the unbuffered out in pieces; out is left open either way.
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
        if (!writeAll(out, piece.constData(), n, error))
            return false;
        done += n;
        if (progress)
            progress(done, size);
    }
}

// Asks the system to put the unbuffered file on the disk and closes it, which is closed either
// way; a full disk may show at either step.
bool syncAndClose(QFile &file, QString *error) {
    QString why;
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        why = QString::fromLocal8Bit(std::strerror(errno));
#endif
    file.unsetError();
    file.close();
    if (why.isEmpty() && file.error() != QFileDevice::NoError)
        why = file.errorString();
    return why.isEmpty() || fail(error, QStringLiteral("cannot write"), file.fileName(), why);
}

// Creates the file path (failing when a file has that name), fills it unbuffered (a buffered
// rest that cannot be written loses the system's reason) and syncs it to the disk. On failure
// nothing of path is left.
bool writeNewFile(const QString &path, const std::function<bool(QFile &)> &fill, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return fail(error, QStringLiteral("cannot write"), path, file.errorString());
    if (fill(file) && syncAndClose(file, error))
        return true;
    file.close();
    QFile::remove(path);
    return false;
}

// Gives the file copy the name path, replacing a file of that name, or removes it.
bool renameOrDiscard(const QString &copy, const QString &path, QString *error) {
    if (renameReplacing(copy, path, error))
        return true;
    QFile::remove(copy);
    return false;
}

// The file that writing to path replaces: the target of a symbolic link, path otherwise.
QString replacedFile(const QString &path) {
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.filePath();
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
    return copyFileToNewFile(source, copy, progress, error) &&
           renameOrDiscard(copy, destination, error);
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    const QString target = replacedFile(path);
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isWritable())
        return fail(error, QStringLiteral("cannot write"), target,
                    QStringLiteral("the file is read-only"));
    const QString copy = uniqueNameBeside(target, kAtomicCopyTag);
    const auto fill = [&](QFile &file) {
        if (existing.exists() && !file.setPermissions(existing.permissions()))
            return fail(error, QStringLiteral("cannot write"), file.fileName(), file.errorString());
        return writeAll(file, bytes.constData(), bytes.size(), error);
    };
    return writeNewFile(copy, fill, error) && renameOrDiscard(copy, target, error);
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
    return writeNewFile(
        destination, [&](QFile &copy) { return copyContent(in, copy, progress, error); }, error);
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
