#include "ledger/loans/loanpage.h"

#include "ledger/core/datefield.h"
#include "ledger/core/formtools.h"
#include "ledger/data/loans.h"
#include "ledger/records/paymentfields.h"
#include "ledger/records/recordform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace ledger {

LoanPage::LoanPage(QWidget *parent)
    : RecordPage(RecordPageNames::forWord(QStringLiteral("borrow"), QStringLiteral("pclBorrow"),
                                          QStringLiteral("借支信息查询"),
                                          QStringLiteral("借支信息维护")),
                 parent) {
    createPeriodRadios(QStringLiteral("borrow"));
    setListColumns({QStringLiteral("编号"), QStringLiteral("借支日期"), QStringLiteral("借支类型"),
                    QStringLiteral("借支对象"), QStringLiteral("借支金额"),
                    QStringLiteral("借支形式"), QStringLiteral("借支账户"), QStringLiteral("备注")},
                   {0, 100, 120, 80, 65, 70, 140, 400});
    m_direction = new QComboBox(form()->box());
    m_direction->setObjectName(QStringLiteral("cbb_borrow_mytype"));
    // Index 0 is money out (myType -1), index 1 money in (1).
    m_direction->addItems({Loans::directionText(-1), Loans::directionText(1)});
    form()->addRow(QStringLiteral("借支类型："), m_direction, true);
    m_name = form()->addEdit(QStringLiteral("edt_borrow_LoanName"), QStringLiteral("借支对象："));
    m_amount =
        form()->addEdit(QStringLiteral("edt_borrow_FundsNum"), QStringLiteral("借支金额："), true);
    m_payment = new PaymentFields(
        form(), {QStringLiteral("cbb_borrow_FundsType"), QStringLiteral("借支形式："),
                 QStringLiteral("sbtn_borrow_FundsType_mgn"), QStringLiteral("cbb_borrow_Account"),
                 QStringLiteral("借支账户："), QStringLiteral("lbl_borrow_account_must"),
                 QStringLiteral("sbtn_borrow_Account_mgn")});
    m_date = form()->addDate(QStringLiteral("dtp_borrow_EventDate"), QStringLiteral("借支日期："));
    m_memo = form()->addMemo(QStringLiteral("mm_borrow_Memo"));
}

void LoanPage::cbb_borrow_FundsTypeChange() {
    m_payment->formChange();
}

std::unique_ptr<RecordSource> LoanPage::recordSource() const {
    return std::make_unique<Loans>(ledgerDb());
}

bool LoanPage::stateRoutine(Mode mode, qint64 key) {
    const std::optional<Loan> loan = recordFor<Loans, Loan>(mode, key);
    if (!loan)
        return false;
    m_direction->setCurrentIndex(loan->myType == -1 ? 0 : loan->myType == 1 ? 1 : -1);
    m_name->setText(loan->loanName);
    showAmount(m_amount, mode, loan->amount);
    m_payment->offerListedForms();
    m_payment->showRecord(loan->fundsType, loan->account);
    m_date->setDate(loan->eventDate);
    m_memo->setPlainText(loan->memo);
    return true;
}

bool LoanPage::checkFields(Loan *loan) {
    if (m_direction->currentIndex() < 0)
        return rejectField(QStringLiteral("请选择借支类型。"), m_direction);
    loan->myType = m_direction->currentIndex() == 0 ? -1 : 1;
    loan->loanName = m_name->text().trimmed();
    m_name->setText(loan->loanName);
    if (loan->loanName.isEmpty())
        return rejectField(QStringLiteral("请选择借支对象。"), m_name);
    if (!readShownAmount(m_amount, QStringLiteral("借支金额"), &loan->amount))
        return false;
    if (loan->amount == 0)
        return rejectField(QStringLiteral("借支金额不能为0。"), m_amount);
    loan->fundsType = m_payment->form();
    loan->account = m_payment->account();
    if (loan->fundsType.isEmpty())
        return rejectField(QStringLiteral("请选择借支形式。"), m_payment->formCombo());
    if (m_payment->needsAccount() && loan->account.isEmpty())
        return rejectField(QStringLiteral("请选择借支账户。"), m_payment->accountCombo());
    loan->memo = m_memo->toPlainText();
    loan->eventDate = m_date->date();
    return true;
}

void LoanPage::submitClick() {
    Loan loan;
    if (checkFields(&loan))
        saveRow<Loans>(loan, &Loan::borrowId);
}

} // namespace ledger
