#pragma once

#include <QString>
#include <functional>

namespace ledger {

// Where a window meets a failed database call: runs action; a DbError is logged under `what`
// and, unless failureText is empty, shown in the information box. True when the action ran
// through.
bool guardDb(const char *what, const std::function<void()> &action,
             const QString &failureText = QString());

} // namespace ledger
