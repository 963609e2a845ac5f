#pragma once

#include "ledger/data/recordsource.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace ledger {

class Db;

// The rows of a period as the summary list shows them, with the income and expense totals.
struct PeriodSummary {
    // Cells: id, date, kind ("收入", "支出", "未知"), source or item, amount (an expense's
    // negated).
    RecordRows rows;
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
    explicit StatsQueries(Db &db) : m_db(db) {}

    // Every row, income first, then other kinds, then expenses; each kind in the order of entry.
    PeriodSummary periodSummary(const QDate &begin, const QDate &end) const;
    // The sums of one kind (1 income, -1 expense) per source or item, ordered by name; names
    // differing only in letter case form one group.
    QVector<ProjectSum> projectSums(int myType, const QDate &begin, const QDate &end) const;

    // The list's word for a kind.
    static QString kindWord(int myType);

private:
    Db &m_db;
};

} // namespace ledger
