#pragma once

#include <QString>

namespace ledger {

// Whole-file copy that replaces the destination atomically; true when the names are the same
// file (nothing is copied then), false on any failure.
bool copyFileByStream(const QString &source, const QString &destination);

} // namespace ledger
