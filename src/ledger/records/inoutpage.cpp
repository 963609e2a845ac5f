#include "ledger/records/inoutpage.h"

#include "ledger/app/datetext.h"
#include "ledger/app/paths.h"
#include "ledger/core/comboitems.h"
#include "ledger/core/datefield.h"
#include "ledger/core/formtools.h"
#include "ledger/data/cards.h"
#include "ledger/data/inoutrecords.h"
#include "ledger/data/lookuplists.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/records/paymentfields.h"
#include "ledger/records/recordform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace ledger {

namespace {

const QString kStaffList = QStringLiteral("StaffName");

} // namespace

InOutPage::InOutPage(const InOutKind &kind, QWidget *parent)
    : RecordPage(kind.names, parent), m_kind(kind) {
    createPeriodRadios(kind.word);
    setListColumns(kind.listCaptions, {0, 60, 100, 65, 65, 70, 140, 400});
    RecordForm *f = form();
    m_staff = f->addCombo(kind.staffCombo, kind.staffLabel);
    f->addListEditor(m_staff, kind.name("sbtn_%1_StaffName_mgn"), QStringLiteral("staffname"));
    m_project = f->addCombo(kind.name("cbb_%1_ProjectName"), kind.projectLabel);
    f->addListEditor(m_project, kind.name("sbtn_%1_ProjectName_mgn"), kind.projectList);
    m_amount = f->addEdit(kind.name("edt_%1_FundsNum"), kind.amountLabel, true);
    m_date = f->addDate(kind.name("dtp_%1_EventDate"), kind.dateLabel);
    m_payment = new PaymentFields(
        f, {kind.name("cbb_%1_FundsType"), kind.fundsTypeLabel, kind.name("sbtn_%1_fundstype_mgn"),
            kind.name("cbb_%1_Account"), QStringLiteral("金融账户："),
            kind.name("lbl_%1_account_must"), kind.name("sbtn_%1_account_mgn")});
    m_memo = f->addMemo(kind.name("mm_%1_Memo"));
}

std::unique_ptr<RecordSource> InOutPage::recordSource() const {
    return std::make_unique<InOutRecords>(ledgerDb(), m_kind.myType);
}

bool InOutPage::stateRoutine(Mode mode, qint64 key) {
    InOutRecord record;
    if (mode != Mode::Add) {
        const std::optional<InOutRecord> stored = InOutRecords(ledgerDb(), m_kind.myType).load(key);
        if (!stored)
            return false;
        record = *stored;
    }
    const LookupLists lists(ledgerDb());
    fillComboItems(m_staff, lists.values(kStaffList), true, false);
    setComboText(m_staff, record.staffName);
    fillComboItems(m_project, lists.values(m_kind.projectList), true, false);
    setComboText(m_project, record.projectName);
    showAmount(m_amount, mode, record.fundsNum);
    // A stored record is offered the forms of the accounts in use, a new one the list.
    if (mode == Mode::Add)
        m_payment->offerListedForms();
    else
        m_payment->offerForms(Cards(ledgerDb()).validFundsTypes());
    m_payment->showRecord(record.fundsType, record.account);
    m_date->setDate(mode == Mode::Add ? today() : parseDateTime(record.eventDate).date());
    m_memo->setPlainText(record.memo);
    return true;
}

bool InOutPage::readFields(InOutRecord *record) {
    record->staffName = trimmedText(m_staff);
    if (record->staffName.isEmpty())
        return rejectField(m_kind.staffMessage, m_staff);
    record->projectName = trimmedText(m_project);
    if (record->projectName.isEmpty())
        return rejectField(m_kind.projectMessage, m_project);
    if (!readShownAmount(m_amount, m_kind.amountName, &record->fundsNum))
        return false;
    if (record->fundsNum == 0)
        return rejectField(m_kind.zeroMessage, m_amount);
    record->fundsType = m_payment->form();
    if (record->fundsType.isEmpty())
        return rejectField(m_kind.fundsTypeMessage, m_payment->formCombo());
    record->account = m_payment->account();
    if (m_payment->needsAccount() && record->account.isEmpty())
        return rejectField(QStringLiteral("请选择金融账户。"), m_payment->accountCombo());
    record->memo = m_memo->toPlainText();
    record->eventDate = m_date->date().toString(QLatin1String(kDateFmt));
    return true;
}

void InOutPage::submitClick() {
    InOutRecord record;
    if (!readFields(&record))
        return;
    saveRecord([&](Db &db) {
        InOutRecords records(db, m_kind.myType);
        if (const std::optional<qint64> key = editKey())
            records.update(*key, record);
        else
            records.insert(record, currentUserId);
        return true;
    });
}

} // namespace ledger
