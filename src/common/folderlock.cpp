#include "common/folderlock.h"

#include <QFile>
#include <chrono>
#include <thread>
#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace common {

FolderLock::FolderLock(const QString &folder, Mode mode, Wait wait) {
    lock(folder, mode, {}, wait == Wait::UntilFree);
}

FolderLock::FolderLock(const QString &folder, Mode mode, const KeepWaiting &keepWaiting) {
    lock(folder, mode, keepWaiting, false);
}

void FolderLock::lock([[maybe_unused]] const QString &folder, [[maybe_unused]] Mode mode,
                      [[maybe_unused]] const KeepWaiting &keepWaiting,
                      [[maybe_unused]] bool block) {
#ifdef Q_OS_UNIX
    m_folder = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0)
        return; // nothing to lock
    const int operation = (mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) | (block ? 0 : LOCK_NB);
    for (;;) {
        int rc;
        do
            rc = ::flock(m_folder, operation);
        while (rc != 0 && errno == EINTR);
        if (rc == 0) {
            m_heldElsewhere = false;
            return;
        }
        m_heldElsewhere = errno == EWOULDBLOCK;
        if (!m_heldElsewhere || !keepWaiting || !keepWaiting())
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(kRetryMs));
    }
    ::close(std::exchange(m_folder, -1));
#endif
}

FolderLock::~FolderLock() {
#ifdef Q_OS_UNIX
    if (m_folder >= 0)
        ::close(m_folder); // releases the lock
#endif
}

FolderLock::FolderLock(FolderLock &&other) noexcept
    : m_folder(std::exchange(other.m_folder, -1)), m_heldElsewhere(other.m_heldElsewhere) {}

} // namespace common
