#include "ledger/data/inoutrecords.h"

#include "ledger/app/paths.h"
#include "ledger/data/db.h"

namespace ledger {

InOutRecords::InOutRecords(Db &db, int myType) : m_db(db), m_myType(myType) {}

QString InOutRecords::periodCondition(std::optional<QDate> since, QVariantList *params) const {
    QString where = QStringLiteral(" from KX_InAndOut where IsValid='1' and myType=?");
    *params = {m_myType};
    if (since) {
        where += QStringLiteral(" and EventDate >= ?");
        *params << since->toString(QLatin1String(kDateFmt));
    }
    return where;
}

void InOutRecords::rows(std::optional<QDate> since, RecordRows *out) const {
    QVariantList params;
    const QString where = periodCondition(since, &params);
    Statement query(m_db,
                    QStringLiteral("SELECT id, staffname, eventdate, projectname, fundsnum, "
                                   "fundstype, account, memo") +
                        where + QStringLiteral(" ORDER BY id"),
                    params);
    readRecordRows(query, out);
}

RecordTotals InOutRecords::totals(std::optional<QDate> since) const {
    QVariantList params;
    const QString where = periodCondition(since, &params);
    Statement sums(m_db, QStringLiteral("SELECT count(*), total(FundsNum)") + where, params);
    RecordTotals totals;
    if (sums.next()) {
        totals.count = int(sums.integer(0));
        totals.total = sums.number(1);
    }
    return totals;
}

void InOutRecords::remove(qint64 key) {
    if (m_db.exec(QStringLiteral("delete from KX_InAndOut where id=?"), {key}) == 0)
        throw DbError(QStringLiteral("no income or expense record %1").arg(key),
                      DbError::Code::RecordMissing);
}

std::optional<InOutRecord> InOutRecords::load(qint64 key) const {
    Statement query(m_db,
                    QStringLiteral("select StaffName, ProjectName, FundsNum, FundsType, Account, "
                                   "Memo, EventDate from KX_InAndOut where id=?"),
                    {key});
    if (!query.next())
        return std::nullopt;
    InOutRecord record;
    record.staffName = query.text(0);
    record.projectName = query.text(1);
    record.fundsNum = query.number(2);
    record.fundsType = query.text(3);
    record.account = query.text(4);
    record.memo = query.text(5);
    record.eventDate = query.text(6);
    return record;
}

qint64 InOutRecords::insert(const InOutRecord &record, int userId) {
    m_db.exec(QStringLiteral("insert into kx_InAndOut(staffname,ProjectName,FundsNum,FundsType,"
                             "Account,[Memo],EventDate,myType,UserId) values(?,?,?,?,?,?,?,?,?)"),
              {record.staffName, record.projectName, record.fundsNum, record.fundsType,
               record.account, record.memo, record.eventDate, m_myType, userId});
    return m_db.lastInsertId();
}

void InOutRecords::update(qint64 key, const InOutRecord &record) {
    const int changed = m_db.exec(
        QStringLiteral("update kx_InAndOut set staffname=?,ProjectName=?,FundsType=?,FundsNum=?,"
                       "Account=?,[Memo]=?,EventDate=? where id=?"),
        {record.staffName, record.projectName, record.fundsType, record.fundsNum, record.account,
         record.memo, record.eventDate, key});
    if (changed == 0)
        throw DbError(QStringLiteral("no income or expense record %1").arg(key),
                      DbError::Code::RecordMissing);
}

} // namespace ledger
