#include "ledger/core/files.h"

#include "common/atomicwrite.h"

#include <QFileInfo>

namespace ledger {

bool copyFileByStream(const QString &source, const QString &destination) {
    if (source == destination)
        return true;
    const QString sourcePath = QFileInfo(source).canonicalFilePath();
    if (!sourcePath.isEmpty() && sourcePath == QFileInfo(destination).canonicalFilePath())
        return true;
    return common::copyFileAtomically(source, destination);
}

} // namespace ledger
