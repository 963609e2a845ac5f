#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace ledger {

class Db;

// One financial account (a row of kx_Card). The pair (fundsType, account) identifies it.
struct Card {
    qint64 cardid = 0;
    QString staffName;
    QString cardCompany;
    QString fundsType;
    QString account;
    double balance = 0;     // at the newest checkpoint
    double initBalance = 0; // opening balance
    bool valid = true;      // IsValid '1' in use, '0' cancelled
    QString memo;
    QString eventDate; // creation date
};

// A listed account with its computed current balance.
struct CardBalance {
    Card card;
    double computed = 0;
};

// Account numbers are stored and compared in this form (surrounding blanks removed), so that
// the movements naming an account always find it.
QString normalizedAccount(const QString &account);

// The financial accounts. Accounts are never deleted. Throws DbError.
class Cards {
public:
    enum class Filter { Valid, Invalid, All };

    explicit Cards(Db &db) : m_db(db) {}

    // The accounts of the status ordered by type, then id, with their computed balances.
    QList<CardBalance> list(Filter filter) const;
    std::optional<Card> find(qint64 cardid) const;
    bool exists(const QString &fundsType, const QString &account) const;
    // Numbers of the accounts in use of a type, oldest first (the account choice lists).
    QStringList validAccounts(const QString &fundsType) const;

    // Inserts the account (balance and opening balance both card.initBalance) and its opening
    // checkpoint in one transaction; returns the new cardid.
    qint64 insert(const Card &card, int userId);
    // Only the status and the memo of an account change after it is saved. False when there is
    // no such account.
    bool updateStatusMemo(qint64 cardid, bool valid, const QString &memo);

private:
    Db &m_db;
};

} // namespace ledger
