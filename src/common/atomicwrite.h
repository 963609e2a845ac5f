#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace common {

// The tag of the unique files beside a target that writeFileAtomically and copyFileAtomically
// write before they take the target's name.
inline const QString kAtomicCopyTag = QStringLiteral("copy");

// Writes bytes to the file path names (a symbolic link's target, else path) whole or not at
// all: to a new file of a unique name beside it (uniqueNameBeside with the tag kAtomicCopyTag),
// synced to the disk and closed, then renamed over it (renameReplacing), so readers see the old
// file or the whole new one, never a half-written one. A replaced file keeps its permissions; a
// file this process may not write is not replaced. On failure of any step (also one the system
// tells only at the sync or the close, as a full disk may) the file is untouched, the unique
// file removed, and error (when given) names the file that failed and the system's reason. A
// process that ends midway leaves the unique file behind.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Copies source to destination the same way, in pieces, calling progress(bytes copied, size of
// source) after each: copyFileToNewFile to a unique name beside destination (uniqueNameBeside
// with the tag kAtomicCopyTag), then renameReplacing. On failure destination is untouched and
// error (when given) names the file that failed and why; a process that ends midway leaves that
// unique copy behind.
bool copyFileAtomically(const QString &source, const QString &destination,
                        const std::function<void(qint64, qint64)> &progress = {},
                        QString *error = nullptr);

// Gives the file from the name to in one step, replacing a file of that name. On failure error
// (when given) says why.
bool renameReplacing(const QString &from, const QString &to, QString *error = nullptr);

// Gives the file from the name to in one step that fails when to exists (QFile::rename may
// still copy over a file that appears meanwhile). On failure error (when given) says why.
bool renameWithoutReplacing(const QString &from, const QString &to, QString *error = nullptr);

// Copies source into a new file destination (failing when a file has that name), in pieces,
// calling progress(bytes copied, size of source) after each, and syncs it to the disk. On
// failure nothing of destination is left and error (when given) says why.
bool copyFileToNewFile(const QString &source, const QString &destination,
                       const std::function<void(qint64, qint64)> &progress = {},
                       QString *error = nullptr);

// A name beside path that no other process picks: path, a dot, tag, then "-<process id>-<eight
// hexadecimal digits>".
QString uniqueNameBeside(const QString &path, const QString &tag);
// The regular expression of the whole file names uniqueNameBeside gives for tag beside the
// files named by baseName (itself a regular expression).
QString uniqueNamePattern(const QString &baseName, const QString &tag);
// Removes the files of folder whose whole names match pattern.
void removeFilesNamed(const QString &folder, const QString &pattern);

// How copyFileToNewName ended.
enum class NewFileCopy {
    Created,      // destination is the new copy
    AlreadyThere, // a file of that name was there before or by the end; it is left as it is
    Failed,       // nothing new is left
};

// Copies source to destination unless a file has that name, never replacing one, so that two
// processes making the same file at once end up sharing one of them. The copy is written and
// synced under a unique name beside destination (uniqueNameBeside with the tag "new"), offered
// to accept (when given; false discards it as a failure), and then takes its name in a step that
// fails when the name is taken. Meanwhile a shared FolderLock on destination's folder tells that
// the copy is under way. error (when given) says why a copy failed.
NewFileCopy copyFileToNewName(const QString &source, const QString &destination,
                              const std::function<bool(const QString &copy)> &accept = {},
                              QString *error = nullptr);
// Removes the unique copies copyFileToNewName left beside destination when its process ended
// midway; while any process has such a copy under way there, nothing is removed.
void removeAbandonedCopies(const QString &destination);

} // namespace common
