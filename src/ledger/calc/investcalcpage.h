#pragma once

#include "ledger/core/formpanel.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace ledger {

// The page "本站工具": a long-term projection of a yearly (or single) payment growing at a
// yearly yield, listed year by year, with seven preset scenarios that explain themselves and
// calculate. The first display resets the page and lists the default projection.
class InvestCalcPage : public FormPanel {
    Q_OBJECT
public:
    explicit InvestCalcPage(QWidget *parent = nullptr);

    // Fills the four numbers, clears the list and selects "每年一次".
    void setShenqi(int capital, int yield, int payingYears, int projectedYears);
    // "只投一次" fixes the paying-in years at one; "每年一次" frees them (their text kept).
    void cbb_shenqi_TypeChange();
    void btn_shenqi_okClick();
    void btn_shenqi_resetClick();

private:
    QWidget *buildInputs();
    QWidget *buildPresets();
    void presetClick(int index);

    QLineEdit *m_capital = nullptr;
    QComboBox *m_type = nullptr;
    QLineEdit *m_yield = nullptr;
    QLineEdit *m_payingYears = nullptr;
    QLineEdit *m_projectedYears = nullptr;
    QPlainTextEdit *m_result = nullptr;
};

} // namespace ledger
