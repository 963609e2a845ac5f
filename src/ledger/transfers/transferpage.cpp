#include "ledger/transfers/transferpage.h"

#include "ledger/app/paths.h"
#include "ledger/core/currentuser.h"
#include "ledger/core/moneytext.h"
#include "ledger/data/transfers.h"
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

RecordPageNames transferNames() {
    return RecordPageNames::forWord(QStringLiteral("transfer"), QStringLiteral("pclTransfer"),
                                    QStringLiteral("转账信息查询"), QStringLiteral("转账信息维护"));
}

} // namespace

TransferPage::TransferPage(QWidget *parent) : RecordPage(transferNames(), parent) {
    createPeriodRadios(QStringLiteral("transfer"));
    setListColumns({QStringLiteral("编号"), QStringLiteral("转出形式"), QStringLiteral("转出账户"),
                    QStringLiteral("转出金额"), QStringLiteral("转入类型"),
                    QStringLiteral("转入账户"), QStringLiteral("转账时间"), QStringLiteral("备注")},
                   {0, 70, 140, 65, 70, 140, 100, 300});
    buildFields();
}

void TransferPage::buildFields() {
    QWidget *box = form()->parentWidget();
    const QString editHint = QStringLiteral("编辑下拉列表");
    const QString refreshHint = QStringLiteral("刷新列表");

    m_outFundsType = makeCombo(QStringLiteral("cbb_transfer_outFundsType"));
    addFormRow(QStringLiteral("转出形式："), m_outFundsType, true);
    auto *outFormButton =
        addListButton(m_outFundsType, QStringLiteral("sbtn_transfer_FundsType_mgn"), editHint);
    m_outAccount = makeCombo(QStringLiteral("cbb_transfer_outAccount"));
    m_outMust = addFormRow(QStringLiteral("转出账户："), m_outAccount, true);
    m_outMust->setObjectName(QStringLiteral("lbl_transfer_outaccount_must"));
    auto *outAccountButton =
        addListButton(m_outAccount, QStringLiteral("sbtn_transfer_outAccount_mgn"), refreshHint);

    m_amount = new QLineEdit(box);
    m_amount->setObjectName(QStringLiteral("edt_transfer_FundsNum"));
    installAmountFilter(m_amount);
    addFormRow(QStringLiteral("转出金额："), m_amount, true, new QLabel(QStringLiteral("元"), box));

    m_inFundsType = makeCombo(QStringLiteral("cbb_transfer_inFundsType"));
    addFormRow(QStringLiteral("转入形式："), m_inFundsType, true);
    auto *inFormButton =
        addListButton(m_inFundsType, QStringLiteral("sbtn_transfer_inFundsType_mgn"), editHint);
    m_inAccount = makeCombo(QStringLiteral("cbb_transfer_inAccount"));
    m_inMust = addFormRow(QStringLiteral("转入账户："), m_inAccount, true);
    m_inMust->setObjectName(QStringLiteral("lbl_transfer_inaccount_must"));
    auto *inAccountButton =
        addListButton(m_inAccount, QStringLiteral("sbtn_transfer_inAccount_mgn"), refreshHint);

    m_date = addDateRow(QStringLiteral("转账时间："), QStringLiteral("dtp_transfer_EventDate"));

    m_memo = addMemoRow(QStringLiteral("mm_transfer_Memo"));

    watchPaymentForm(m_outFundsType, [this] { cbb_transfer_outFundsTypeChange(); });
    watchPaymentForm(m_inFundsType, [this] { cbb_transfer_inFundsTypeChange(); });
    connect(outFormButton, &QToolButton::clicked, this, [this] {
        TfrmParam::showParamEditor(m_outFundsType, QStringLiteral("FundsType"), window());
    });
    connect(inFormButton, &QToolButton::clicked, this, [this] {
        TfrmParam::showParamEditor(m_inFundsType, QStringLiteral("FundsType"), window());
    });
    connect(outAccountButton, &QToolButton::clicked, this,
            &TransferPage::cbb_transfer_outFundsTypeChange);
    connect(inAccountButton, &QToolButton::clicked, this,
            &TransferPage::cbb_transfer_inFundsTypeChange);
}

