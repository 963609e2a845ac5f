#include "ledger/loans/loanpage.h"

#include "ledger/app/paths.h"
#include "ledger/core/currentuser.h"
#include "ledger/core/moneytext.h"
#include "ledger/data/loans.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/params/tfrmparam.h"
#include "ledger/records/amountfilter.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace ledger {

namespace {

RecordPageNames loanNames() {
    return RecordPageNames::forWord(QStringLiteral("borrow"), QStringLiteral("pclBorrow"),
                                    QStringLiteral("借支信息查询"), QStringLiteral("借支信息维护"));
}

} // namespace

LoanPage::LoanPage(QWidget *parent) : RecordPage(loanNames(), parent) {
    createPeriodRadios(QStringLiteral("borrow"));
    setListColumns({QStringLiteral("编号"), QStringLiteral("借支日期"), QStringLiteral("借支类型"),
                    QStringLiteral("借支对象"), QStringLiteral("借支金额"),
                    QStringLiteral("借支形式"), QStringLiteral("借支账户"), QStringLiteral("备注")},
                   {0, 100, 120, 80, 65, 70, 140, 400});
    buildFields();
}

void LoanPage::buildFields() {
    QWidget *box = form()->parentWidget();
    m_direction = new QComboBox(box);
    m_direction->setObjectName(QStringLiteral("cbb_borrow_mytype"));
    // Index 0 is money out (myType -1), index 1 money in (1).
    m_direction->addItems({Loans::directionText(-1), Loans::directionText(1)});
    addFormRow(QStringLiteral("借支类型："), m_direction, true);

    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("edt_borrow_LoanName"));
    addFormRow(QStringLiteral("借支对象："), m_name, true);

    m_amount = new QLineEdit(box);
    m_amount->setObjectName(QStringLiteral("edt_borrow_FundsNum"));
    installAmountFilter(m_amount);
    addFormRow(QStringLiteral("借支金额："), m_amount, true, new QLabel(QStringLiteral("元"), box));

    m_fundsType = makeCombo(QStringLiteral("cbb_borrow_FundsType"));
    addFormRow(QStringLiteral("借支形式："), m_fundsType, true);
    auto *formButton = addListButton(m_fundsType, QStringLiteral("sbtn_borrow_FundsType_mgn"),
                                     QStringLiteral("编辑下拉列表"));
    m_account = makeCombo(QStringLiteral("cbb_borrow_Account"));
    m_accountMust = addFormRow(QStringLiteral("借支账户："), m_account, true);
    m_accountMust->setObjectName(QStringLiteral("lbl_borrow_account_must"));
    auto *accountButton = addListButton(m_account, QStringLiteral("sbtn_borrow_Account_mgn"),
                                        QStringLiteral("刷新列表"));

    m_date = addDateRow(QStringLiteral("借支日期："), QStringLiteral("dtp_borrow_EventDate"));

    m_memo = addMemoRow(QStringLiteral("mm_borrow_Memo"));

    watchPaymentForm(m_fundsType, [this] { cbb_borrow_FundsTypeChange(); });
    connect(formButton, &QToolButton::clicked, this, [this] {
        TfrmParam::showParamEditor(m_fundsType, QStringLiteral("FundsType"), window());
    });
    connect(accountButton, &QToolButton::clicked, this, &LoanPage::cbb_borrow_FundsTypeChange);
}

void LoanPage::cbb_borrow_FundsTypeChange() {
    applyAccountRule(m_fundsType, m_account, m_accountMust);
}

std::unique_ptr<RecordSource> LoanPage::recordSource() const {
    return std::make_unique<Loans>(ledgerDb());
}

void LoanPage::stateRoutine(Mode mode, qint64 key) {
    std::optional<Loan> record;
    if (mode != Mode::Add) {
        record = Loans(ledgerDb()).find(key);
        if (!record)
            return;
    }
    const Loan loan = record.value_or(Loan{0, 0, {}, 0, {}, {}, {}, today()});
    m_direction->setCurrentIndex(loan.myType == -1 ? 0 : loan.myType == 1 ? 1 : -1);
    m_name->setText(loan.loanName);
    m_amount->setText(record ? formatPlain(loan.amount) : QString());
    fillFundsTypes(m_fundsType);
    setComboText(m_fundsType, loan.fundsType);
    cbb_borrow_FundsTypeChange();
    setComboText(m_account, loan.account);
    m_date->setDisplayFormat(QLatin1String(kDateFmt));
    m_date->setDate(loan.eventDate.isValid() ? loan.eventDate : today());
    m_memo->setPlainText(loan.memo);
    submitButton()->setEnabled(mode != Mode::Browse);
    idLabel()->setText(mode == Mode::Edit ? QString::number(key) : QString());
    showEditPage();
    m_direction->setFocus(Qt::OtherFocusReason);
}

bool LoanPage::checkFields(Loan *loan) {
    if (m_direction->currentIndex() < 0)
        return rejectField(QStringLiteral("请选择借支类型。"), m_direction);
    loan->myType = m_direction->currentIndex() == 0 ? -1 : 1;
    loan->loanName = m_name->text().trimmed();
    m_name->setText(loan->loanName);
    if (loan->loanName.isEmpty())
        return rejectField(QStringLiteral("请选择借支对象。"), m_name);
    if (!parseAmount(m_amount->text(), &loan->amount))
        return rejectField(QStringLiteral("请正确填写借支金额。"), m_amount);
    if (loan->amount == 0)
        return rejectField(QStringLiteral("借支金额不能为0。"), m_amount);
    loan->fundsType = trimmedText(m_fundsType);
    loan->account = trimmedText(m_account);
    if (loan->fundsType.isEmpty())
        return rejectField(QStringLiteral("请选择借支形式。"), m_fundsType);
    if (needsAccount(m_fundsType) && loan->account.isEmpty())
        return rejectField(QStringLiteral("请选择借支账户。"), m_account);
    return true;
}

void LoanPage::submitClick() {
    Loan loan;
    if (!checkFields(&loan))
        return;
    loan.memo = m_memo->toPlainText();
    loan.eventDate = m_date->date();
    saveRecord([&](Db &db) {
        Loans loans(db);
        if (!editingKey(&loan.borrowId))
            return loans.insert(loan, currentUserId) > 0;
        loans.update(loan);
        return true;
    });
}

} // namespace ledger
