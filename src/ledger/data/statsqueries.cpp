#include "ledger/data/statsqueries.h"

#include "ledger/data/db.h"

namespace ledger {

PeriodSummary StatsQueries::periodSummary(Db &db, const QDate &begin, const QDate &end) {
    Statement rows(db,
                   QStringLiteral("SELECT id, myType, EventDate, ProjectName, FundsNum "
                                  "FROM kx_InAndOut WHERE IsValid='1' AND EventDate >= ? "
                                  "AND EventDate <= ? ORDER BY myType DESC, id"),
                   {begin, end});
    PeriodSummary summary;
    while (rows.next()) {
        PeriodRow row;
        row.id = rows.integer(0);
        row.myType = int(rows.integer(1));
        row.eventDate = rows.text(2);
        row.projectName = rows.text(3);
        row.fundsNum = rows.number(4);
        if (row.myType == 1)
            summary.income += row.fundsNum;
        else if (row.myType == -1)
            summary.expense += row.fundsNum;
        summary.rows.append(std::move(row));
    }
    return summary;
}

QVector<ProjectSum> StatsQueries::projectSums(Db &db, int myType, const QDate &begin,
                                              const QDate &end) {
    // Grouped in the covering index ix_inandout_stat: no sort and no table reads.
    Statement sums(db,
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
