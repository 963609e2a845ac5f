#pragma once

#include <QString>
#include <functional>

namespace ledger {

// Told instead of a failure text when the ledger's file was replaced under the open connection.
QString ledgerReplacedText();

// Where a window meets a failed database call: runs action; a DbError is logged under `what`
// and, unless failureText is empty, shown in the information box (as ledgerReplacedText when
// another instance replaced the ledger file since it was opened). True when the action ran
// through.
bool guardDb(const char *what, const std::function<void()> &action,
             const QString &failureText = QString());

} // namespace ledger
