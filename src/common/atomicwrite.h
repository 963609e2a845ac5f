#pragma once

#include <QByteArray>
#include <QString>

namespace common {

// Writes bytes to a temporary file beside path and renames it over path, so readers see the
// old file or the whole new one, never a half-written one. On failure path is untouched and
// error (when given) says why.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace common
