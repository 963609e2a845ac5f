#include "ledger/accounts/bankpage.h"

#include "ledger/accounts/tfrmduizhang.h"
#include "ledger/accounts/tfrmhislist.h"
#include "ledger/core/comboitems.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/fieldstyle.h"
#include "ledger/core/formtools.h"
#include "ledger/core/moneytext.h"
#include "ledger/core/prompter.h"
#include "ledger/data/lookuplists.h"
#include "ledger/records/recordform.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

namespace ledger {

namespace {

RecordPageNames bankNames() {
    RecordPageNames names =
        RecordPageNames::forWord(QStringLiteral("bank"), QStringLiteral("pclBank"),
                                 QStringLiteral("账户信息查询"), QStringLiteral("账户信息维护"));
    names.submitButton = QStringLiteral("btn_bank_submit");
    return names;
}

// Columns of lv_bank holding the type and the number.
constexpr int kTypeColumn = 1;
constexpr int kAccountColumn = 3;
// Columns holding the balance at the newest checkpoint and the computed balance.
constexpr int kBalanceColumn = 4;
constexpr int kComputedColumn = 5;

const QString kStaffList = QStringLiteral("StaffName");

// An entry of the combo's list, as typed or picked.
bool isEntry(const QComboBox *combo) {
    return combo->findText(combo->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive) >=
           0;
}

} // namespace

BankPage::BankPage(QWidget *parent) : RecordPage(bankNames(), parent) {
    setListColumns({QStringLiteral("编号"), QStringLiteral("账户类型"), QStringLiteral("发卡单位"),
                    QStringLiteral("账户号"), QStringLiteral("末次对账余额"),
                    QStringLiteral("推算余额"), QStringLiteral("所属人"), QStringLiteral("备注")},
                   {0, 80, 80, 200, 90, 80, 65, 300});
    buildQueryTools();
    buildFields();
}

void BankPage::buildQueryTools() {
    // The place of "删除" holds "对账": accounts are never deleted.
    auto *reconcile = findChild<QToolButton *>(QStringLiteral("sbtn_bank_del"));
    reconcile->setText(QStringLiteral("对账"));
    reconcile->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    disconnect(reconcile, &QToolButton::clicked, this, &RecordPage::deleteClick);
    connect(reconcile, &QToolButton::clicked, this, &BankPage::sbtn_bank_delClick);
    connect(addActionButton(QStringLiteral("sbtn_bank_hislist"), QStringLiteral("查看明细账"),
                            QStyle::SP_FileDialogContentsView),
            &QToolButton::clicked, this, &BankPage::sbtn_bank_hislistClick);
    m_statusRadios = addRadioGroup({{QStringLiteral("rdb_bank_valid"), QStringLiteral("在用")},
                                    {QStringLiteral("rdb_bank_invalid"), QStringLiteral("废卡")},
                                    {QStringLiteral("rdb_bank_all"), QStringLiteral("全部")}},
                                   0);
}

void BankPage::showValid() {
    selectRadio(m_statusRadios, 0);
}

void BankPage::buildFields() {
    RecordForm *f = form();
    m_fundsType = f->addCombo(QStringLiteral("cbb_bank_FundsType"), QStringLiteral("账户类型："));
    // The account types are the payment-form list without cash.
    f->addListEditor(m_fundsType, QStringLiteral("sbtn_bank_FundsType_mgn"),
                     LookupLists::fundsTypeList());
    m_company = f->addCombo(QStringLiteral("cbb_bank_CardCompany"), QStringLiteral("发卡单位："));
    m_companyButton = f->addListEditor(m_company, QStringLiteral("sbtn_bank_CardCompany_mgn"),
                                       QStringLiteral("CardCompany"));
    m_staff = f->addCombo(QStringLiteral("cbb_bank_StaffName"), QStringLiteral("所属人："));
    f->addListEditor(m_staff, QStringLiteral("sbtn_bank_StaffName_mgn"), kStaffList);
    m_account = f->addEdit(QStringLiteral("edt_bank_Account"), QStringLiteral("账户号："));
    m_balance = f->addEdit(QStringLiteral("edt_bank_Balance"), QStringLiteral("初始余额："), true);
    m_status = new QComboBox(f->box());
    m_status->setObjectName(QStringLiteral("cbb_bank_status"));
    m_status->addItems({QStringLiteral("在用"), QStringLiteral("废卡")});
    f->addRow(QStringLiteral("账户状态："), m_status, false);
    m_memo = f->addMemo(QStringLiteral("mm_bank_memo"));
}

Cards::Filter BankPage::status() const {
    switch (m_statusRadios->checkedId()) {
    case 1:
        return Cards::Filter::Invalid;
    case 2:
        return Cards::Filter::All;
    default:
        return Cards::Filter::Valid;
    }
}

std::unique_ptr<RecordSource> BankPage::recordSource() const {
    return std::make_unique<Cards>(ledgerDb(), status());
}

void BankPage::formatListRows(RecordRows *rows) const {
    for (int row = 0; row < rows->count(); ++row) {
        for (int column : {kBalanceColumn, kComputedColumn}) {
            QString &cell = rows->cells[qsizetype(row) * rows->columns + column];
            bool number = false;
            const double value = cell.toDouble(&number);
            // A computed balance SQLite could not sum (+inf and -inf) comes as NULL, a value
            // out of range as its text; an empty stored balance counts 0, as in the sums.
            const bool empty = cell.isEmpty() && column == kBalanceColumn;
            cell = formatMoneyN(number ? value : empty ? 0.0 : qQNaN());
        }
    }
}

void BankPage::lockIdentity(bool locked) {
    for (QWidget *field :
         std::initializer_list<QWidget *>{m_fundsType, m_company, m_staff, m_account, m_balance}) {
        setFieldLocked(field, locked);
        field->setEnabled(!locked);
    }
}

bool BankPage::stateRoutine(Mode mode, qint64 key) {
    const std::optional<Card> card = recordFor<Cards, Card>(mode, key);
    if (!card)
        return false;
    const LookupLists lists(ledgerDb());
    const std::pair<QComboBox *, QString> combos[] = {{m_fundsType, LookupLists::fundsTypeList()},
                                                      {m_company, QStringLiteral("CardCompany")},
                                                      {m_staff, kStaffList}};
    for (const auto &[combo, list] : combos)
        fillComboItems(combo, lists.values(list), true, false);
    setComboText(m_fundsType, card->fundsType);
    setComboText(m_company, card->cardCompany);
    setComboText(m_staff, card->staffName);
    showAmount(m_balance, mode, card->initBalance);
    m_account->setText(card->account);
    m_memo->setPlainText(card->memo);
    // Once saved, an account changes only its status and memo.
    lockIdentity(mode != Mode::Add);
    m_status->setCurrentIndex(card->valid ? 0 : 1);
    continueBox()->setVisible(mode == Mode::Add);
    m_companyButton->hide();
    return true;
}

bool BankPage::checkFields(Card *card) {
    if (!isEntry(m_fundsType))
        return rejectField(QStringLiteral("请选择账户类型。"), m_fundsType);
    if (!isEntry(m_company))
        return rejectField(QStringLiteral("请选择发卡单位。"), m_company);
    // A new ledger's people list is empty: the holder is then not asked for.
    if (m_staff->count() > 0 && !isEntry(m_staff))
        return rejectField(QStringLiteral("请选择所属人。"), m_staff);
    if (!readShownAmount(m_balance, QStringLiteral("账户余额"), &card->initBalance))
        return false;
    card->account = normalizedAccount(m_account->text());
    if (card->account.isEmpty())
        return rejectField(QStringLiteral("请填写账户号。"), m_account);
    card->fundsType = m_fundsType->currentText();
    card->cardCompany = m_company->currentText();
    card->staffName = m_staff->currentText();
    card->valid = m_status->currentIndex() != 1;
    card->memo = m_memo->toPlainText();
    return true;
}

void BankPage::submitClick() {
    Card card;
    if (const std::optional<qint64> cardid = editKey()) {
        // Only the status and the memo change once an account is saved.
        saveRecord([&](Db &db) {
            Cards(db).updateStatusMemo(*cardid, m_status->currentIndex() != 1,
                                       m_memo->toPlainText());
            return true;
        });
        return;
    }
    if (!checkFields(&card))
        return;
    bool exists = false;
    if (!guardDb(
            "account check",
            [&] { exists = Cards(ledgerDb()).exists(card.fundsType, card.account); },
            QStringLiteral("保存失败!")))
        return;
    if (exists) {
        rejectField(QStringLiteral("该账户已存在。"), m_account);
        return;
    }
    if (!Prompter::instance().confirm(
            QStringLiteral("请确认信息填写正确，提交后必填信息将不能修改。"
                           "\n您确定提交吗?"),
            QStringLiteral("提示")))
        return;
    saveRecord([&](Db &db) { return Cards(db).insert(card, currentUserId) > 0; });
}

bool BankPage::selectedAccount(Card *card) const {
    const int row = list()->selectedRow();
    if (row < 0)
        return false;
    card->cardid = list()->records()->key(row);
    card->fundsType = list()->records()->text(row, kTypeColumn);
    card->account = list()->records()->text(row, kAccountColumn);
    return true;
}

void BankPage::selectCard(qint64 cardid) {
    for (int row = 0; row < list()->count(); ++row) {
        if (list()->records()->key(row) == cardid) {
            list()->selectRow(row);
            return;
        }
    }
}

void BankPage::sbtn_bank_delClick() {
    Card card;
    if (!selectedAccount(&card)) {
        showInfo(QStringLiteral("选择需要对账的账户。"));
        return;
    }
    TfrmDuiZhang dialog(card.cardid, card.fundsType, card.account, window());
    if (!guardDb(
            "reconciliation list",
            [&] { dialog.buildSinceCheckpoint(card.fundsType, card.account, dialog.list()); },
            QStringLiteral("读取数据失败。")))
        return;
    // The account's row shows the new checkpoint's figures read back from the database.
    connect(&dialog, &TfrmDuiZhang::reconciled, this, [this](qint64 cardid) {
        showList();
        selectCard(cardid);
    });
    dialog.exec();
}

void BankPage::sbtn_bank_hislistClick() {
    Card card;
    if (!selectedAccount(&card)) {
        showInfo(QStringLiteral("选择需要修改的记录。"));
        return;
    }
    TfrmHisList::showHistory(card.fundsType, card.account, window());
}

} // namespace ledger
