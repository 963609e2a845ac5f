#pragma once

#include <QStringList>

class QComboBox;

namespace ledger {

// Puts values into the combo (after an empty entry when asked, after the present items unless
// clearFirst). The text shown stays as it was and no change signal fires.
void fillComboItems(QComboBox *combo, const QStringList &values, bool clearFirst, bool emptyEntry);
// Shows the text with no entry selected and no change signal.
void setComboText(QComboBox *combo, const QString &text);
// The combo's text trimmed and written back.
QString trimmedText(QComboBox *combo);

} // namespace ledger
