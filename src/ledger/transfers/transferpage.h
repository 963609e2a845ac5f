#pragma once

#include "ledger/records/recordpage.h"

class QLineEdit;
class QPlainTextEdit;

namespace ledger {

class DateField;
class PaymentFields;
struct Transfer;

// "转账": money moved between cash, payment forms and accounts (rows of kx_Transfer).
class TransferPage : public RecordPage {
    Q_OBJECT
public:
    explicit TransferPage(QWidget *parent = nullptr);

    void submitClick() override;
    // Payment-form changes of the two sides: the account combo rule.
    void cbb_transfer_outFundsTypeChange();
    void cbb_transfer_inFundsTypeChange();

protected:
    std::unique_ptr<RecordSource> recordSource() const override;
    QString totalPrefix() const override { return QStringLiteral("转账总额："); }
    bool stateRoutine(Mode mode, qint64 key) override;

private:
    // The save checks in order; false after the first failing one has spoken.
    bool checkFields(Transfer *transfer);

    PaymentFields *m_out = nullptr;
    QLineEdit *m_amount = nullptr;
    PaymentFields *m_in = nullptr;
    DateField *m_date = nullptr;
    QPlainTextEdit *m_memo = nullptr;
};

} // namespace ledger
