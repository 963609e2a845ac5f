#pragma once

#include <QString>

namespace ledger {

// Tells other running instances of the program that a restore is under way beside a ledger:
// an advisory lock on the ledger's folder itself, so that no file is made and the lock ends with
// the process however it ends. A starting instance leaves a restore's files alone while it is
// held. Where the platform has no such lock, nothing is held and nothing waits.
class RestoreLock {
public:
    enum class Wait { UntilFree, No };

    RestoreLock(const QString &ledgerFile, Wait wait);
    ~RestoreLock();
    RestoreLock(const RestoreLock &) = delete;
    RestoreLock &operator=(const RestoreLock &) = delete;

    // False when another process holds the lock (only with Wait::No).
    bool held() const { return m_held; }

private:
    int m_folder = -1;
    bool m_held = true;
};

} // namespace ledger
