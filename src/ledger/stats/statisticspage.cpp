#include "ledger/stats/statisticspage.h"

#include "ledger/balances/summarytab.h"
#include "ledger/stats/periodsummarytab.h"
#include "ledger/stats/pietab.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace ledger {

StatisticsPage::StatisticsPage(QWidget *parent) : QWidget(parent) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pclStat"));
    layout->addWidget(m_pages);
    m_period = new PeriodSummaryTab(m_pages);
    m_income = PieTab::income(m_pages);
    m_expense = PieTab::expense(m_pages);
    m_pages->addTab(m_period, QStringLiteral("收支分析"));
    m_pages->addTab(m_income, QStringLiteral("收入分析"));
    m_pages->addTab(m_expense, QStringLiteral("支出分析"));
    m_pages->addTab(new SummaryTab(m_pages), QStringLiteral("汇总统计"));
    m_pages->setCurrentIndex(0);
}

} // namespace ledger
