#include "ledger/core/files.h"

#include "common/atomicwrite.h"

#include <QFile>
#include <QFileInfo>

namespace ledger {

bool copyFileByStream(const QString &source, const QString &destination) {
    if (source == destination)
        return true;
    const QString sourcePath = QFileInfo(source).canonicalFilePath();
    if (!sourcePath.isEmpty() && sourcePath == QFileInfo(destination).canonicalFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    in.close();
    return common::writeFileAtomically(destination, data);
}

} // namespace ledger
