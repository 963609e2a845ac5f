#include "ledger/data/cards.h"

#include "ledger/data/db.h"

namespace ledger {

Cards::Cards(Db &db) : m_db(db) {}

QStringList Cards::validAccounts(const QString &fundsType) const {
    return firstColumnTexts(m_db,
                            QStringLiteral("SELECT Account from kx_card where IsValid='1' and "
                                           "FundsType=? ORDER BY cardid"),
                            {fundsType});
}

QStringList Cards::validFundsTypes() const {
    return firstColumnTexts(m_db, QStringLiteral("SELECT distinct FundsType from kx_card where "
                                                 "IsValid='1' ORDER BY FundsType"));
}

} // namespace ledger
