#include "ledger/data/stagedrestore.h"

#include "ledger/data/db.h"

#include <utility>

namespace ledger {

StagedRestore::StagedRestore(common::FolderLock lock, const QString &ledgerFile,
                             const QString &copy)
    : m_lock(std::move(lock)), m_ledgerFile(ledgerFile), m_copy(copy) {}

StagedRestore::~StagedRestore() {
    if (!m_copy.isEmpty())
        Db::removeFile(m_copy); // while the lock is still held
}

StagedRestore::StagedRestore(StagedRestore &&other) noexcept
    : m_lock(std::move(other.m_lock)), m_ledgerFile(std::exchange(other.m_ledgerFile, {})),
      m_copy(std::exchange(other.m_copy, {})) {}

} // namespace ledger
