#pragma once

#include "ledger/records/inoutkind.h"
#include "ledger/records/recordpage.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace ledger {

struct InOutRecord;

// The income page and its expense twin: rows of kx_InAndOut with myType 1 or -1.
class InOutPage : public RecordPage {
    Q_OBJECT
public:
    explicit InOutPage(const InOutKind &kind, QWidget *parent = nullptr);

    const InOutKind &kind() const { return m_kind; }
    void submitClick() override;
    // Payment-form change: the account combo rule.
    void fundsTypeChange();

protected:
    std::unique_ptr<RecordSource> recordSource() const override;
    QString totalPrefix() const override { return m_kind.totalPrefix; }
    void stateRoutine(Mode mode, qint64 key) override;

private:
    void buildFields();
    void fillLookupLists();
    // The maintenance page's fields, checked in order; false (after the message) on the first
    // field that fails.
    bool readFields(InOutRecord *record);
    void openListEditor(QComboBox *combo, const QString &listName);

    InOutKind m_kind;
    QComboBox *m_staff = nullptr;
    QComboBox *m_project = nullptr;
    QLineEdit *m_amount = nullptr;
    QDateEdit *m_date = nullptr;
    QComboBox *m_fundsType = nullptr;
    QComboBox *m_account = nullptr;
    QLabel *m_accountMust = nullptr;
    QPlainTextEdit *m_memo = nullptr;
};

} // namespace ledger
