#pragma once

#include "common/folderlock.h"

#include <QString>

namespace ledger {

// A restore's copy of the chosen file, verified beside the ledger and waiting to be swapped in
// (DbBackup::stageRestore makes it, DbBackup::swapIn takes it). It holds the exclusive lock of
// the ledger's folder from the start of the staging to the end of the swap, so one restore runs
// at a time across the instances sharing the folder and none settles another's files. Destroyed,
// it removes its copy unless that has taken the ledger's name.
class StagedRestore {
public:
    StagedRestore(common::FolderLock lock, const QString &ledgerFile, const QString &copy);
    ~StagedRestore();
    StagedRestore(StagedRestore &&other) noexcept;
    StagedRestore &operator=(StagedRestore &&) = delete;
    StagedRestore(const StagedRestore &) = delete;
    StagedRestore &operator=(const StagedRestore &) = delete;

    QString ledgerFile() const { return m_ledgerFile; }
    QString copy() const { return m_copy; } // empty when moved from

private:
    common::FolderLock m_lock;
    QString m_ledgerFile;
    QString m_copy;
};

} // namespace ledger
