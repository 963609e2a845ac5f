#include "ledger/records/recordform.h"

#include "ledger/core/datefield.h"
#include "ledger/core/formtools.h"
#include "ledger/core/standardicons.h"
#include "ledger/params/tfrmparam.h"
#include "ledger/records/amountfilter.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace ledger {

namespace {

enum Column { CaptionColumn, FieldColumn, MarkColumn, ButtonColumn };
const char kListButtonProperty[] = "listButton";
const char kFormRowProperty[] = "formRow";

bool isInside(const QWidget *widget, const QWidget *container) {
    return widget && (widget == container || container->isAncestorOf(widget));
}

} // namespace

RecordForm::RecordForm(QWidget *box) : QObject(box), m_box(box), m_grid(new QGridLayout(box)) {
    m_grid->setHorizontalSpacing(6);
    m_grid->setVerticalSpacing(8);
    m_grid->setColumnMinimumWidth(FieldColumn, 260);
    m_grid->setColumnStretch(FieldColumn, 1);
}

QLabel *RecordForm::addRow(const QString &caption, QWidget *field, bool required,
                           const QString &unit) {
    const int row = m_grid->rowCount();
    auto *label = new QLabel(caption, m_box);
    label->setBuddy(field);
    const bool tall = field->sizeHint().height() > 40;
    const Qt::Alignment vertical = tall ? Qt::AlignTop : Qt::AlignVCenter;
    label->setAlignment(Qt::AlignRight | vertical);
    m_grid->addWidget(label, row, CaptionColumn);
    if (unit.isEmpty()) {
        m_grid->addWidget(field, row, FieldColumn);
    } else {
        auto *pair = new QHBoxLayout;
        pair->setSpacing(4);
        pair->addWidget(field, 1);
        pair->addWidget(new QLabel(unit, m_box));
        m_grid->addLayout(pair, row, FieldColumn);
    }
    field->setProperty(kFormRowProperty, row);
    QLabel *mark = makeRequiredMark(m_box);
    mark->setAlignment(Qt::AlignLeft | vertical);
    mark->setVisible(required);
    m_grid->addWidget(mark, row, MarkColumn);
    if (!m_fields.isEmpty())
        QWidget::setTabOrder(m_fields.last(), field);
    m_fields.append(field);
    m_marks.insert(field, mark);
    return mark;
}

QComboBox *RecordForm::addCombo(const QString &name, const QString &caption) {
    auto *combo = new QComboBox(m_box);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    addRow(caption, combo, true);
    return combo;
}

QLineEdit *RecordForm::addEdit(const QString &name, const QString &caption, bool amount) {
    auto *edit = new QLineEdit(m_box);
    edit->setObjectName(name);
    if (amount)
        installAmountFilter(edit);
    addRow(caption, edit, true, amount ? QStringLiteral("元") : QString());
    return edit;
}

DateField *RecordForm::addDate(const QString &name, const QString &caption) {
    auto *date = new DateField(m_box);
    date->setObjectName(name);
    addRow(caption, date, true);
    return date;
}

QPlainTextEdit *RecordForm::addMemo(const QString &name) {
    auto *memo = new QPlainTextEdit(m_box);
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    memo->setFixedHeight(110);
    addRow(QStringLiteral("备注："), memo, false);
    return memo;
}

QToolButton *RecordForm::addListEditor(QComboBox *combo, const QString &name,
                                       const QString &listName,
                                       const std::function<void()> &refill) {
    QToolButton *button = addListButton(combo, name, false);
    connect(button, &QToolButton::clicked, this, [this, combo, listName, refill] {
        TfrmParam::showParamEditor(combo, listName, m_box->window(), refill);
    });
    return button;
}

QToolButton *RecordForm::addRefreshButton(QComboBox *combo, const QString &name,
                                          const std::function<void()> &reload) {
    QToolButton *button = addListButton(combo, name, true);
    connect(button, &QToolButton::clicked, this, reload);
    return button;
}

QToolButton *RecordForm::addListButton(QComboBox *combo, const QString &name, bool refresh) {
    auto *button = new QToolButton(m_box);
    button->setObjectName(name);
    button->setToolTip(refresh ? QStringLiteral("刷新列表") : QStringLiteral("编辑下拉列表"));
    button->setAutoRaise(true);
    // The combo keeps the focus while the button is clicked.
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(23, 21);
    button->setIcon(
        standardIcon(m_box, refresh ? QStyle::SP_BrowserReload : QStyle::SP_FileDialogListView));
    keepPlaceWhenHidden(button);
    button->hide();
    m_grid->addWidget(button, combo->property(kFormRowProperty).toInt(), ButtonColumn);
    combo->setProperty(kListButtonProperty, QVariant::fromValue<QObject *>(button));
    combo->installEventFilter(this);
    if (combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
    return button;
}

QWidget *RecordForm::firstField() const {
    for (QWidget *field : m_fields) {
        if (!field->isHidden() && field->isEnabled())
            return field;
    }
    return nullptr;
}

bool RecordForm::eventFilter(QObject *watched, QEvent *event) {
    // A combo's list button is shown while the combo (or its line edit) has the focus.
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    auto *combo = qobject_cast<QComboBox *>(watched);
    if (!combo && watched->parent())
        combo = qobject_cast<QComboBox *>(watched->parent());
    auto *button =
        combo ? qobject_cast<QWidget *>(combo->property(kListButtonProperty).value<QObject *>())
              : nullptr;
    if (!button)
        return false;
    if (event->type() == QEvent::FocusIn) {
        button->show();
        return false;
    }
    const auto reason = static_cast<QFocusEvent *>(event)->reason();
    const bool keep = reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
                      isInside(QApplication::focusWidget(), combo);
    if (!keep)
        button->hide();
    return false;
}

} // namespace ledger
