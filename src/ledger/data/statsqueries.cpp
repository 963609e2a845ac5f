#include "ledger/data/statsqueries.h"

#include "ledger/data/db.h"
#include "ledger/data/numbertext.h"

namespace ledger {

QString StatsQueries::kindWord(int myType) {
    switch (myType) {
    case 1:
        return QStringLiteral("收入");
    case -1:
        return QStringLiteral("支出");
    default:
        return QStringLiteral("未知");
    }
}

PeriodSummary StatsQueries::periodSummary(const QDate &begin, const QDate &end) const {
    Statement rows(m_db,
                   QStringLiteral("SELECT id, EventDate, myType, ProjectName, FundsNum "
                                  "FROM kx_InAndOut WHERE IsValid='1' AND EventDate >= ? "
                                  "AND EventDate <= ? ORDER BY myType DESC, id"),
                   {begin, end});
    PeriodSummary summary;
    summary.rows.columns = 5;
    while (rows.next()) {
        const int myType = int(rows.integer(2));
        const double amount = rows.number(4);
        if (myType == 1)
            summary.income += amount;
        else if (myType == -1)
            summary.expense += amount;
        summary.rows.cells << rows.text(0) << rows.text(1) << kindWord(myType) << rows.text(3)
                           << numberText(myType == -1 ? -amount : amount);
    }
    return summary;
}

QVector<ProjectSum> StatsQueries::projectSums(int myType, const QDate &begin,
                                              const QDate &end) const {
    // Grouped in the covering index ix_inandout_stat: no sort and no table reads.
    Statement sums(m_db,
                   QStringLiteral("SELECT ProjectName, total(FundsNum) FROM kx_InAndOut "
                                  "WHERE myType = ? AND IsValid='1' AND EventDate >= ? "
                                  "AND EventDate <= ? GROUP BY ProjectName ORDER BY ProjectName"),
                   {myType, begin, end});
    QVector<ProjectSum> result;
    while (sums.next())
        result.append({sums.text(0), sums.number(1)});
    return result;
}

} // namespace ledger
