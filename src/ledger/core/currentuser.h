#pragma once

#include <QString>

namespace ledger {

// The logged-in user. currentLogName is set on every login attempt (the trimmed name typed),
// currentUserId only on a successful login.
extern QString currentLogName;
extern int currentUserId;

} // namespace ledger
