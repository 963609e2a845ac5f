#pragma once

#include "ledger/records/inoutkind.h"
#include "ledger/records/recordpage.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace ledger {

class DateField;
class PaymentFields;
struct InOutRecord;

// The income page and its expense twin: rows of kx_InAndOut with myType 1 or -1.
class InOutPage : public RecordPage {
    Q_OBJECT
public:
    explicit InOutPage(const InOutKind &kind, QWidget *parent = nullptr);

    const InOutKind &kind() const { return m_kind; }
    void submitClick() override;

protected:
    std::unique_ptr<RecordSource> recordSource() const override;
    QString totalPrefix() const override { return m_kind.totalPrefix; }
    bool stateRoutine(Mode mode, qint64 key) override;

private:
    // The maintenance page's fields, checked in order; false (after the message) on the first
    // field that fails.
    bool readFields(InOutRecord *record);

    InOutKind m_kind;
    QComboBox *m_staff = nullptr;
    QComboBox *m_project = nullptr;
    QLineEdit *m_amount = nullptr;
    DateField *m_date = nullptr;
    PaymentFields *m_payment = nullptr;
    QPlainTextEdit *m_memo = nullptr;
};

} // namespace ledger
