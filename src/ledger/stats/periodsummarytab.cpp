#include "ledger/stats/periodsummarytab.h"

#include "ledger/core/moneytext.h"
#include "ledger/data/statsqueries.h"
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
    m_totals = new QLabel(QStringLiteral("总收入：0元  总支出：0元  余额：0元"), this);
    m_totals->setObjectName(QStringLiteral("lbl_huizong"));
    body()->addWidget(m_totals);
}

QString PeriodSummaryTab::kindWord(int myType) {
    switch (myType) {
    case 1:
        return QStringLiteral("收入");
    case -1:
        return QStringLiteral("支出");
    default:
        return QStringLiteral("未知");
    }
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
        const PeriodSummary summary =
            StatsQueries::periodSummary(database(), beginDate(), endDate());
        RecordListModel *model = m_list->records();
        model->clear();
        for (const PeriodRow &row : summary.rows) {
            // An expense shows its amount negated; other kinds as stored.
            const double shown = row.myType == -1 ? -row.fundsNum : row.fundsNum;
            model->addRow({QString::number(row.id), row.eventDate, kindWord(row.myType),
                           row.projectName,
                           shown == 0 ? QStringLiteral("0") : QString::number(shown, 'g', 15)});
        }
        m_totals->setText(totalsLine(summary.income, summary.expense));
    });
}

void PeriodSummaryTab::SpeedButton10Click() {
    exportListView(*m_list->records());
}

} // namespace ledger
