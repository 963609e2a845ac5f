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

} // namespace common
