#pragma once

#include "ledger/calc/calcform.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>
#include <QWidget>
#include <functional>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace ledger {

// One choice of a savings term: caption, months and the bank's rate as written into the edit.
struct SavingsTerm {
    const char *caption;
    int months;
    const char *rate;
};

// One radio button of a tab: name, caption, the id a calculation reads, and the rate it writes
// into the rate edit when checked (none when empty).
struct SavingsChoice {
    const char *name;
    const char *caption;
    int id;
    const char *rate;
};

// What a calculation reads from its tab.
struct SavingsInput {
    double amount = 0;
    double rate = 0;
    QDate begin;
    QDate end;      // invalid when the tab has no withdrawal date
    int months = 0; // of the chosen term
    int choice = 0; // id of the checked radio button
};

// A calculation's answer: a refusal, or one value per result field in field order (a double is
// money, shown "%.2f"; a QDate is shown as a date).
struct SavingsOutcome {
    QString refusal;
    QVariantList values;
};
using SavingsFormula = std::function<SavingsOutcome(const SavingsInput &)>;

// One savings product's tab, built top to bottom by the add... calls: dates, amount, rate, term,
// radio choice, then "计算"/"重置" and the read-only results. Component names follow the
// tab's word: edt_<word>_fundsnum, edt_<word>_lilv, cbb_<word>_qixian, btn_<word>_ok ...
// The tab resets itself on its first display.
class SavingsTab : public QWidget {
    Q_OBJECT
public:
    SavingsTab(const QString &sheetName, const QString &word, QWidget *parent = nullptr);

    // A picker named dtp_<word>_<suffix>, showing today after a reset.
    QDateEdit *addDate(const QString &suffix, const QString &caption);
    // minimum 0 means none: no check and no hint label.
    QLineEdit *addAmount(const QString &caption, double minimum = 0,
                         const QString &minimumMessage = {}, const QString &hint = {});
    QLineEdit *addRate(const QString &initial = {});
    // Choosing a term writes its rate into the rate edit.
    QComboBox *addTerms(const QList<SavingsTerm> &terms);
    // The first choice is checked. With resetWithTab, "重置" checks the first again.
    void addChoice(const QString &caption, const QList<SavingsChoice> &choices, bool resetWithTab);
    // Closes the inputs with the two buttons; results follow.
    void addButtons();
    // money: the unit "元" beside it.
    QLineEdit *addResult(const QString &name, const QString &caption, bool money);

    void setFormula(SavingsFormula formula) { m_formula = std::move(formula); }

    // "计算": the amount and rate checks, then the formula; a refused or failed calculation
    // changes no result.
    void calculate();
    // "重置": pickers to today, amount and results cleared, the first term and its rate.
    void reset();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void termChosen();
    void choiceToggled(int id, bool checked);
    bool readInput(SavingsInput *input);

    QString m_word;
    CalcForm m_form;
    QList<QDateEdit *> m_dates;
    QLineEdit *m_amount = nullptr;
    double m_minimum = 0;
    QString m_minimumMessage;
    QLabel *m_hint = nullptr;
    QLineEdit *m_rate = nullptr;
    QComboBox *m_term = nullptr;
    QList<SavingsTerm> m_terms;
    QButtonGroup *m_choice = nullptr;
    QList<SavingsChoice> m_choices;
    bool m_resetChoice = false;
    QList<QLineEdit *> m_results;
    SavingsFormula m_formula;
};

} // namespace ledger
