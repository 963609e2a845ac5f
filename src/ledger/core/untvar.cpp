#include "ledger/core/untvar.h"

namespace ledger {

QString currentLogName;
int currentUserId = 0;

} // namespace ledger
