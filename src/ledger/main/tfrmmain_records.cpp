#include "ledger/main/tfrmmain.h"

namespace ledger {

void TfrmMain::createRecordPages() {}

void TfrmMain::openRecordPage(int pageIndex) {
    Q_UNUSED(pageIndex);
}

void TfrmMain::showIncome() {}

void TfrmMain::showOut() {}

} // namespace ledger
