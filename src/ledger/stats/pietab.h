#pragma once

#include "ledger/stats/stattab.h"

#include <QColor>

class QChart;
class QChartView;

namespace ledger {

// "收入分析" (TabSheet12, Chart1) and its twin "支出分析" (TabSheet13, Chart2): a pie of the
// range's income per source or expenses per item.
class PieTab : public StatTab {
    Q_OBJECT
public:
    static PieTab *income(QWidget *parent = nullptr);
    static PieTab *expense(QWidget *parent = nullptr);

    void search() override;
    QChart *chart() const { return m_chart; }

    // "收入总数 6236 元".
    static QString title(const QString &word, double total);
    // "工资5000元(80.2%)".
    static QString sliceLabel(const QString &name, double sum, double percent);
    // The colour of slice i, counted from 1.
    static QColor sliceColor(int i);

private:
    PieTab(const StatTabNames &names, int myType, const QString &chartName,
           const QString &designTitle, const QString &titleWord, QWidget *parent);

    int m_myType;
    QString m_titleWord;
    QChartView *m_view;
    QChart *m_chart;
};

} // namespace ledger
