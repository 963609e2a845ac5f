#pragma once

#include "ledger/data/recordsource.h"

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

// Account numbers are stored and compared in this form (surrounding blanks removed), so that
// the movements naming an account always find it.
QString normalizedAccount(const QString &account);

// The financial accounts. Lists show the accounts of a status (no period applies) by type,
// then id: cardid, type, issuer, number, balance at the newest checkpoint, computed balance,
// holder, memo; the total is the sum of the computed balances. Accounts are never deleted.
// Throws DbError.
class Cards : public RecordSource {
public:
    enum class Filter { Valid, Invalid, All };

    explicit Cards(Db &db, Filter filter = Filter::All) : m_db(db), m_filter(filter) {}

    void keys(std::optional<QDate> since, QVector<qint64> *out) const override;
    void rows(const QVector<qint64> &keys, RecordRows *out) const override;
    RecordTotals totals(std::optional<QDate> since) const override;
    // Accounts are never deleted: always BadStatement.
    void remove(qint64 key) override;

    std::optional<Card> find(qint64 cardid) const;
    bool exists(const QString &fundsType, const QString &account) const;
    // Numbers of the accounts in use of a type, oldest first (the account choice lists).
    QStringList validAccounts(const QString &fundsType) const;
    // The payment forms that have accounts in use, sorted.
    QStringList validFundsTypes() const;

    // Inserts the account (balance and opening balance both card.initBalance) and its opening
    // checkpoint in one transaction; returns the new cardid.
    qint64 insert(const Card &card, int userId);
    // Only the status and the memo of an account change after it is saved. RecordMissing when
    // there is no such account.
    void updateStatusMemo(qint64 cardid, bool valid, const QString &memo);

private:
    QString fromWhere(QVariantList *params) const;

    Db &m_db;
    Filter m_filter;
};

} // namespace ledger
