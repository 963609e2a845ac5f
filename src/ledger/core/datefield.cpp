#include "ledger/core/datefield.h"

#include "ledger/app/paths.h"

namespace ledger {

DateField::DateField(QWidget *parent) : QDateEdit(QDate::currentDate(), parent) {
    setDisplayFormat(QLatin1String(kDateFmt));
    setCalendarPopup(true);
}

bool DateField::focusNextPrevChild(bool next) {
    // The date edit would move between its sections; the widget's own rule leaves the field.
    return QWidget::focusNextPrevChild(next);
}

} // namespace ledger
