#pragma once

#include <QDate>
#include <QString>
#include <QVector>

namespace ledger {

class Db;

// One income or expense row of a period.
struct PeriodRow {
    qint64 id = 0;
    QString eventDate;
    int myType = 0; // 1 income, -1 expense; other values are listed but not totalled
    QString projectName;
    double fundsNum = 0;
};

// The rows of a period with the income and expense totals.
struct PeriodSummary {
    QVector<PeriodRow> rows;
    double income = 0;
    double expense = 0;
};

// The sum of one source or item.
struct ProjectSum {
    QString projectName;
    double sum = 0;
};

// The statistics' queries on kx_InAndOut. They read only valid rows (IsValid '1') dated from
// begin to end, both days included. Each throws DbError.
class StatsQueries {
public:
    // Every row, income first, then expenses, then other kinds; each kind in the order of entry.
    static PeriodSummary periodSummary(Db &db, const QDate &begin, const QDate &end);
    // The sums of one kind (1 income, -1 expense) per source or item, ordered by name; names
    // differing only in letter case form one group.
    static QVector<ProjectSum> projectSums(Db &db, int myType, const QDate &begin,
                                           const QDate &end);
};

} // namespace ledger
