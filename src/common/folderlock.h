#pragma once

#include <QString>

namespace common {

// An advisory lock on a folder itself (flock on the folder), so no file is made and the lock
// ends with the process however it ends. Processes that share a folder take it shared while
// they have work under way there, and exclusive to do what no other may see half done (or to
// clean up what no live process still owns). Where nothing can be locked (a missing folder, a
// platform without such locks) nothing is held and nothing waits.
class FolderLock {
public:
    enum class Mode { Shared, Exclusive };
    enum class Wait { UntilFree, No };

    FolderLock(const QString &folder, Mode mode, Wait wait);
    ~FolderLock();
    FolderLock(FolderLock &&other) noexcept;
    FolderLock &operator=(FolderLock &&) = delete;
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // True when another holder kept the lock from this one (only with Wait::No); the folder is
    // then theirs to work in.
    bool heldElsewhere() const { return m_heldElsewhere; }

private:
    int m_folder = -1;
    bool m_heldElsewhere = false;
};

} // namespace common
