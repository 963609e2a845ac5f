#pragma once

#include <QString>
#include <functional>

namespace common {

// An advisory lock on a folder itself (flock on the folder), so no file is made and the lock
// ends with the process however it ends. Processes that share a folder take it shared while
// they have work under way there, and exclusive to do what no other may see half done (or to
// clean up what no live process still owns). Where nothing can be locked (a missing folder, a
// platform or file system without such locks) nothing is held and nothing waits.
class FolderLock {
public:
    enum class Mode { Shared, Exclusive };
    enum class Wait { UntilFree, No };
    // Asked each time the lock is found held by another: true waits on, false gives up.
    using KeepWaiting = std::function<bool()>;
    // How often a wait that may be given up tries the lock again.
    static constexpr int kRetryMs = 50;

    FolderLock(const QString &folder, Mode mode, Wait wait);
    // Waits for the lock as long as keepWaiting answers true; it is asked at once when the lock
    // is held, then every kRetryMs. Given up, nothing is held and heldElsewhere() is true.
    FolderLock(const QString &folder, Mode mode, const KeepWaiting &keepWaiting);
    ~FolderLock();
    FolderLock(FolderLock &&other) noexcept;
    FolderLock &operator=(FolderLock &&) = delete;
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // True when another holder kept the lock from this one (with Wait::No, or a wait given
    // up); the folder is then theirs to work in.
    bool heldElsewhere() const { return m_heldElsewhere; }

private:
    void lock(const QString &folder, Mode mode, const KeepWaiting &keepWaiting, bool block);

    int m_folder = -1;
    bool m_heldElsewhere = false;
};

} // namespace common
