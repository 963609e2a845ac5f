#pragma once

#include "ledger/stats/stattab.h"

class QLabel;

namespace ledger {

class RecordList;

// "收支分析" (TabSheet11): every income and expense row of the range with the three totals.
class PeriodSummaryTab : public StatTab {
    Q_OBJECT
public:
    explicit PeriodSummaryTab(QWidget *parent = nullptr);

    void search() override { showHuizong(); }
    void showHuizong();
    void SpeedButton10Click(); // export of the list

    RecordList *list() const { return m_list; }
    QString totalsText() const;

    // The totals line: "总收入：1,234.50元  总支出：...元  余额：...元".
    static QString totalsLine(double income, double expense);

private:
    RecordList *m_list;
    QLabel *m_totals;
};

} // namespace ledger
