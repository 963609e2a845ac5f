#pragma once

#include "ledger/app/paths.h"
#include "ledger/data/tfrmdm.h"

#include <QTemporaryDir>

namespace bench {

// One generated ledger file: `rows` income rows over the last ten years plus a tenth as many
// expense rows, inserted in one transaction.
class GeneratedLedger {
public:
    explicit GeneratedLedger(int rows);
    const ledger::DataPaths &paths() const { return m_paths; }

private:
    QTemporaryDir m_dir;
    ledger::DataPaths m_paths;
};

// The ledger of a size, generated once per run; one data module open at a time.
ledger::TfrmDM &openLedger(int rows);

} // namespace bench
