#include "ledger/core/formtools.h"

#include "ledger/core/moneytext.h"
#include "ledger/core/prompter.h"

#include <QLabel>
#include <QLineEdit>
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

bool readAmountField(QLineEdit *field, const QString &name, double *value,
                     const QString &notANumber, std::optional<double> stored) {
    double typed = 0;
    switch (readAmount(field->text(), &typed)) {
    case AmountEntry::Kept:
        break;
    case AmountEntry::NotANumber:
        return rejectField(
            notANumber.isEmpty() ? QStringLiteral("请正确填写%1。").arg(name) : notANumber, field);
    case AmountEntry::TooManyDigits:
        return rejectField(QStringLiteral("%1的有效数字太多，最多15位。").arg(name), field);
    case AmountEntry::TooLarge:
        if (stored && typed == *stored)
            break;
        return rejectField(
            QStringLiteral("%1的整数部分太长，最多%2位。").arg(name).arg(kMaxWholeDigits), field);
    }
    *value = typed;
    return true;
}

void placeOnSheet(QWidget *sheet, QWidget *page) {
    auto *layout = sheet->layout() ? sheet->layout() : new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    page->setParent(sheet);
    layout->addWidget(page);
}

} // namespace ledger
