#include "ledger/stats/periodsummarytab.h"

#include "ledger/core/figurelabel.h"
#include "ledger/core/moneytext.h"
#include "ledger/data/statsqueries.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ledger {

PeriodSummaryTab::PeriodSummaryTab(QWidget *parent)
    : StatTab({QStringLiteral("TabSheet11"), QStringLiteral("dtp_huizong_begindt"),
               QStringLiteral("dtp_huizong_enddt"), QStringLiteral("sbtn_huizong_search")},
              FirstPeriod::Month, parent) {
    QToolButton *exportButton =
        addToolButton(QStringLiteral("SpeedButton10"), QStringLiteral("导出电子表格"));
    exportButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(exportButton, &QToolButton::clicked, this, &PeriodSummaryTab::SpeedButton10Click);
    toolBar()->addStretch(1);

    m_list = new RecordList(this);
    m_list->setObjectName(QStringLiteral("lv_huizong"));
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(13);
    m_list->setFont(font);
    m_list->setColumns({QStringLiteral("编号"), QStringLiteral("日期"), QStringLiteral("类型"),
                        QStringLiteral("收支项目"), QStringLiteral("金额")},
                       {0, 100, 80, 100, 80});
    body()->addWidget(m_list, 1);
    m_totals = new FigureLabel(QStringLiteral("总收入：0元  总支出：0元  余额：0元"), this);
    m_totals->setObjectName(QStringLiteral("lbl_huizong"));
    body()->addWidget(m_totals);
}

QString PeriodSummaryTab::totalsLine(double income, double expense) {
    return QStringLiteral("总收入：") + formatMoneyN(income) + QStringLiteral("元  总支出：") +
           formatMoneyN(expense) + QStringLiteral("元  余额：") + formatMoneyN(income - expense) +
           QStringLiteral("元");
}

QString PeriodSummaryTab::totalsText() const {
    return m_totals->text();
}

void PeriodSummaryTab::showHuizong() {
    guardRead("period summary", [this] {
        PeriodSummary summary = StatsQueries(ledgerDb()).periodSummary(beginDate(), endDate());
        m_list->records()->setRows(std::move(summary.rows));
        m_totals->setText(totalsLine(summary.income, summary.expense));
    });
}

void PeriodSummaryTab::SpeedButton10Click() {
    exportListView(*m_list->records());
}

} // namespace ledger
