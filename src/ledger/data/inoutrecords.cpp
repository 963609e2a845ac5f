#include "ledger/data/inoutrecords.h"

#include "ledger/data/db.h"

namespace ledger {

InOutRecords::InOutRecords(Db &db, int myType)
    : TableRecords(db, {QStringLiteral("KX_InAndOut"),
                        QStringLiteral("id"),
                        QStringLiteral("id, staffname, eventdate, projectname, fundsnum, "
                                       "fundstype, account, memo"),
                        QStringLiteral("FundsNum"),
                        QStringLiteral("IsValid='1' and myType=?"),
                        {myType},
                        QStringLiteral("income or expense record")}),
      m_myType(myType) {}

std::optional<InOutRecord> InOutRecords::load(qint64 key) const {
    Statement query(db(),
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
    db().exec(QStringLiteral("insert into kx_InAndOut(staffname,ProjectName,FundsNum,FundsType,"
                             "Account,[Memo],EventDate,myType,UserId) values(?,?,?,?,?,?,?,?,?)"),
              {record.staffName, record.projectName, record.fundsNum, record.fundsType,
               record.account, record.memo, record.eventDate, m_myType, userId});
    return db().lastInsertId();
}

void InOutRecords::update(qint64 key, const InOutRecord &record) {
    const int changed = db().exec(
        QStringLiteral("update kx_InAndOut set staffname=?,ProjectName=?,FundsType=?,FundsNum=?,"
                       "Account=?,[Memo]=?,EventDate=? where id=?"),
        {record.staffName, record.projectName, record.fundsType, record.fundsNum, record.account,
         record.memo, record.eventDate, key});
    requireChanged(changed, key);
}

} // namespace ledger
