#include "ledger/data/balances.h"

#include "ledger/data/balancesql.h"
#include "ledger/data/cards.h"
#include "ledger/data/checkpoints.h"
#include "ledger/data/db.h"
#include "ledger/data/lookuplists.h"
#include "ledger/data/recordsource.h"

namespace ledger {

namespace {

double singleNumber(Db &db, const QString &sql, const QVariantList &params = {}) {
    Statement row(db, sql, params);
    return row.next() ? sumNumber(row, 0) : 0.0;
}

// The account's movements with keys above ?3 (income/expense), ?4 (transfers) and ?5 (loans),
// for the account ?1 (type), ?2 (number); columns date, source, key, kind, item, amount.
const QString kMovementRows = QStringLiteral(
    " UNION ALL SELECT EventDate, 1, id,"
    "   CASE myType WHEN 1 THEN '收入' WHEN -1 THEN '支出' END, ProjectName, myType*FundsNum"
    "   FROM kx_InAndOut WHERE FundsType=?1 AND Account=?2 AND id>?3"
    " UNION ALL SELECT EventDate, 2, TransId, '转账', '转出', -FundsNum"
    "   FROM kx_Transfer WHERE outFundsType=?1 AND outAccount=?2 AND TransId>?4"
    " UNION ALL SELECT EventDate, 2, TransId, '转账', '转入', FundsNum"
    "   FROM kx_Transfer WHERE inFundsType=?1 AND inAccount=?2 AND TransId>?4"
    " UNION ALL SELECT EventDate, 3, BorrowId, '借支',"
    "   CASE myType WHEN 1 THEN '进款' WHEN -1 THEN '支出' END, myType*FundsNum"
    "   FROM kx_Borrow WHERE FundsType=?1 AND Account=?2 AND BorrowId>?5");

QVariantList accountParams(const QString &fundsType, const QString &account, qint64 io, qint64 tr,
                           qint64 bo) {
    return {fundsType.trimmed(), normalizedAccount(account), io, tr, bo};
}

} // namespace

double Balances::getCardCurNumber(qint64 cardid, const QString &fundsType,
                                  const QString &account) const {
    const Checkpoint cp = Checkpoints(m_db).newest(cardid).value_or(Checkpoint{});
    return singleNumber(m_db,
                        QStringLiteral("SELECT ") + balancesql::computedBalance() +
                            QStringLiteral(" FROM (SELECT ?1 AS ft, ?2 AS ac, ?3 AS io, "
                                           "?4 AS tr, ?5 AS bo) a"),
                        accountParams(fundsType, account, cp.inAndOutId, cp.transId, cp.borrowId));
}

double Balances::getSumCash() const {
    return singleNumber(
        m_db,
        QStringLiteral(
            "SELECT (SELECT total(myType*FundsNum) FROM kx_InAndOut"
            "         WHERE FundsType=?1 AND IsValid='1')"
            " - (SELECT total(FundsNum) FROM kx_Transfer WHERE outFundsType=?1 AND IsValid='1')"
            " + (SELECT total(FundsNum) FROM kx_Transfer WHERE inFundsType=?1 AND IsValid='1')"
            " + (SELECT total(myType*FundsNum) FROM kx_Borrow WHERE FundsType=?1 AND "
            "IsValid='1')"),
        {LookupLists::cashEntry()});
}

double Balances::getSumCard() const {
    double sum =
        singleNumber(m_db, QStringLiteral("SELECT ") + balancesql::totalOfBalances() +
                               QStringLiteral(" FROM ") + balancesql::cardsWithCheckpoint());
    for (const QString &side : balancesql::unmatchedMovementSides())
        sum += singleNumber(m_db, side, {LookupLists::cashEntry()});
    return sum;
}

double Balances::getSumBorrow() const {
    return singleNumber(m_db, QStringLiteral("SELECT total(myType*FundsNum) FROM kx_Borrow"));
}

QList<AccountMovement> Balances::history(const QString &fundsType, const QString &account) const {
    return movements(QStringLiteral("SELECT eventDate, 0, cardid, '金融账户', '初始化卡', "
                                    "InitBalance FROM kx_Card WHERE FundsType=?1 AND "
                                    "Account=?2"),
                     accountParams(fundsType, account, 0, 0, 0));
}

QList<AccountMovement> Balances::sinceCheckpoint(qint64 cardid, const QString &fundsType,
                                                 const QString &account) const {
    const std::optional<Checkpoint> cp = Checkpoints(m_db).newest(cardid);
    if (!cp) // no checkpoint: everything after the start
        return movements(QStringLiteral("SELECT NULL, 0, 0, NULL, NULL, NULL WHERE 0"),
                         accountParams(fundsType, account, 0, 0, 0));
    QVariantList params =
        accountParams(fundsType, account, cp->inAndOutId, cp->transId, cp->borrowId);
    params << cp->id;
    return movements(QStringLiteral("SELECT eventDate, 0, id, '金融账户', COALESCE(status,''), "
                                    "balance FROM kx_card_duizhang WHERE id=?6"),
                     params);
}

QList<AccountMovement> Balances::movements(const QString &firstRow,
                                           const QVariantList &params) const {
    QList<AccountMovement> rows;
    Statement query(m_db,
                    QStringLiteral("SELECT * FROM (") + firstRow + kMovementRows +
                        QStringLiteral(") ORDER BY 1, 2, 3"),
                    params);
    while (query.next())
        rows.append({query.text(0), query.text(3), query.text(4), query.number(5)});
    return rows;
}

} // namespace ledger
