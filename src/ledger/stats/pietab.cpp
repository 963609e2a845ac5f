#include "ledger/stats/pietab.h"

#include "ledger/core/moneytext.h"
#include "ledger/data/statsqueries.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QChart>
#include <QChartView>
#include <QLinearGradient>
#include <QPieSeries>
#include <QPieSlice>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace ledger {

namespace {

// Design colours as 0x00BBGGRR values: the gradient from the bottom (light yellow) to the top
// (light green).
QColor fromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
constexpr quint32 kGradientStart = 8454143;
constexpr quint32 kGradientEnd = 8454016;

// The sums scaled by one power of two, so that they and their total stay finite (an earlier
// ledger may hold sums near the top of a double's range) with the same shares, bit for bit.
QVector<double> scaledSums(const QVector<ProjectSum> &sums) {
    double largest = 0;
    for (const ProjectSum &s : sums)
        largest = std::max(largest, std::abs(s.sum));
    int exponent = 0;
    std::frexp(largest, &exponent);
    QVector<double> scaled;
    scaled.reserve(sums.size());
    for (const ProjectSum &s : sums)
        scaled.append(std::ldexp(s.sum, -exponent));
    return scaled;
}

} // namespace

PieTab *PieTab::income(QWidget *parent) {
    return new PieTab({QStringLiteral("TabSheet12"), QStringLiteral("dtp_stat_income_begindt"),
                       QStringLiteral("dtp_stat_income_enddt"),
                       QStringLiteral("sbtn_stat_income_search")},
                      1, QStringLiteral("Chart1"), QStringLiteral("收入分析"),
                      QStringLiteral("收入总数 "), parent);
}

PieTab *PieTab::expense(QWidget *parent) {
    return new PieTab({QStringLiteral("TabSheet13"), QStringLiteral("dtp_stat_out_begindt"),
                       QStringLiteral("dtp_stat_out_enddt"),
                       QStringLiteral("sbtn_stat_out_search")},
                      -1, QStringLiteral("Chart2"), QStringLiteral("支出分析"),
                      QStringLiteral("支出总数 "), parent);
}

PieTab::PieTab(const StatTabNames &names, int myType, const QString &chartName,
               const QString &designTitle, const QString &titleWord, QWidget *parent)
    : StatTab(names, FirstPeriod::Year, parent), m_myType(myType), m_titleWord(titleWord),
      m_chart(new QChart) {
    toolBar()->addStretch(1);
    m_chart->setTitle(designTitle);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    m_chart->setTitleFont(titleFont);
    m_chart->setTitleBrush(Qt::blue);
    m_chart->legend()->hide();
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setBackgroundRoundness(0);
    m_chart->setBackgroundPen(Qt::NoPen);
    QLinearGradient gradient(0, 1, 0, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, fromBgr(kGradientStart));
    gradient.setColorAt(1, fromBgr(kGradientEnd));
    m_chart->setBackgroundBrush(gradient);

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(chartName);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setBackgroundBrush(QColor(192, 192, 192));
    m_view->setFrameShape(QFrame::NoFrame);
    body()->addWidget(m_view, 1);
}

QString PieTab::title(const QString &word, double total) {
    return word + formatFixed(total, 0) + QStringLiteral(" 元");
}

QString PieTab::sliceLabel(const QString &name, double sum, double percent) {
    return name + formatFixed(sum, 0) + QStringLiteral("元(") + formatFixed(percent, 1) +
           QStringLiteral("%)");
}

QColor PieTab::sliceColor(int i) {
    return QColor(i * 50 % 255, i * 120 % 255, i * 175 % 255);
}

void PieTab::search() {
    guardRead("pie chart", [this] {
        const QVector<ProjectSum> sums =
            StatsQueries(ledgerDb()).projectSums(m_myType, beginDate(), endDate());
        double total = 0;
        for (const ProjectSum &s : sums)
            total += s.sum;
        const QVector<double> scaled = scaledSums(sums);
        double scaledTotal = 0;
        for (double part : scaled)
            scaledTotal += part;
        auto *series = new QPieSeries;
        series->setPieSize(0.6);
        // A sum beyond a double's range has no share: then no slice is drawn.
        for (int i = 0; std::isfinite(scaledTotal) && i < sums.size(); ++i) {
            // A pie cannot draw a share that is not above 0; it still counts in the total.
            if (scaled.at(i) <= 0)
                continue;
            const double percent = scaledTotal > 0 ? scaled.at(i) * 100 / scaledTotal : 0;
            QPieSlice *slice = series->append(
                sliceLabel(sums.at(i).projectName, sums.at(i).sum, percent), scaled.at(i));
            slice->setColor(sliceColor(i + 1));
            slice->setLabelVisible(true);
        }
        m_chart->removeAllSeries();
        m_chart->addSeries(series);
        m_chart->setTitle(title(m_titleWord, total));
    });
}

} // namespace ledger
