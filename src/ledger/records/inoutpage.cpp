#include "ledger/records/inoutpage.h"

#include "ledger/app/paths.h"
#include "ledger/core/moneytext.h"
#include "ledger/core/untpub.h"
#include "ledger/core/untvar.h"
#include "ledger/data/db.h"
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
    addFormRow(m_kind.fieldLabels.at(0), m_staff, true);
    auto *staffButton = addListButton(m_staff, m_kind.staffButton, editHint);

    m_project = makeCombo(m_kind.projectCombo);
    addFormRow(m_kind.fieldLabels.at(1), m_project, true);
    auto *projectButton = addListButton(m_project, m_kind.projectButton, editHint);

    m_amount = new QLineEdit(box);
    m_amount->setObjectName(m_kind.amountEdit);
    installAmountFilter(m_amount);
    addFormRow(m_kind.fieldLabels.at(2), m_amount, true, new QLabel(QStringLiteral("元"), box));

    m_date = addDateRow(m_kind.fieldLabels.at(3), m_kind.dateEdit);

    m_fundsType = makeCombo(m_kind.fundsTypeCombo);
    addFormRow(m_kind.fieldLabels.at(4), m_fundsType, true);
    auto *fundsTypeButton = addListButton(m_fundsType, m_kind.fundsTypeButton, editHint);

    m_account = makeCombo(m_kind.accountCombo);
    m_accountMust = addFormRow(QStringLiteral("金融账户："), m_account, true);
    m_accountMust->setObjectName(m_kind.accountMust);
    auto *accountButton =
        addListButton(m_account, m_kind.accountButton, QStringLiteral("刷新列表"));

    m_memo = addMemoRow(m_kind.memo);

    // A change of the payment form by the user (picked or typed), not by the program.
    connect(m_fundsType, &QComboBox::activated, this, &InOutPage::fundsTypeChange);
    connect(m_fundsType->lineEdit(), &QLineEdit::textEdited, this, &InOutPage::fundsTypeChange);
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

RecordPage::ListQuery InOutPage::listQuery() const {
    ListQuery query;
    query.columns =
        QStringLiteral("id, staffname, eventdate, projectname, fundsnum, fundstype, account, memo");
    query.from = QStringLiteral("from KX_InAndOut where IsValid='1' and myType=?");
    query.params = {m_kind.myType};
    query.dateColumn = QStringLiteral("EventDate");
    query.amountColumn = QStringLiteral("FundsNum");
    query.orderBy = QStringLiteral("id");
    return query;
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
    Statement record(database(), QStringLiteral("select * from KX_InAndOut where id=?"), {key});
    if (!record.next())
        return;
    fillLookupLists();
    setComboText(m_staff, record.text(QStringLiteral("StaffName")));
    setComboText(m_project, record.text(QStringLiteral("ProjectName")));
    m_amount->setText(record.text(QStringLiteral("FundsNum")));
    resetFundsTypes(m_fundsType);
    fillItemsFromQuery(QStringLiteral("SELECT distinct FundsType from kx_card where "
                                      "IsValid='1' ORDER BY FundsType"),
                       {}, QStringLiteral("FundsType"), m_fundsType, false, false);
    setComboText(m_fundsType, record.text(QStringLiteral("FundsType")));
    fundsTypeChange();
    setComboText(m_account, record.text(QStringLiteral("Account")));
    m_date->setDate(parseDateTime(record.text(QStringLiteral("EventDate"))).date());
    m_memo->setPlainText(record.text(QStringLiteral("Memo")));
    showEditPage();
    if (mode == Mode::Browse) {
        submitButton()->setEnabled(false);
        idLabel()->clear();
    } else {
        submitButton()->setEnabled(true);
        idLabel()->setText(QString::number(key));
    }
}

void InOutPage::submitClick() {
    const QStringList &message = m_kind.messages;
    const QString staff = trimmedText(m_staff);
    if (staff.isEmpty()) {
        rejectField(message.at(0), m_staff);
        return;
    }
    const QString project = trimmedText(m_project);
    if (project.isEmpty()) {
        rejectField(message.at(1), m_project);
        return;
    }
    double amount = 0;
    if (!parseAmount(m_amount->text(), &amount)) {
        rejectField(message.at(2), m_amount);
        return;
    }
    if (amount == 0) {
        rejectField(message.at(3), m_amount);
        return;
    }
    const QString fundsType = trimmedText(m_fundsType);
    if (fundsType.isEmpty()) {
        rejectField(message.at(4), m_fundsType);
        return;
    }
    const QString account = trimmedText(m_account);
    if (needsAccount(m_fundsType) && account.isEmpty()) {
        rejectField(message.at(5), m_account);
        return;
    }
    const QString memo = m_memo->toPlainText();
    const QString date = m_date->date().toString(QLatin1String(kDateFmt));

    qint64 key = 0;
    bool ok = false;
    if (editingKey(&key)) {
        int changed = 0;
        ok = execSQL(QStringLiteral("update kx_InAndOut  set staffname=?,ProjectName=?,"
                                    "FundsType=?,FundsNum=?,Account=?,[Memo]=?,EventDate=? "
                                    "where id=?"),
                     {staff, project, fundsType, amount, account, memo, date, key}, &changed) &&
             changed > 0;
    } else {
        ok = execSQL(
            QStringLiteral("insert into kx_InAndOut(staffname,ProjectName,FundsNum,"
                           "FundsType,Account,[Memo],EventDate,myType,UserId)  "
                           "values(?,?,?,?,?,?,?,?,?)"),
            {staff, project, amount, fundsType, account, memo, date, m_kind.myType, currentUserId});
    }
    finishSave(ok);
}

} // namespace ledger
