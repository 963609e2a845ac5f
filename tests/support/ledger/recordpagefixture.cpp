#include "support/ledger/recordpagefixture.h"

#include <QInputMethodEvent>
#include <QLineEdit>

namespace ledger::test {

void pickComboText(QComboBox *combo, const QString &text) {
    const int index = combo->findText(text);
    if (index >= 0) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return;
    }
    combo->lineEdit()->clear();
    combo->setFocus();
    QInputMethodEvent typed; // Chinese text comes through the input method
    typed.setCommitString(text);
    QApplication::sendEvent(combo->lineEdit(), &typed);
}

} // namespace ledger::test
