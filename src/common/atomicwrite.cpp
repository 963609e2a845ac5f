#include "common/atomicwrite.h"

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

} // namespace common
