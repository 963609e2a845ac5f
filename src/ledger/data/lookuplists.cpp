#include "ledger/data/lookuplists.h"

#include "ledger/data/db.h"

namespace ledger {

LookupLists::LookupLists(Db &db) : m_db(db) {}

QStringList LookupLists::values(const QString &keyName) const {
    return firstColumnTexts(
        m_db, QStringLiteral("SELECT keyvalue from kx_hash where keyname=? order by seqid, hashid"),
        {keyName});
}

void LookupLists::replace(const QString &keyName, const QList<LookupEntry> &entries) {
    Transaction transaction(m_db);
    m_db.exec(QStringLiteral("delete from kx_hash where keyname=?"), {keyName});
    for (const LookupEntry &entry : entries)
        m_db.exec(QStringLiteral("insert into kx_hash(keyname, keyvalue, seqid) values(?,?,?)"),
                  {keyName, entry.value, entry.seqid});
    transaction.commit();
}

} // namespace ledger
