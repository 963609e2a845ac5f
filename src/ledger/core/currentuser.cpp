#include "ledger/core/currentuser.h"

namespace ledger {

QString currentLogName;
int currentUserId = 0;

} // namespace ledger
