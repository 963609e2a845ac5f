#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace common {

// Writes bytes to a temporary file beside path and renames it over path, so readers see the
// old file or the whole new one, never a half-written one. On failure path is untouched and
// error (when given) says why.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Copies source to destination the same way, in pieces, calling progress(bytes copied, size of
// source) after each. On failure destination is untouched and error (when given) names the file
// that failed and why.
bool copyFileAtomically(const QString &source, const QString &destination,
                        const std::function<void(qint64, qint64)> &progress = {},
                        QString *error = nullptr);

// Gives the file from the name to in one step that fails when to exists (QFile::rename may
// still copy over a file that appears meanwhile). On failure error (when given) says why.
bool renameWithoutReplacing(const QString &from, const QString &to, QString *error = nullptr);

// How copyFileToNewName ended.
enum class NewFileCopy {
    Created,      // destination is the new copy
    AlreadyThere, // a file of that name was there before or by the end; it is left as it is
    Failed,       // nothing new is left
};

// Copies source to destination unless a file has that name, never replacing one, so that two
// processes making the same file at once end up sharing one of them. The copy is written and
// synced under a unique name beside destination, offered to accept (when given; false discards
// it as a failure), and then takes its name in a step that fails when the name is taken.
// error (when given) says why a copy failed.
NewFileCopy copyFileToNewName(const QString &source, const QString &destination,
                              const std::function<bool(const QString &copy)> &accept = {},
                              QString *error = nullptr);

} // namespace common
