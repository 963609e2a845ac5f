#include "support/ledger/accountledger.h"

#include "ledger/app/paths.h"
#include "ledger/data/cards.h"
#include "ledger/data/loans.h"
#include "ledger/data/transfers.h"

namespace ledger::test {

namespace {
QDate day(const QString &date) {
    return QDate::fromString(date, QLatin1String(kDateFmt));
}
} // namespace

qint64 AccountLedger::addCard(const QString &type, const QString &account, double opening,
                              const QString &created) {
    Card card;
    card.staffName = QStringLiteral("张三");
    card.cardCompany = QStringLiteral("工商银行");
    card.fundsType = type;
    card.account = account;
    card.initBalance = opening;
    const qint64 cardid = Cards(db()).insert(card, 1);
    if (!created.isEmpty()) {
        db().exec("update kx_Card set eventDate=? where cardid=?", {created, cardid});
        db().exec("update kx_card_duizhang set eventDate=? where cardid=?", {created, cardid});
    }
    return cardid;
}

qint64 AccountLedger::addInOut(const QString &date, int myType, double amount, const QString &form,
                               const QString &account, const QString &item) {
    db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, Account, "
              "EventDate, myType, UserId) values('张三',?,?,?,?,?,?,1)",
              {item, amount, form, account, date, myType});
    return db().lastInsertId();
}

qint64 AccountLedger::addTransfer(const QString &date, double amount, const QString &outForm,
                                  const QString &outAccount, const QString &inForm,
                                  const QString &inAccount) {
    return Transfers(db()).insert(
        {0, outForm, outAccount, amount, inForm, inAccount, QString(), day(date)}, 1);
}

qint64 AccountLedger::addLoan(const QString &date, int myType, double amount, const QString &form,
                              const QString &account, const QString &name) {
    return Loans(db()).insert({0, myType, name, amount, form, account, QString(), day(date)}, 1);
}

qint64 AccountLedger::workedExample() {
    const qint64 a = addCard("储蓄卡", "001", 1000, "2024-03-01");
    addInOut("2024-03-01", 1, 5000, "储蓄卡", "001", "工资");
    addInOut("2024-03-02", -1, 200, "现金", QString(), "餐饮");
    addInOut("2024-03-03", -1, 300.50, "储蓄卡", "001", "购物");
    addTransfer("2024-03-04", 500, "储蓄卡", "001", "现金", QString());
    addLoan("2024-03-05", -1, 1000, "储蓄卡", "001", "张三");
    addLoan("2024-03-06", 1, 300, "现金", QString(), "李四");
    return a;
}

} // namespace ledger::test
