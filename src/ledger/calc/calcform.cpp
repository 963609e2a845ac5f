#include "ledger/calc/calcform.h"

#include "ledger/core/fieldstyle.h"
#include "ledger/core/prompter.h"
#include "ledger/records/amountfilter.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace ledger {

namespace {

enum Column { CaptionColumn, FieldColumn, UnitColumn, RequiredColumn, BesideColumn, EndColumn };
constexpr int kFieldWidth = 170;

class FirstShowFilter : public QObject {
public:
    FirstShowFilter(QWidget *widget, std::function<void()> routine)
        : QObject(widget), m_routine(std::move(routine)) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            deleteLater();
            m_routine();
        }
        return false;
    }

private:
    std::function<void()> m_routine;
};

} // namespace

CalcForm::CalcForm(QWidget *box) : m_box(box), m_grid(new QGridLayout(box)) {
    m_grid->setHorizontalSpacing(6);
    m_grid->setVerticalSpacing(8);
    m_grid->setColumnStretch(EndColumn, 1);
}

int CalcForm::addCaption(const QString &caption, QWidget *field) {
    const int row = m_grid->rowCount();
    auto *label = new QLabel(caption, m_box);
    label->setBuddy(field);
    m_grid->addWidget(label, row, CaptionColumn, Qt::AlignRight | Qt::AlignVCenter);
    return row;
}

void CalcForm::addRow(const QString &caption, QWidget *field, const QString &unit, bool required,
                      QWidget *beside) {
    const int row = addCaption(caption, field);
    field->setFixedWidth(qMax(kFieldWidth, field->minimumSizeHint().width()));
    m_grid->addWidget(field, row, FieldColumn);
    if (!unit.isEmpty())
        m_grid->addWidget(new QLabel(unit, m_box), row, UnitColumn);
    if (required)
        m_grid->addWidget(makeRequiredMark(m_box), row, RequiredColumn);
    if (beside)
        m_grid->addWidget(beside, row, BesideColumn);
}

QLineEdit *CalcForm::addAmount(const QString &name, const QString &caption, const QString &unit,
                               QWidget *beside) {
    auto *edit = new QLineEdit(m_box);
    edit->setObjectName(name);
    installAmountFilter(edit);
    addRow(caption, edit, unit, true, beside);
    return edit;
}

void CalcForm::addWideRow(const QString &caption, QWidget *field) {
    m_grid->addWidget(field, addCaption(caption, field), FieldColumn, 1, EndColumn - FieldColumn);
}

QLineEdit *CalcForm::addResult(const QString &name, const QString &caption, const QString &unit) {
    auto *edit = new QLineEdit(m_box);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    setFieldLocked(edit, true);
    addRow(caption, edit, unit);
    return edit;
}

void onFirstShow(QWidget *widget, std::function<void()> routine) {
    widget->installEventFilter(new FirstShowFilter(widget, std::move(routine)));
}

QWidget *makeCalcButtons(QWidget *parent, const QString &okName, const QString &resetName,
                         QPushButton **ok, QPushButton **reset) {
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    *ok = new QPushButton(QStringLiteral("计算"), row);
    (*ok)->setObjectName(okName);
    *reset = new QPushButton(QStringLiteral("重置"), row);
    (*reset)->setObjectName(resetName);
    for (QPushButton *button : {*ok, *reset}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return row;
}

void refuseOutOfRange() {
    showInfo(QStringLiteral("计算结果超出范围，请检查输入。"));
}

bool resultsInRange(const QList<double> &values) {
    const bool finite = std::all_of(values.cbegin(), values.cend(),
                                    [](double value) { return std::isfinite(value); });
    if (!finite)
        refuseOutOfRange();
    return finite;
}

} // namespace ledger
