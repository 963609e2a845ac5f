#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;

namespace ledger {

class RecordForm;

// Component names and captions of one payment-form/account pair.
struct PaymentFieldNames {
    QString formCombo;      // cbb_in_FundsType
    QString formCaption;    // "收入形式："
    QString formButton;     // sbtn_in_fundstype_mgn
    QString accountCombo;   // cbb_in_Account
    QString accountCaption; // "金融账户："
    QString accountMark;    // lbl_in_account_must
    QString accountButton;  // sbtn_in_account_mgn
};

// Two rows of a record form: the payment form ("现金" first, then the payment-form list or the
// forms in use) and the account of that form. The account rule: cash or a form not listed
// leaves the account combo empty, locked and not required; a listed form offers its valid
// accounts and requires one. List buttons open the list editor and reload the accounts.
class PaymentFields : public QObject {
    Q_OBJECT
public:
    PaymentFields(RecordForm *form, const PaymentFieldNames &names);

    QComboBox *formCombo() const { return m_form; }
    QComboBox *accountCombo() const { return m_account; }

    // The forms offered after cash (the payment-form list when none are given), no form
    // chosen. Throws DbError.
    void offerForms(const QStringList &forms);
    void offerListedForms();
    // A record's form and account: the accounts of its form offered, its own shown.
    void showRecord(const QString &form, const QString &account);
    // The account rule, run whenever the user changes the form and by the refresh button.
    void formChange();
    // The form is listed and is not cash.
    bool needsAccount() const;
    // The texts trimmed and written back.
    QString form();
    QString account();

private:
    void setForms(const QStringList &forms);

    QComboBox *m_form;
    QComboBox *m_account;
    QLabel *m_accountMark;
};

} // namespace ledger
