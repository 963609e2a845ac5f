#include "ledger/data/restorelock.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace ledger {

RestoreLock::RestoreLock([[maybe_unused]] const QString &ledgerFile, [[maybe_unused]] Wait wait) {
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(ledgerFile).absolutePath());
    m_folder = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0)
        return; // nothing to lock: the restore fails on its own
    int rc;
    do
        rc = ::flock(m_folder, LOCK_EX | (wait == Wait::No ? LOCK_NB : 0));
    while (rc != 0 && errno == EINTR);
    m_held = rc == 0 || errno != EWOULDBLOCK;
#endif
}

RestoreLock::~RestoreLock() {
#ifdef Q_OS_UNIX
    if (m_folder >= 0)
        ::close(m_folder); // releases the lock
#endif
}

} // namespace ledger
