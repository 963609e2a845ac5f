#include "ledger/records/paymentfields.h"

#include "ledger/core/comboitems.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/fieldstyle.h"
#include "ledger/data/cards.h"
#include "ledger/data/lookuplists.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/records/recordform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ledger {

PaymentFields::PaymentFields(RecordForm *form, const PaymentFieldNames &names)
    : QObject(form), m_form(form->addCombo(names.formCombo, names.formCaption)),
      m_account(form->addCombo(names.accountCombo, names.accountCaption)),
      m_accountMark(form->mark(m_account)) {
    m_accountMark->setObjectName(names.accountMark);
    form->addListEditor(m_form, names.formButton, LookupLists::fundsTypeList(), [this] {
        const QString text = m_form->currentText();
        const QString account = m_account->currentText();
        setForms(LookupLists(ledgerDb()).values(LookupLists::fundsTypeList()));
        setComboText(m_form, text);
        // The typed form may have been listed or unlisted: the account rule runs again, and
        // an account chosen before stays while its form still offers it.
        formChange();
        if (m_account->findText(account) >= 0)
            setComboText(m_account, account);
    });
    form->addRefreshButton(m_account, names.accountButton, [this] { formChange(); });

    // Typed, completed or chosen: the rule runs on every change of the text. The text is
    // trimmed when the user leaves the field, never while typing.
    connect(m_form, &QComboBox::editTextChanged, this, &PaymentFields::formChange);
    QLineEdit *edit = m_form->lineEdit();
    connect(edit, &QLineEdit::editingFinished, this, [edit] {
        const QString text = edit->text().trimmed();
        if (text != edit->text())
            edit->setText(text);
    });
}

void PaymentFields::setForms(const QStringList &forms) {
    {
        const QSignalBlocker blocker(m_form);
        m_form->clear();
        m_form->addItem(LookupLists::cashEntry());
    }
    fillComboItems(m_form, forms, false, false);
    setComboText(m_form, QString());
}

void PaymentFields::offerForms(const QStringList &forms) {
    setForms(forms);
    formChange();
}

void PaymentFields::offerListedForms() {
    offerForms(LookupLists(ledgerDb()).values(LookupLists::fundsTypeList()));
}

void PaymentFields::showRecord(const QString &form, const QString &account) {
    setComboText(m_form, form);
    formChange();
    setComboText(m_account, account);
}

bool PaymentFields::needsAccount() const {
    const QString text = m_form->currentText().trimmed();
    return !text.isEmpty() && m_form->findText(text, Qt::MatchFixedString) >= 1;
}

void PaymentFields::formChange() {
    {
        const QSignalBlocker blocker(m_account);
        m_account->clear();
        setComboText(m_account, QString());
    }
    const bool listed = needsAccount();
    setFieldLocked(m_account, !listed);
    m_account->setEnabled(listed);
    m_accountMark->setVisible(listed);
    if (!listed)
        return;
    // The text is looked up trimmed but left as typed: "Bank of China" keeps its blanks.
    const QString form = m_form->currentText().trimmed();
    guardDb("account list",
            [&] { fillComboItems(m_account, Cards(ledgerDb()).validAccounts(form), true, false); });
    // No account chosen yet: the Down key picks the first.
    setComboText(m_account, QString());
}

QString PaymentFields::form() {
    return trimmedText(m_form);
}

QString PaymentFields::account() {
    return trimmedText(m_account);
}

} // namespace ledger
