#pragma once

#include <QByteArray>
#include <QString>
#include <sys/resource.h>

namespace ledger::test {

QByteArray readFile(const QString &path); // empty when unreadable
bool writeFile(const QString &path, const QByteArray &bytes);

// Whether process pid waits for a lock taken with flock, such as a FolderLock (Linux's
// /proc/locks lists each waiter).
bool waitsForLock(qint64 pid);

// Limits the size of files this process may write while it lives, so that writes past the
// limit fail as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace ledger::test
