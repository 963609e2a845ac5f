#pragma once

#include "ledger/data/cards.h"
#include "ledger/records/recordpage.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace ledger {

// "金融账户": the financial accounts listed by status with their balance at the newest
// checkpoint and their computed balance. Accounts are added (with their opening checkpoint),
// viewed and edited (status and memo only), reconciled and shown with their history; they are
// never deleted.
class BankPage : public RecordPage {
    Q_OBJECT
public:
    explicit BankPage(QWidget *parent = nullptr);

    void submitClick() override;
    // "对账" and "查看明细账" for the selected account.
    void sbtn_bank_delClick();
    void sbtn_bank_hislistClick();

    Cards::Filter status() const;
    // "在用" checked and listed (the list is read once).
    void showValid();

protected:
    // The accounts of the checked status (showList is showBank).
    std::unique_ptr<RecordSource> recordSource() const override;
    QString totalPrefix() const override { return QStringLiteral("当前余额："); }
    // Both balances as money texts.
    void formatListRows(RecordRows *rows) const override;
    bool stateRoutine(Mode mode, qint64 key) override;

private:
    void buildQueryTools();
    void buildFields();
    void lockIdentity(bool locked);
    bool checkFields(Card *card);
    // Type, number and cardid of the selected row; false without a selection.
    bool selectedAccount(Card *card) const;
    void selectCard(qint64 cardid);

    QButtonGroup *m_statusRadios = nullptr;
    QComboBox *m_fundsType = nullptr;
    QComboBox *m_company = nullptr;
    QComboBox *m_staff = nullptr;
    QLineEdit *m_account = nullptr;
    QLineEdit *m_balance = nullptr;
    QComboBox *m_status = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    QToolButton *m_companyButton = nullptr;
};

} // namespace ledger
