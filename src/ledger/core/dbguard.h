#pragma once

#include <QString>
#include <functional>

namespace ledger {

// Told instead of a failure text when the ledger's file was replaced under the open connection.
QString ledgerReplacedText();

// Where a window meets a failed database call: runs action; a DbError is logged under `what`
// and shown in the information box: as ledgerReplacedText when another instance replaced the
// ledger file since it was opened, otherwise as failureText unless that is empty. True when
// the action ran through.
bool guardDb(const char *what, const std::function<void()> &action,
             const QString &failureText = QString());

// As guardDb for reads made while a view paints, where no box may open: a failure is only
// logged, and a replaced ledger is told once the paint is over.
bool guardDbWhilePainting(const char *what, const std::function<void()> &action);

} // namespace ledger
