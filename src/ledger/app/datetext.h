#pragma once

#include <QDateTime>
#include <QString>

namespace ledger {

// "Y-M-D" with an optional "h:m[:s]", unpadded numbers allowed; the current time on bad text.
QDateTime parseDateTime(const QString &text);

} // namespace ledger
