#pragma once

#include <QStringList>

class QComboBox;

namespace ledger {

// Puts values into the combo (after an empty entry when asked, after the present items unless
// clearFirst). The text shown stays as it was and no change signal fires.
void fillComboItems(QComboBox *combo, const QStringList &values, bool clearFirst, bool emptyEntry);

} // namespace ledger
