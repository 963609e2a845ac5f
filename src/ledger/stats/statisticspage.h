#pragma once

#include <QWidget>

class QTabWidget;

namespace ledger {

class PeriodSummaryTab;
class PieTab;

// The statistics page (content of tbsStat): the page control pclStat with "收支分析",
// "收入分析", "支出分析" and "汇总统计" (the summary of balances, TabSheet14).
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPage(QWidget *parent = nullptr);

    QTabWidget *pclStat() const { return m_pages; }
    PeriodSummaryTab *periodTab() const { return m_period; }
    PieTab *incomeTab() const { return m_income; }
    PieTab *expenseTab() const { return m_expense; }

private:
    QTabWidget *m_pages;
    PeriodSummaryTab *m_period;
    PieTab *m_income;
    PieTab *m_expense;
};

} // namespace ledger
