#include "ledger/records/inoutpage.h"

#include "ledger/app/datetext.h"
#include "ledger/app/paths.h"
#include "ledger/core/comboitems.h"
#include "ledger/core/currentuser.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/moneytext.h"
#include "ledger/data/cards.h"
#include "ledger/data/db.h"
#include "ledger/data/inoutrecords.h"
#include "ledger/data/lookuplists.h"
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
#include <QSignalBlocker>
#include <QToolButton>

namespace ledger {

InOutPage::InOutPage(const InOutKind &kind, QWidget *parent)
    : RecordPage(kind.names, parent), m_kind(kind) {
    createPeriodRadios(kind.word);
    setListColumns(kind.listCaptions, {0, 60, 100, 65, 65, 70, 140, 400});
    buildFields();
}

void InOutPage::buildFields() {
    QWidget *box = form()->parentWidget();
    const QString editHint = QStringLiteral("编辑下拉列表");

    m_staff = makeCombo(m_kind.staffCombo);
    addFormRow(m_kind.staffLabel, m_staff, true);
    auto *staffButton = addListButton(m_staff, m_kind.staffButton, editHint);

    m_project = makeCombo(m_kind.projectCombo);
    addFormRow(m_kind.projectLabel, m_project, true);
    auto *projectButton = addListButton(m_project, m_kind.projectButton, editHint);

    m_amount = new QLineEdit(box);
    m_amount->setObjectName(m_kind.amountEdit);
    installAmountFilter(m_amount);
    addFormRow(m_kind.amountLabel, m_amount, true, new QLabel(QStringLiteral("元"), box));

    m_date = addDateRow(m_kind.dateLabel, m_kind.dateEdit);

    m_fundsType = makeCombo(m_kind.fundsTypeCombo);
    addFormRow(m_kind.fundsTypeLabel, m_fundsType, true);
    auto *fundsTypeButton = addListButton(m_fundsType, m_kind.fundsTypeButton, editHint);

    m_account = makeCombo(m_kind.accountCombo);
    m_accountMust = addFormRow(QStringLiteral("金融账户："), m_account, true);
    m_accountMust->setObjectName(m_kind.accountMust);
    auto *accountButton =
        addListButton(m_account, m_kind.accountButton, QStringLiteral("刷新列表"));

    m_memo = addMemoRow(m_kind.memo);

    watchPaymentForm(m_fundsType, [this] { fundsTypeChange(); });
    connect(staffButton, &QToolButton::clicked, this,
            [this] { openListEditor(m_staff, QStringLiteral("staffname")); });
    connect(projectButton, &QToolButton::clicked, this,
            [this] { openListEditor(m_project, m_kind.projectList); });
    connect(fundsTypeButton, &QToolButton::clicked, this,
            [this] { openListEditor(m_fundsType, QStringLiteral("FundsType")); });
    connect(accountButton, &QToolButton::clicked, this, &InOutPage::fundsTypeChange);
}

void InOutPage::openListEditor(QComboBox *combo, const QString &listName) {
    TfrmParam::showParamEditor(combo, listName, window());
}

void InOutPage::fundsTypeChange() {
    applyAccountRule(m_fundsType, m_account, m_accountMust);
}

std::unique_ptr<RecordSource> InOutPage::recordSource() const {
    return std::make_unique<InOutRecords>(ledgerDb(), m_kind.myType);
}

void InOutPage::fillLookupLists() {
    fillLookupList(m_staff, QStringLiteral("StaffName"));
    fillLookupList(m_project, m_kind.projectList);
}

void InOutPage::stateRoutine(Mode mode, qint64 key) {
    if (mode == Mode::Add) {
        fillLookupLists();
        fillFundsTypes(m_fundsType);
        m_amount->clear();
        m_date->setDisplayFormat(QLatin1String(kDateFmt));
        m_date->setDate(today());
        m_memo->clear();
        fundsTypeChange();
        idLabel()->clear();
        submitButton()->setEnabled(true);
        showEditPage();
        m_staff->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::optional<InOutRecord> record = InOutRecords(ledgerDb(), m_kind.myType).load(key);
    if (!record)
        return;
    fillLookupLists();
    setComboText(m_staff, record->staffName);
    setComboText(m_project, record->projectName);
    m_amount->setText(numberText(record->fundsNum));
    resetFundsTypes(m_fundsType);
    fillComboItems(m_fundsType, Cards(ledgerDb()).validFundsTypes(), false, false);
    setComboText(m_fundsType, record->fundsType);
    fundsTypeChange();
    setComboText(m_account, record->account);
    m_date->setDate(parseDateTime(record->eventDate).date());
    m_memo->setPlainText(record->memo);
    showEditPage();
    if (mode == Mode::Browse) {
        submitButton()->setEnabled(false);
        idLabel()->clear();
    } else {
        submitButton()->setEnabled(true);
        idLabel()->setText(QString::number(key));
    }
}

bool InOutPage::readFields(InOutRecord *record) {
    record->staffName = trimmedText(m_staff);
    if (record->staffName.isEmpty())
        return rejectField(m_kind.staffMessage, m_staff);
    record->projectName = trimmedText(m_project);
    if (record->projectName.isEmpty())
        return rejectField(m_kind.projectMessage, m_project);
    if (!parseAmount(m_amount->text(), &record->fundsNum))
        return rejectField(m_kind.amountMessage, m_amount);
    if (record->fundsNum == 0)
        return rejectField(m_kind.zeroMessage, m_amount);
    record->fundsType = trimmedText(m_fundsType);
    if (record->fundsType.isEmpty())
        return rejectField(m_kind.fundsTypeMessage, m_fundsType);
    record->account = trimmedText(m_account);
    if (needsAccount(m_fundsType) && record->account.isEmpty())
        return rejectField(QStringLiteral("请选择金融账户。"), m_account);
    record->memo = m_memo->toPlainText();
    record->eventDate = m_date->date().toString(QLatin1String(kDateFmt));
    return true;
}

void InOutPage::submitClick() {
    InOutRecord record;
    if (!readFields(&record))
        return;
    finishSave(guardDb("record save", [&] {
        InOutRecords records(ledgerDb(), m_kind.myType);
        qint64 key = 0;
        if (editingKey(&key))
            records.update(key, record);
        else
            records.insert(record, currentUserId);
    }));
}

} // namespace ledger
