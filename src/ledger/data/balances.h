#pragma once

#include <QList>
#include <QString>

namespace ledger {

class Db;

// One row of an account's history or of its movements since the newest checkpoint.
struct AccountMovement {
    QString date;
    QString kind; // "金融账户", "收入", "支出", "转账", "借支"
    QString item; // the record's item, "初始化卡", "转出"/"转入", "进款"/"支出", a status
    double amount = 0;
};

// Balances worked out from the movements whenever they are asked for. Every movement counts
// with its sign: income/expense and loans myType * FundsNum, a transfer -FundsNum on its out
// side and +FundsNum on its in side. A movement with the form "现金" moves cash, any other one
// the account (FundsType, Account). Throws DbError.
class Balances {
public:
    explicit Balances(Db &db) : m_db(db) {}

    // One account's computed balance: the balance of its newest checkpoint plus its movements
    // with keys above that checkpoint's ids (all of them without a checkpoint).
    double getCardCurNumber(qint64 cardid, const QString &fundsType, const QString &account) const;
    // The valid cash movements.
    double getSumCash() const;
    // The accounts of every status: the sum of their computed balances, plus the non-cash
    // movements of any validity whose form and account match no account.
    double getSumCard() const;
    // Every loan movement, whatever its form: positive when more came in than went out.
    double getSumBorrow() const;

    // Everything of an account from its opening on (no checkpoint), oldest first.
    QList<AccountMovement> history(const QString &fundsType, const QString &account) const;
    // The account's newest checkpoint (kind "金融账户", item its status) and the movements after
    // it, oldest first; their total is getCardCurNumber.
    QList<AccountMovement> sinceCheckpoint(qint64 cardid, const QString &fundsType,
                                           const QString &account) const;

private:
    QList<AccountMovement> movements(const QString &firstRow, const QVariantList &params) const;
    Db &m_db;
};

} // namespace ledger
