#pragma once

#include <QString>
#include <QStringList>

namespace ledger {

class Db;

// The financial accounts of kx_Card, as far as the record pages offer them. Throws DbError.
class Cards {
public:
    explicit Cards(Db &db);

    // Account numbers of the valid accounts of a payment form, in the order they were added.
    QStringList validAccounts(const QString &fundsType) const;
    // The payment forms that have valid accounts, sorted.
    QStringList validFundsTypes() const;

private:
    Db &m_db;
};

} // namespace ledger
