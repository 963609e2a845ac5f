#include "ledger/transfers/transferpage.h"

#include "ledger/core/datefield.h"
#include "ledger/core/formtools.h"
#include "ledger/core/texttools.h"
#include "ledger/data/lookuplists.h"
#include "ledger/data/transfers.h"
#include "ledger/records/paymentfields.h"
#include "ledger/records/recordform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace ledger {

TransferPage::TransferPage(QWidget *parent)
    : RecordPage(RecordPageNames::forWord(QStringLiteral("transfer"), QStringLiteral("pclTransfer"),
                                          QStringLiteral("转账信息查询"),
                                          QStringLiteral("转账信息维护")),
                 parent) {
    createPeriodRadios(QStringLiteral("transfer"));
    setListColumns({QStringLiteral("编号"), QStringLiteral("转出形式"), QStringLiteral("转出账户"),
                    QStringLiteral("转出金额"), QStringLiteral("转入类型"),
                    QStringLiteral("转入账户"), QStringLiteral("转账时间"), QStringLiteral("备注")},
                   {0, 70, 140, 65, 70, 140, 100, 300});
    // The two sides, "转出…" and "转入…", named by the side's word.
    const auto side = [this](const char *word, const QString &caption, const QString &formButton) {
        const auto name = [word](const char *pattern) {
            return QString::fromLatin1(pattern).arg(QLatin1String(word));
        };
        return new PaymentFields(
            form(), {name("cbb_transfer_%1FundsType"), caption + QStringLiteral("形式："),
                     formButton, name("cbb_transfer_%1Account"), caption + QStringLiteral("账户："),
                     name("lbl_transfer_%1account_must"), name("sbtn_transfer_%1Account_mgn")});
    };
    m_out = side("out", QStringLiteral("转出"), QStringLiteral("sbtn_transfer_FundsType_mgn"));
    m_amount = form()->addEdit(QStringLiteral("edt_transfer_FundsNum"),
                               QStringLiteral("转出金额："), true);
    m_in = side("in", QStringLiteral("转入"), QStringLiteral("sbtn_transfer_inFundsType_mgn"));
    m_date =
        form()->addDate(QStringLiteral("dtp_transfer_EventDate"), QStringLiteral("转账时间："));
    m_memo = form()->addMemo(QStringLiteral("mm_transfer_Memo"));
}

void TransferPage::cbb_transfer_outFundsTypeChange() {
    m_out->formChange();
}

void TransferPage::cbb_transfer_inFundsTypeChange() {
    m_in->formChange();
}

std::unique_ptr<RecordSource> TransferPage::recordSource() const {
    return std::make_unique<Transfers>(ledgerDb());
}

bool TransferPage::stateRoutine(Mode mode, qint64 key) {
    const std::optional<Transfer> t = recordFor<Transfers, Transfer>(mode, key);
    if (!t)
        return false;
    for (PaymentFields *side : {m_out, m_in})
        side->offerListedForms();
    m_out->showRecord(t->outFundsType, t->outAccount);
    showAmount(m_amount, mode, t->amount);
    m_in->showRecord(t->inFundsType, t->inAccount);
    m_date->setDate(t->eventDate);
    m_memo->setPlainText(t->memo);
    return true;
}

bool TransferPage::checkFields(Transfer *t) {
    t->outFundsType = m_out->form();
    t->outAccount = m_out->account();
    t->inFundsType = m_in->form();
    t->inAccount = m_in->account();
    if (t->outFundsType.isEmpty())
        return rejectField(QStringLiteral("请选择转出形式。"), m_out->formCombo());
    if (m_out->needsAccount() && t->outAccount.isEmpty())
        return rejectField(QStringLiteral("请选择转出账户。"), m_out->accountCombo());
    if (!readShownAmount(m_amount, QStringLiteral("转出金额"), &t->amount))
        return false;
    if (t->amount == 0)
        return rejectField(QStringLiteral("转账金额不能为0。"), m_amount);
    if (t->inFundsType.isEmpty())
        return rejectField(QStringLiteral("请选择转入形式。"), m_in->formCombo());
    if (m_in->needsAccount() && t->inAccount.isEmpty())
        return rejectField(QStringLiteral("请选择转入账户。"), m_in->accountCombo());
    const QString cash = LookupLists::cashEntry();
    if (t->outFundsType == cash && t->inFundsType == cash)
        return rejectField(QStringLiteral("转出和转入不能同为现金。"), m_in->formCombo());
    // Accounts are matched as the database matches them.
    if (!t->outAccount.isEmpty() && equalsNoCase(t->outFundsType, t->inFundsType) &&
        equalsNoCase(t->outAccount, t->inAccount))
        return rejectField(QStringLiteral("转出和转入不能为同一账户。"), m_in->accountCombo());
    t->memo = m_memo->toPlainText();
    t->eventDate = m_date->date();
    return true;
}

void TransferPage::submitClick() {
    Transfer transfer;
    if (checkFields(&transfer))
        saveRow<Transfers>(transfer, &Transfer::transId);
}

} // namespace ledger
