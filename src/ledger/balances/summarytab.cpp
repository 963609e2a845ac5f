#include "ledger/balances/summarytab.h"

#include "ledger/core/dbguard.h"
#include "ledger/core/figurelabel.h"
#include "ledger/core/moneytext.h"
#include "ledger/data/balances.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ledger {

namespace {

const QColor kPanelColor(255, 255, 200);

QLabel *makePanel(QWidget *parent, const QString &name, const QString &caption, bool bevel) {
    auto *panel = new FigureLabel(caption, parent);
    panel->setObjectName(name);
    panel->setProperty("tag", 99);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumHeight(41);
    panel->setFrameStyle(bevel ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kPanelColor);
    panel->setPalette(palette);
    return panel;
}

QString yuan(const QString &prefix, double value) {
    return prefix + formatFixed(value, 0) + QStringLiteral(" 元");
}

} // namespace

SummaryTab::SummaryTab(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet14"));
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto *refresh = new QToolButton(this);
    refresh->setObjectName(QStringLiteral("sbtn_huizong_refresh"));
    refresh->setToolTip(QStringLiteral("刷新列表"));
    refresh->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    refresh->setAutoRaise(true);
    bar->addWidget(refresh);
    bar->addStretch(1);
    layout->addLayout(bar);

    m_cash =
        makePanel(this, QStringLiteral("pnl_huizong_xianjin"), QStringLiteral("现金：0 元"), true);
    m_cards = makePanel(this, QStringLiteral("pnl_huizong_jinrong"),
                        QStringLiteral("金融账户：0 元"), true);
    m_loans = makePanel(this, QStringLiteral("pnl_huizong_jiezhi"),
                        QStringLiteral("借支净资产：0 元"), true);
    m_total = makePanel(this, QStringLiteral("pnl_huizong"), QStringLiteral("汇总：0 元"), false);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(16);
    m_total->setFont(font);
    for (QLabel *panel : {m_cash, m_cards, m_loans, m_total})
        layout->addWidget(panel);
    layout->addStretch(1);
    connect(refresh, &QToolButton::clicked, this, &SummaryTab::sbtn_huizong_refreshClick);
}

void SummaryTab::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    sbtn_huizong_refreshClick();
}

void SummaryTab::sbtn_huizong_refreshClick() {
    guardDb(
        "summary",
        [this] {
            const Balances balances(ledgerDb());
            const double cash = balances.getSumCash();
            m_cash->setText(yuan(QStringLiteral("现金："), cash));
            const double cards = balances.getSumCard();
            m_cards->setText(yuan(QStringLiteral("金融账户："), cards));
            const double loans = -balances.getSumBorrow();
            m_loans->setText(yuan(QStringLiteral("借支净资产："), loans));
            m_total->setText(yuan(QStringLiteral("汇总："), cash + cards + loans));
        },
        QStringLiteral("读取数据失败。"));
}

} // namespace ledger
