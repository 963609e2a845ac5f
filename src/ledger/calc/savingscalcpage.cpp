#include "ledger/calc/savingscalcpage.h"

#include "ledger/calc/calcform.h"
#include "ledger/calc/savingsmath.h"
#include "ledger/calc/savingstab.h"

#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdlib>

namespace ledger {

namespace {

const QString kDatesMessage = QStringLiteral("请正确选择存入和提取日期。");

// Terms of the instalment and withdrawal deposits.
const QList<SavingsTerm> kOneToFiveYears = {
    {"1年", 12, "2.85"}, {"3年", 36, "2.9"}, {"5年", 60, "3.0"}};

SavingsOutcome refuse(const QString &message) {
    return {message, {}};
}

SavingsOutcome values(const QVariantList &values) {
    return {{}, values};
}

} // namespace

SavingsCalcPage::SavingsCalcPage(QWidget *parent) : FormPanel(parent) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_products = new QTabWidget(this);
    m_products->setObjectName(QStringLiteral("pclCunkuan"));
    layout->addWidget(m_products);
    addDemandDeposit();
    addFixedDeposit();
    addInstalmentDeposit();
    addWithdrawalDeposit();
    addNoticeDeposit();
    // The first visit opens the first product.
    onFirstShow(this, [this] { m_products->setCurrentIndex(0); });
}

void SavingsCalcPage::addDemandDeposit() {
    auto *tab = new SavingsTab(QStringLiteral("TabSheet19"), QStringLiteral("huoqi"));
    tab->addDate(QStringLiteral("begindt"), QStringLiteral("存入日期："));
    tab->addAmount(QStringLiteral("存入金额："));
    tab->addRate(QStringLiteral("0.35"));
    tab->addDate(QStringLiteral("enddt"), QStringLiteral("提取日期："));
    tab->addButtons();
    tab->addResult(QStringLiteral("edt_huoqi_result"), QStringLiteral("本息总额："), true);
    tab->setFormula([](const SavingsInput &in) {
        if (in.end <= in.begin)
            return refuse(kDatesMessage);
        return values({demandDepositTotal(in.amount, in.rate, in.begin.daysTo(in.end))});
    });
    m_products->addTab(tab, QStringLiteral("活期存款"));
}

void SavingsCalcPage::addFixedDeposit() {
    auto *tab = new SavingsTab(QStringLiteral("TabSheet20"), QStringLiteral("zheng"));
    tab->addDate(QStringLiteral("begindt"), QStringLiteral("存入日期："));
    tab->addAmount(QStringLiteral("存入金额："), 50, QStringLiteral("整存整取50元起存。"),
                   QStringLiteral("整存整取50元起存。"));
    tab->addRate();
    tab->addTerms({{"3个月", 3, "2.6"},
                   {"6个月", 6, "2.8"},
                   {"1年", 12, "3.0"},
                   {"2年", 24, "3.75"},
                   {"3年", 36, "4.25"},
                   {"5年", 60, "4.75"}});
    tab->addButtons();
    tab->addResult(QStringLiteral("edt_zheng_result"), QStringLiteral("到期本息总额："), true);
    tab->addResult(QStringLiteral("edt_zheng_enddt"), QStringLiteral("到期日期："), false);
    tab->setFormula([](const SavingsInput &in) {
        return values(
            {fixedDepositTotal(in.amount, in.rate, in.months), maturityDate(in.begin, in.months)});
    });
    m_products->addTab(tab, QStringLiteral("整存整取"));
}

void SavingsCalcPage::addInstalmentDeposit() {
    auto *tab = new SavingsTab(QStringLiteral("TabSheet21"), QStringLiteral("lingcun"));
    tab->addDate(QStringLiteral("begindt"), QStringLiteral("初始存入日期："));
    tab->addAmount(QStringLiteral("每月存入金额："), 5, QStringLiteral("零存整取5元起存。"),
                   QStringLiteral("零存整取5元起存。"));
    tab->addRate();
    tab->addTerms(kOneToFiveYears);
    tab->addButtons();
    tab->addResult(QStringLiteral("edt_lingcun_result"), QStringLiteral("到期本息总额："), true);
    tab->addResult(QStringLiteral("edt_lingcun_enddt"), QStringLiteral("到期日期："), false);
    tab->addResult(QStringLiteral("edt_lingcun_sum"), QStringLiteral("累计存入金额："), true);
    tab->setFormula([](const SavingsInput &in) {
        const InstalmentDeposit deposit = instalmentDeposit(in.amount, in.rate, in.months);
        return values({deposit.total, maturityDate(in.begin, in.months), deposit.deposited});
    });
    m_products->addTab(tab, QStringLiteral("零存整取"));
}

void SavingsCalcPage::addWithdrawalDeposit() {
    auto *tab = new SavingsTab(QStringLiteral("TabSheet22"), QStringLiteral("lingqu"));
    tab->addDate(QStringLiteral("begindt"), QStringLiteral("初始存入日期："));
    tab->addAmount(QStringLiteral("存入金额："), 1000, QStringLiteral("整存零取1000元起存。"),
                   QStringLiteral("整存零取1000元起存。"));
    tab->addRate();
    tab->addTerms(kOneToFiveYears);
    tab->addChoice(QStringLiteral("支取频度："),
                   {{"rb_lingqu_month", "每月", 1, nullptr},
                    {"rb_lingqu_season", "每季", 3, nullptr},
                    {"rb_lingqu_halfyear", "每半年", 6, nullptr}},
                   false);
    tab->addButtons();
    tab->addResult(QStringLiteral("edt_lingqu_everytime"), QStringLiteral("每次支取总额："), true);
    tab->addResult(QStringLiteral("edt_lingqu_enddt"), QStringLiteral("到期日期："), false);
    tab->addResult(QStringLiteral("edt_lingqu_xumlixi"), QStringLiteral("所得利息金额："), true);
    tab->setFormula([](const SavingsInput &in) {
        const WithdrawalPlan plan = withdrawalPlan(in.amount, in.rate, in.months, in.choice);
        return values({plan.eachWithdrawal, maturityDate(in.begin, in.months), plan.interest});
    });
    m_products->addTab(tab, QStringLiteral("整存零取"));
}

void SavingsCalcPage::addNoticeDeposit() {
    auto *tab = new SavingsTab(QStringLiteral("TabSheet23"), QStringLiteral("tongzhi"));
    tab->addDate(QStringLiteral("begindt"), QStringLiteral("初始存入日期："));
    tab->addAmount(QStringLiteral("存入金额："), 50000, QStringLiteral("通知存款50000元起存。"),
                   QStringLiteral("50000元起存。"));
    tab->addRate();
    tab->addDate(QStringLiteral("enddt"), QStringLiteral("提取日期："));
    // The choice ids are the days of notice.
    tab->addChoice(QStringLiteral("储蓄类型："),
                   {{"rb_tongzhi_1day", "1天通知存款", 1, "0.8"},
                    {"rb_tongzhi_7day", "7天通知存款", 7, "1.35"}},
                   true);
    tab->addButtons();
    tab->addResult(QStringLiteral("edt_tongzhi_result"), QStringLiteral("本息总额："), true);
    tab->setFormula([](const SavingsInput &in) {
        const qint64 days = std::llabs(in.begin.daysTo(in.end));
        if (days < in.choice)
            return refuse(in.choice == 7 ? QStringLiteral("7天通知存款,至少相差7天。")
                                         : kDatesMessage);
        return values({noticeDepositTotal(in.amount, in.rate, days)});
    });
    m_products->addTab(tab, QStringLiteral("通知存款"));
}

} // namespace ledger
