#include "ledger/core/formtools.h"

#include "ledger/core/prompter.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ledger {

QLabel *makeRequiredMark(QWidget *parent) {
    auto *mark = new QLabel(QStringLiteral("*"), parent);
    QPalette red = mark->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    mark->setPalette(red);
    keepPlaceWhenHidden(mark);
    return mark;
}

void keepPlaceWhenHidden(QWidget *widget) {
    QSizePolicy keep = widget->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(keep);
}

bool rejectField(const QString &message, QWidget *field) {
    showInfo(message);
    if (field)
        field->setFocus(Qt::OtherFocusReason);
    return false;
}

void placeOnSheet(QWidget *sheet, QWidget *page) {
    auto *layout = sheet->layout() ? sheet->layout() : new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    page->setParent(sheet);
    layout->addWidget(page);
}

} // namespace ledger
