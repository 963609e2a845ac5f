#include "support/ledger/inoutfixture.h"

#include "support/ledger/recordpagefixture.h"

#include "ledger/records/recordlist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTest>

namespace ledger::test {

InOutFixture::InOutFixture(const InOutKind &k) : kind(k), page(k) {
    page.setToday([] { return kToday; });
    userId = ledger.addUser("admin", "123456");
    ledger.login(userId);
}

void InOutFixture::activate() {
    page.show();
    QApplication::setActiveWindow(&page);
    if (!QTest::qWaitForWindowActive(&page))
        qWarning("page not active");
}

qint64 InOutFixture::addRow(const QString &date, double amount, int myType, const QString &valid) {
    ledger.db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                     "Account, Memo, EventDate, myType, UserId, IsValid) "
                     "values('张三','工资',?,'现金','','',?,?,?,?)",
                     {amount, date, myType, userId, valid});
    return ledger.db().lastInsertId();
}

void InOutFixture::addCard(const QString &form, const QString &account, const QString &valid) {
    ledger.db().exec("insert into kx_Card(FundsType, Account, IsValid) values(?,?,?)",
                     {form, account, valid});
}

QComboBox *InOutFixture::staff() {
    return find<QComboBox>(kind.staffCombo);
}
QComboBox *InOutFixture::project() {
    return find<QComboBox>(kind.name("cbb_%1_ProjectName"));
}
QLineEdit *InOutFixture::amount() {
    return find<QLineEdit>(kind.name("edt_%1_FundsNum"));
}
QComboBox *InOutFixture::form() {
    return find<QComboBox>(kind.name("cbb_%1_FundsType"));
}
QComboBox *InOutFixture::account() {
    return find<QComboBox>(kind.name("cbb_%1_Account"));
}
QPlainTextEdit *InOutFixture::memo() {
    return find<QPlainTextEdit>(kind.name("mm_%1_Memo"));
}
QDateEdit *InOutFixture::date() {
    return find<QDateEdit>(kind.name("dtp_%1_EventDate"));
}
RecordList *InOutFixture::list() {
    return find<RecordList>(kind.names.list);
}
QString InOutFixture::countText() {
    return find<QLabel>(kind.names.countLabel)->text();
}
QString InOutFixture::sumText() {
    return find<QLabel>(kind.names.sumLabel)->text();
}
int InOutFixture::pageIndex() {
    return page.pages()->currentIndex();
}
void InOutFixture::click(const QString &button) {
    find<QAbstractButton>(button)->click();
}

void InOutFixture::pickForm(const QString &text) {
    pickComboText(form(), text);
}

void InOutFixture::fill(const QString &amountText) {
    staff()->setEditText("张三");
    project()->setEditText("工资");
    amount()->setText(amountText);
    pickForm("现金");
}

} // namespace ledger::test
