#include "ledger/calc/savingstab.h"

#include "ledger/app/paths.h"
#include "ledger/core/datefield.h"
#include "ledger/core/moneytext.h"
#include "ledger/core/prompter.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ledger {

SavingsTab::SavingsTab(const QString &sheetName, const QString &word, QWidget *parent)
    : QWidget(parent), m_word(word), m_form(new QWidget(this)) {
    setObjectName(sheetName);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 12);
    outer->addWidget(m_form.box());
    outer->addStretch(1);
    onFirstShow(this, [this] { reset(); });
}

QDateEdit *SavingsTab::addDate(const QString &suffix, const QString &caption) {
    auto *date = new DateField(m_form.box());
    date->setObjectName(QStringLiteral("dtp_%1_%2").arg(m_word, suffix));
    m_form.addRow(caption, date);
    m_dates.append(date);
    return date;
}

QLineEdit *SavingsTab::addAmount(const QString &caption, double minimum,
                                 const QString &minimumMessage, const QString &hint) {
    m_minimum = minimum;
    m_minimumMessage = minimumMessage;
    if (minimum > 0) {
        m_hint = new QLabel(hint, m_form.box());
        m_hint->setObjectName(QStringLiteral("lbl_%1_fundsnum").arg(m_word));
        QPalette palette = m_hint->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        m_hint->setPalette(palette);
        keepPlaceWhenHidden(m_hint);
        m_hint->hide();
    }
    m_amount = m_form.addAmount(QStringLiteral("edt_%1_fundsnum").arg(m_word), caption,
                                QStringLiteral("元"), m_hint);
    if (m_hint)
        m_amount->installEventFilter(this);
    return m_amount;
}

QLineEdit *SavingsTab::addRate(const QString &initial) {
    m_rate = m_form.addAmount(QStringLiteral("edt_%1_lilv").arg(m_word), QStringLiteral("年利率："),
                              QStringLiteral("%"));
    m_rate->setText(initial);
    return m_rate;
}

QComboBox *SavingsTab::addTerms(const QList<SavingsTerm> &terms) {
    m_terms = terms;
    m_term = new QComboBox(m_form.box());
    m_term->setObjectName(QStringLiteral("cbb_%1_qixian").arg(m_word));
    for (const SavingsTerm &term : terms)
        m_term->addItem(QString::fromUtf8(term.caption));
    m_form.addRow(QStringLiteral("储蓄存期："), m_term);
    connect(m_term, &QComboBox::activated, this, &SavingsTab::termChosen);
    return m_term;
}

void SavingsTab::addChoice(const QString &caption, const QList<SavingsChoice> &choices,
                           bool resetWithTab) {
    m_choices = choices;
    m_resetChoice = resetWithTab;
    m_choice = new QButtonGroup(this);
    auto *row = new QWidget(m_form.box());
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const SavingsChoice &choice : choices) {
        auto *radio = new QRadioButton(QString::fromUtf8(choice.caption), row);
        radio->setObjectName(QString::fromLatin1(choice.name));
        m_choice->addButton(radio, choice.id);
        layout->addWidget(radio);
    }
    layout->addStretch(1);
    m_choice->buttons().constFirst()->setChecked(true);
    // Checking a radio in code writes its rate as a click does.
    connect(m_choice, &QButtonGroup::idToggled, this, &SavingsTab::choiceToggled);
    m_form.addWideRow(caption, row);
}

void SavingsTab::addButtons() {
    QPushButton *ok = nullptr;
    QPushButton *resetButton = nullptr;
    m_form.addWideRow({}, makeCalcButtons(m_form.box(), QStringLiteral("btn_%1_ok").arg(m_word),
                                          QStringLiteral("btn_%1_reset").arg(m_word), &ok,
                                          &resetButton));
    connect(ok, &QPushButton::clicked, this, &SavingsTab::calculate);
    connect(resetButton, &QPushButton::clicked, this, &SavingsTab::reset);
}

QLineEdit *SavingsTab::addResult(const QString &name, const QString &caption, bool money) {
    m_results.append(m_form.addResult(name, caption, money ? QStringLiteral("元") : QString()));
    return m_results.constLast();
}

void SavingsTab::termChosen() {
    const int index = m_term->currentIndex();
    if (index >= 0 && index < m_terms.size())
        m_rate->setText(QString::fromLatin1(m_terms.at(index).rate));
}

void SavingsTab::choiceToggled(int id, bool checked) {
    if (!checked)
        return;
    for (const SavingsChoice &choice : std::as_const(m_choices)) {
        if (choice.id == id && choice.rate)
            m_rate->setText(QString::fromLatin1(choice.rate));
    }
}

bool SavingsTab::readInput(SavingsInput *input) {
    if (!parseAmount(m_amount->text(), &input->amount))
        return rejectField(QStringLiteral("请正确填写存入金额。"), m_amount);
    if (m_minimum > 0 && input->amount < m_minimum)
        return rejectField(m_minimumMessage, m_amount);
    if (!parseAmount(m_rate->text(), &input->rate))
        return rejectField(QStringLiteral("请正确填写年利率。"), m_rate);
    input->begin = m_dates.value(0) ? m_dates.at(0)->date() : QDate();
    input->end = m_dates.size() > 1 ? m_dates.at(1)->date() : QDate();
    if (m_term && m_term->currentIndex() >= 0)
        input->months = m_terms.at(m_term->currentIndex()).months;
    if (m_choice)
        input->choice = m_choice->checkedId();
    return true;
}

void SavingsTab::calculate() {
    SavingsInput input;
    if (!readInput(&input) || !m_formula)
        return;
    const SavingsOutcome outcome = m_formula(input);
    if (!outcome.refusal.isEmpty()) {
        showInfo(outcome.refusal);
        return;
    }
    QList<double> money;
    for (const QVariant &value : outcome.values) {
        if (value.typeId() == QMetaType::Double)
            money.append(value.toDouble());
    }
    if (!resultsInRange(money))
        return;
    for (qsizetype i = 0; i < m_results.size() && i < outcome.values.size(); ++i) {
        const QVariant &value = outcome.values.at(i);
        m_results.at(i)->setText(value.typeId() == QMetaType::QDate
                                     ? value.toDate().toString(QLatin1String(kDateFmt))
                                     : formatFixed(value.toDouble(), 2));
    }
}

void SavingsTab::reset() {
    for (QDateEdit *date : std::as_const(m_dates)) {
        date->setDisplayFormat(QLatin1String(kDateFmt));
        date->setDate(QDate::currentDate());
    }
    m_amount->clear();
    for (QLineEdit *result : std::as_const(m_results))
        result->clear();
    if (m_term) {
        m_term->setCurrentIndex(0);
        termChosen();
    }
    if (m_choice && m_resetChoice) {
        QAbstractButton *first = m_choice->buttons().constFirst();
        first->setChecked(true);
        choiceToggled(m_choice->id(first), true);
    }
}

bool SavingsTab::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_amount && m_hint) {
        if (event->type() == QEvent::FocusIn)
            m_hint->show();
        else if (event->type() == QEvent::FocusOut)
            m_hint->hide();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ledger