void TransferPage::cbb_transfer_outFundsTypeChange() {
    applyAccountRule(m_outFundsType, m_outAccount, m_outMust);
}

void TransferPage::cbb_transfer_inFundsTypeChange() {
    applyAccountRule(m_inFundsType, m_inAccount, m_inMust);
}

std::unique_ptr<RecordSource> TransferPage::recordSource() const {
    return std::make_unique<Transfers>(ledgerDb());
}

void TransferPage::stateRoutine(Mode mode, qint64 key) {
    std::optional<Transfer> record;
    if (mode != Mode::Add) {
        record = Transfers(ledgerDb()).find(key);
        if (!record)
            return;
    }
    fillFundsTypes(m_outFundsType);
    fillFundsTypes(m_inFundsType);
    const Transfer t = record.value_or(Transfer{0, {}, {}, 0, {}, {}, {}, today()});
    setComboText(m_outFundsType, t.outFundsType);
    cbb_transfer_outFundsTypeChange();
    setComboText(m_outAccount, t.outAccount);
    m_amount->setText(record ? formatPlain(t.amount) : QString());
    setComboText(m_inFundsType, t.inFundsType);
    cbb_transfer_inFundsTypeChange();
    setComboText(m_inAccount, t.inAccount);
    m_date->setDisplayFormat(QLatin1String(kDateFmt));
    m_date->setDate(t.eventDate.isValid() ? t.eventDate : today());
    m_memo->setPlainText(t.memo);
    submitButton()->setEnabled(mode != Mode::Browse);
    idLabel()->setText(mode == Mode::Edit ? QString::number(key) : QString());
    showEditPage();
    m_outFundsType->setFocus(Qt::OtherFocusReason);
}

bool TransferPage::checkFields(Transfer *t) {
    t->outFundsType = trimmedText(m_outFundsType);
    t->outAccount = trimmedText(m_outAccount);
    t->inFundsType = trimmedText(m_inFundsType);
    t->inAccount = trimmedText(m_inAccount);
    if (t->outFundsType.isEmpty())
        return rejectField(QStringLiteral("请选择转出形式。"), m_outFundsType);
    if (needsAccount(m_outFundsType) && t->outAccount.isEmpty())
        return rejectField(QStringLiteral("请选择转出账户。"), m_outAccount);
    if (!parseAmount(m_amount->text(), &t->amount))
        return rejectField(QStringLiteral("请正确填写转出金额。"), m_amount);
    if (t->amount == 0)
        return rejectField(QStringLiteral("转账金额不能为0。"), m_amount);
    if (t->inFundsType.isEmpty())
        return rejectField(QStringLiteral("请选择转入形式。"), m_inFundsType);
    if (needsAccount(m_inFundsType) && t->inAccount.isEmpty())
        return rejectField(QStringLiteral("请选择转入账户。"), m_inAccount);
    const QString cash = QStringLiteral("现金");
    if (t->outFundsType == cash && t->inFundsType == cash)
        return rejectField(QStringLiteral("转出和转入不能同为现金。"), m_inFundsType);
    if (!t->outAccount.isEmpty() && t->outFundsType == t->inFundsType &&
        t->outAccount == t->inAccount)
        return rejectField(QStringLiteral("转出和转入不能为同一账户。"), m_inAccount);
    return true;
}

void TransferPage::submitClick() {
    Transfer transfer;
    if (!checkFields(&transfer))
        return;
    transfer.memo = m_memo->toPlainText();
    transfer.eventDate = m_date->date();
    saveRecord([&](Db &db) {
        Transfers transfers(db);
        if (!editingKey(&transfer.transId))
            return transfers.insert(transfer, currentUserId) > 0;
        transfers.update(transfer);
        return true;
    });
}

} // namespace ledger
