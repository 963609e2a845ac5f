#include "ledger/core/datefield.h"

#include "ledger/app/paths.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace ledger {

DateField::DateField(QWidget *parent) : QDateEdit(QDate::currentDate(), parent) {
    setDisplayFormat(QLatin1String(kDateFmt));
    setCalendarPopup(true);
    lineEdit()->installEventFilter(this);
}

bool DateField::focusNextPrevChild(bool next) {
    // The date edit would move between its sections; the widget's own rule leaves the field.
    return QWidget::focusNextPrevChild(next);
}

bool DateField::eventFilter(QObject *watched, QEvent *event) {
    // The press has put the cursor into a section; a selection the user made stays.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !isReadOnly() &&
        !lineEdit()->hasSelectedText())
        setSelectedSection(currentSection());
    return QDateEdit::eventFilter(watched, event);
}

} // namespace ledger
