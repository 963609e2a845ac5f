#pragma once

#include "ledger/records/recordpage.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace ledger {

class DateField;
class PaymentFields;
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
    bool stateRoutine(Mode mode, qint64 key) override;

private:
    bool checkFields(Loan *loan);

    QComboBox *m_direction = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_amount = nullptr;
    PaymentFields *m_payment = nullptr;
    DateField *m_date = nullptr;
    QPlainTextEdit *m_memo = nullptr;
};

} // namespace ledger
