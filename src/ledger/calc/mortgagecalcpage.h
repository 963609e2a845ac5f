#pragma once

#include "ledger/core/formpanel.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ledger {

// The page "房贷计算": a loan's amount, term and rate, and side by side the repayment by equal
// monthly instalments and by equal principal. The rate comes from the term table of the
// checked loan type and can be overwritten. The first display resets the page.
class MortgageCalcPage : public FormPanel {
    Q_OBJECT
public:
    explicit MortgageCalcPage(QWidget *parent = nullptr);

    // "计算" (btn_fangdai_ok).
    void btn_fangdai_okClick();
    // "重置" (btn_fangdai_reset): commercial loan, "20年" and its rate, everything else empty.
    void btn_fangdai_resetClick();
    // The rate of the checked loan type and the chosen term into the rate edit.
    void rb_sy_fangdaiClick();

private:
    QRadioButton *m_commercial = nullptr;
    QRadioButton *m_fund = nullptr;
    QLineEdit *m_amount = nullptr;
    QComboBox *m_term = nullptr;
    QLineEdit *m_rate = nullptr;
    QList<QLineEdit *> m_results;
};

} // namespace ledger
