#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ledger {

class Db;

// One entry of a lookup list: its text and its stored position.
struct LookupEntry {
    QString value;
    int seqid = 0;
};

// The lookup lists of kx_hash (StaffName, IncomeType, OutType, FundsType, CardCompany): the
// entries offered by a combo box, in their stored order. Throws DbError.
class LookupLists {
public:
    explicit LookupLists(Db &db);

    // The payment-form list, which also holds the account types.
    static QString fundsTypeList() { return QStringLiteral("FundsType"); }
    // The payment form that is no account: shown first in every payment-form choice, never
    // stored in the list.
    static QString cashEntry() { return QStringLiteral("现金"); }

    QStringList values(const QString &keyName) const;
    // Replaces the whole list in one transaction: on failure the stored list stays as it was.
    void replace(const QString &keyName, const QList<LookupEntry> &entries);

private:
    Db &m_db;
};

} // namespace ledger
