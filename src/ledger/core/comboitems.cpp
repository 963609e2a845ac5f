#include "ledger/core/comboitems.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace ledger {

void fillComboItems(QComboBox *combo, const QStringList &values, bool clearFirst, bool emptyEntry) {
    if (!combo)
        return;
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    const int oldIndex = combo->currentIndex();
    if (clearFirst)
        combo->clear();
    if (emptyEntry)
        combo->addItem(QString());
    combo->addItems(values);
    // Adding to an empty combo selects the first item; the text shown must not change.
    if (combo->isEditable()) {
        combo->setEditText(text);
    } else if (!clearFirst && oldIndex >= 0) {
        combo->setCurrentIndex(oldIndex);
    } else {
        combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text));
    }
}

void setComboText(QComboBox *combo, const QString &text) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

QString trimmedText(QComboBox *combo) {
    const QString text = combo->currentText().trimmed();
    if (text != combo->currentText()) {
        const QSignalBlocker blocker(combo);
        combo->setEditText(text);
    }
    return text;
}

} // namespace ledger
