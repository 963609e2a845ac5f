#include "ledger/calc/mortgagecalcpage.h"

#include "ledger/calc/calcform.h"
#include "ledger/calc/mortgagemath.h"
#include "ledger/core/moneytext.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ledger {

namespace {

struct LoanTerm {
    const char *caption;
    int months;
    const char *commercialRate;
    const char *fundRate;
};

constexpr LoanTerm kTerms[] = {
    {"6个月", 6, "5.6", "4"},     {"1年", 12, "6", "4"},        {"2年", 24, "6.15", "4"},
    {"3年", 36, "6.15", "4"},     {"4年", 48, "6.4", "4"},      {"5年", 60, "6.4", "4"},
    {"10年", 120, "6.55", "4.5"}, {"15年", 180, "6.55", "4.5"}, {"20年", 240, "6.55", "4.5"},
    {"25年", 300, "6.55", "4.5"}, {"30年", 360, "6.55", "4.5"}};
constexpr int kDefaultTerm = 8; // "20年"

struct ResultField {
    const char *name;
    const char *caption;
    const char *unit;
};

// Result fields of the two methods: the months first, then money.
const QList<ResultField> kEqualInstalmentFields = {{"edt_fangdai_months1", "还款月数：", "月"},
                                                   {"edt_fangdai_huankuan1", "每月还款：", "元"},
                                                   {"edt_fangdai_sumlixi1", "总支付利息：", "元"},
                                                   {"edt_fangdai_sum1", "本息合计：", "元"}};
const QList<ResultField> kEqualPrincipalFields = {{"edt_fangdai_months2", "还款月数：", "月"},
                                                  {"edt_fangdai_huankuan2", "首月还款：", "元"},
                                                  {"edt_fangdi_dijian", "每月递减：", "元"},
                                                  {"edt_fangdai_sumlixi2", "总支付利息：", "元"},
                                                  {"edt_fangdai_sum2", "本息合计：", "元"}};

// A box of read-only result fields, appended to results in order.
QGroupBox *buildResults(QWidget *parent, const QString &title, const QList<ResultField> &fields,
                        QList<QLineEdit *> *results) {
    auto *box = new QGroupBox(title, parent);
    CalcForm form(box);
    for (const ResultField &field : fields) {
        results->append(form.addResult(QString::fromLatin1(field.name),
                                       QString::fromUtf8(field.caption),
                                       QString::fromUtf8(field.unit)));
    }
    return box;
}

} // namespace

MortgageCalcPage::MortgageCalcPage(QWidget *parent) : FormPanel(parent) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);

    auto *inputs = new QGroupBox(QStringLiteral("贷款信息"), this);
    CalcForm form(inputs);
    auto *types = new QWidget(inputs);
    auto *typeRow = new QHBoxLayout(types);
    typeRow->setContentsMargins(0, 0, 0, 0);
    m_commercial = new QRadioButton(QStringLiteral("商业贷款"), types);
    m_commercial->setObjectName(QStringLiteral("rb_sy_fangdai"));
    m_commercial->setChecked(true);
    m_fund = new QRadioButton(QStringLiteral("公积金贷款"), types);
    m_fund->setObjectName(QStringLiteral("rb_gjj_fangdai"));
    typeRow->addWidget(m_commercial);
    typeRow->addWidget(m_fund);
    typeRow->addStretch(1);
    form.addWideRow(QStringLiteral("贷款类型："), types);

    m_amount = form.addAmount(QStringLiteral("edt_fundsnum_fangdai"), QStringLiteral("贷款金额："),
                              QStringLiteral("元"));

    m_term = new QComboBox(inputs);
    m_term->setObjectName(QStringLiteral("cbb_fangdai_qixian"));
    for (const LoanTerm &term : kTerms)
        m_term->addItem(QString::fromUtf8(term.caption));
    m_term->setCurrentIndex(kDefaultTerm);
    form.addRow(QStringLiteral("贷款期限："), m_term);

    m_rate = form.addAmount(QStringLiteral("edt_lixi_fangdai"), QStringLiteral("年利率："),
                            QStringLiteral("%"));

    QPushButton *ok = nullptr;
    QPushButton *reset = nullptr;
    form.addWideRow({}, makeCalcButtons(inputs, QStringLiteral("btn_fangdai_ok"),
                                        QStringLiteral("btn_fangdai_reset"), &ok, &reset));
    layout->addWidget(inputs);

    auto *methods = new QHBoxLayout;
    QGroupBox *equal =
        buildResults(this, QStringLiteral("每月等额还款:"), kEqualInstalmentFields, &m_results);
    QGroupBox *decreasing =
        buildResults(this, QStringLiteral("逐月递减还款:"), kEqualPrincipalFields, &m_results);
    methods->addWidget(equal, 1, Qt::AlignTop);
    methods->addWidget(decreasing, 1, Qt::AlignTop);
    layout->addLayout(methods);
    layout->addStretch(1);

    connect(ok, &QPushButton::clicked, this, &MortgageCalcPage::btn_fangdai_okClick);
    connect(reset, &QPushButton::clicked, this, &MortgageCalcPage::btn_fangdai_resetClick);
    // Checking a type in code updates the rate as a click does.
    for (QRadioButton *type : {m_commercial, m_fund}) {
        connect(type, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rb_sy_fangdaiClick();
        });
    }
    connect(m_term, &QComboBox::activated, this, &MortgageCalcPage::rb_sy_fangdaiClick);
    onFirstShow(this, [this] {
        btn_fangdai_resetClick();
        rb_sy_fangdaiClick();
    });
}

void MortgageCalcPage::rb_sy_fangdaiClick() {
    const int index = m_term->currentIndex();
    if (index < 0 || index >= int(std::size(kTerms)))
        return;
    if (m_commercial->isChecked())
        m_rate->setText(QString::fromLatin1(kTerms[index].commercialRate));
    else if (m_fund->isChecked())
        m_rate->setText(QString::fromLatin1(kTerms[index].fundRate));
}

void MortgageCalcPage::btn_fangdai_resetClick() {
    m_commercial->setChecked(true);
    m_amount->clear();
    m_term->setCurrentIndex(kDefaultTerm);
    rb_sy_fangdaiClick();
    for (QLineEdit *result : std::as_const(m_results))
        result->clear();
}

void MortgageCalcPage::btn_fangdai_okClick() {
    double principal = 0;
    double rate = 0;
    if (!parseAmount(m_amount->text(), &principal)) {
        rejectField(QStringLiteral("请正确填写贷款金额。"), m_amount);
        return;
    }
    if (!parseAmount(m_rate->text(), &rate)) {
        rejectField(QStringLiteral("请正确填写年利率。"), m_rate);
        return;
    }
    const int months = kTerms[qBound(0, m_term->currentIndex(), int(std::size(kTerms)) - 1)].months;
    const EqualInstalments equal = equalInstalments(principal, rate, months);
    const EqualPrincipal decreasing = equalPrincipal(principal, rate, months);
    const QList<double> money = {
        equal.monthly,         equal.totalInterest,        equal.total,
        decreasing.firstMonth, decreasing.monthlyDecrease, decreasing.totalInterest,
        decreasing.total};
    if (!resultsInRange(money))
        return;
    // Months, then the equal instalments; months again, then the equal principal.
    QStringList texts;
    for (double value : money)
        texts << formatFixed(value, 2);
    texts.insert(3, QString::number(months));
    texts.insert(0, QString::number(months));
    for (qsizetype i = 0; i < m_results.size(); ++i)
        m_results.at(i)->setText(texts.at(i));
}

} // namespace ledger
