#include "ledger/core/fieldstyle.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace ledger {

void setFieldLocked(QWidget *field, bool locked) {
    QPalette palette = field->palette();
    const QColor base = locked ? QApplication::palette().color(QPalette::ToolTipBase)
                               : QApplication::palette().color(QPalette::Base);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, base);
    field->setPalette(palette);
}

} // namespace ledger
