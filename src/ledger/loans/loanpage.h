#pragma once

#include "ledger/records/recordpage.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace ledger {

struct Loan;

// "借支": money lent and borrowed (rows of kx_Borrow) with the net amount others owe.
class LoanPage : public RecordPage {
    Q_OBJECT
public:
    explicit LoanPage(QWidget *parent = nullptr);

    void submitClick() override;
    // Payment-form change: the account combo rule.
    void cbb_borrow_FundsTypeChange();

protected:
    std::unique_ptr<RecordSource> recordSource() const override;
    QString totalPrefix() const override { return QStringLiteral("净资产："); }
    void stateRoutine(Mode mode, qint64 key) override;

private:
    void buildFields();
    bool checkFields(Loan *loan);

    QComboBox *m_direction = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_amount = nullptr;
    QComboBox *m_fundsType = nullptr;
    QComboBox *m_account = nullptr;
    QLabel *m_accountMust = nullptr;
    QDateEdit *m_date = nullptr;
    QPlainTextEdit *m_memo = nullptr;
};

} // namespace ledger
