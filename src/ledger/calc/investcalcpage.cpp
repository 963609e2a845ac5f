#include "ledger/calc/investcalcpage.h"

#include "ledger/calc/calcform.h"
#include "ledger/calc/investmath.h"
#include "ledger/core/fieldstyle.h"
#include "ledger/core/moneytext.h"
#include "ledger/core/prompter.h"
#include "ledger/records/amountfilter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace ledger {

namespace {

enum PaymentType { PayOnce = 0, PayEveryYear = 1 };

// Whole numbers that fit the calculation: capital below 10^9 yuan, at most 9999 years (longer
// projections are refused with a message).
constexpr int kCapitalDigits = 9;
constexpr int kYearDigits = 4;

struct InvestPreset {
    const char *name;
    const char *caption;
    int capital;
    int yield;
    int payingYears;
    int projectedYears;
    const char *message;
};

// Button6 has its own sequence: one payment at 21.1 percent and a second message.
constexpr int kSinglePaymentPreset = 5;
constexpr char kSinglePaymentYield[] = "21.1";
constexpr char kSinglePaymentAfter[] =
    "这只是他实际资产1/10。\n\"陪吃\"顿午餐，也能赚2000万人民币，吸金哦。";

constexpr InvestPreset kPresets[] = {
    {"Button1", "略有盈余，没啥好投资", 20000, 5, 40, 40,
     "每年投资2万元;\n购买国债或长期存款;\n笨鸟先飞,坚持到65岁再退休吧"},
    {"Button2", "小白，没啥好投资", 50000, 5, 40, 40,
     "每年投资5万元;\n购买国债或长期存款;\n笨鸟先飞,坚持到65岁再退休吧"},
    {"Button3", "中产之家，略有投资出路", 100000, 8, 35, 35,
     "每年投资10万元;\n可以银行议价或其他投资;\n60岁可以退休了!"},
    {"Button4", "中产之家，有长期收益不错投资", 100000, 12, 30, 30,
     "每年投资10万元;\n有一些长期收益还不错的投资;\n55岁可以退休了!"},
    {"Button5", "投资高手", 100000, 15, 25, 25,
     "每年投资10万元;\n投资收益很不错哦;\n50岁可以退休了!"},
    {"Button6", "墨卢森", 630000, 21, 1, 57,
     "1956年26岁,到现在57年;\n平均年收益21.1%\n10.5万美金投资"},
    {"Button7", "社保养老", 36000, 5, 20, 35,
     "加入你月薪1万\n单位交22%，个人8%;\n不推迟拿退休金，可能?"},
};

QLineEdit *makeNumberEdit(const char *name, int maxDigits, QWidget *parent) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    installDigitsFilter(edit);
    edit->setMaxLength(maxDigits);
    return edit;
}

} // namespace

InvestCalcPage::InvestCalcPage(QWidget *parent) : FormPanel(parent) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(buildInputs(), 1);
    layout->addWidget(buildPresets(), 0);
    onFirstShow(this, [this] {
        btn_shenqi_resetClick();
        btn_shenqi_okClick();
    });
}

QWidget *InvestCalcPage::buildInputs() {
    auto *panel = new QWidget(this);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto *box = new QGroupBox(QStringLiteral("投资计算"), panel);
    CalcForm form(box);
    m_capital = makeNumberEdit("edt_shenqi_Capital", kCapitalDigits, box);
    form.addRow(QStringLiteral("每年新增本金："), m_capital, {}, true);
    m_type = new QComboBox(box);
    m_type->setObjectName(QStringLiteral("cbb_shenqi_Type"));
    m_type->addItems({QStringLiteral("只投一次"), QStringLiteral("每年一次")});
    m_type->setCurrentIndex(PayEveryYear);
    form.addRow(QStringLiteral("方式："), m_type);
    m_yield = form.addAmount(QStringLiteral("edt_shenqi_Yield"), QStringLiteral("年收益率："),
                             QStringLiteral("%"));
    m_payingYears = makeNumberEdit("edt_shenqi_Touru", kYearDigits, box);
    form.addRow(QStringLiteral("投入周期："), m_payingYears, QStringLiteral("年"), true);
    m_projectedYears = makeNumberEdit("edt_shenqi_Period", kYearDigits, box);
    form.addRow(QStringLiteral("投资周期："), m_projectedYears, QStringLiteral("年"), true);
    QPushButton *ok = nullptr;
    QPushButton *reset = nullptr;
    form.addWideRow({}, makeCalcButtons(box, QStringLiteral("btn_shenqi_ok"),
                                        QStringLiteral("btn_shenqi_reset"), &ok, &reset));
    column->addWidget(box);

    m_result = new QPlainTextEdit(panel);
    m_result->setObjectName(QStringLiteral("mm_shenqi_result"));
    m_result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_result->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_result->setTabChangesFocus(true);
    column->addWidget(m_result, 1);

    connect(ok, &QPushButton::clicked, this, &InvestCalcPage::btn_shenqi_okClick);
    connect(reset, &QPushButton::clicked, this, &InvestCalcPage::btn_shenqi_resetClick);
    // A choice by the user only: Button6 selects "只投一次" without the change routine.
    connect(m_type, &QComboBox::activated, this, &InvestCalcPage::cbb_shenqi_TypeChange);
    return panel;
}

QWidget *InvestCalcPage::buildPresets() {
    auto *box = new QGroupBox(QStringLiteral("各种方案与现象"), this);
    auto *column = new QVBoxLayout(box);
    for (int i = 0; i < int(std::size(kPresets)); ++i) {
        auto *button = new QPushButton(QString::fromUtf8(kPresets[i].caption), box);
        button->setObjectName(QString::fromLatin1(kPresets[i].name));
        button->setAutoDefault(false);
        button->setMinimumWidth(button->sizeHint().width() + 16);
        column->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] { presetClick(i); });
    }
    column->addStretch(1);
    return box;
}

void InvestCalcPage::setShenqi(int capital, int yield, int payingYears, int projectedYears) {
    m_capital->setText(QString::number(capital));
    m_yield->setText(QString::number(yield));
    m_payingYears->setText(QString::number(payingYears));
    m_projectedYears->setText(QString::number(projectedYears));
    m_result->clear();
    m_type->setCurrentIndex(PayEveryYear);
    cbb_shenqi_TypeChange();
}

void InvestCalcPage::btn_shenqi_resetClick() {
    setShenqi(50000, 15, 40, 40);
}

void InvestCalcPage::cbb_shenqi_TypeChange() {
    const bool once = m_type->currentIndex() == PayOnce;
    if (once)
        m_payingYears->setText(QStringLiteral("1"));
    m_payingYears->setEnabled(!once);
    setFieldLocked(m_payingYears, once);
}

void InvestCalcPage::presetClick(int index) {
    const InvestPreset &preset = kPresets[index];
    setShenqi(preset.capital, preset.yield, preset.payingYears, preset.projectedYears);
    if (index == kSinglePaymentPreset) {
        m_type->setCurrentIndex(PayOnce);
        m_yield->setText(QString::fromLatin1(kSinglePaymentYield));
    }
    showInfo(QString::fromUtf8(preset.message));
    btn_shenqi_okClick();
    if (index == kSinglePaymentPreset)
        showInfo(QString::fromUtf8(kSinglePaymentAfter));
}

void InvestCalcPage::btn_shenqi_okClick() {
    const struct {
        QLineEdit *edit;
        const char *message;
    } required[] = {{m_capital, "每年新增本金不能为空。"},
                    {m_yield, "年收益率不能为空。"},
                    {m_payingYears, "投入周期不能为空。"},
                    {m_projectedYears, "投资周期不能为空。"}};
    for (const auto &field : required) {
        if (field.edit->text().trimmed().isEmpty()) {
            rejectField(QString::fromUtf8(field.message), field.edit);
            return;
        }
    }
    double yield = 0;
    if (!parseAmount(m_yield->text(), &yield)) {
        rejectField(QStringLiteral("请正确填写年收益率。"), m_yield);
        return;
    }
    // The edits hold digits only and are short enough for an int.
    const int capital = m_capital->text().toInt();
    const int years = m_projectedYears->text().toInt();
    const int payingYears = m_payingYears->text().toInt();
    if (years < payingYears) {
        showInfo(QStringLiteral("投入周期不能比投资周期长。"));
        return;
    }
    if (years > kMaxProjectionYears) {
        rejectField(QStringLiteral("投资周期不能超过%1年。").arg(kMaxProjectionYears),
                    m_projectedYears);
        return;
    }
    QStringList lines;
    bool inRange = true;
    if (m_type->currentIndex() == PayOnce) {
        const double value = singlePaymentValue(capital, yield, years);
        inRange = std::isfinite(value);
        if (inRange)
            lines << QStringLiteral("结算总额:") + formatMoneyN(value);
    } else {
        const QList<double> values = yearlyValues(capital, yield, payingYears, years);
        for (qsizetype i = 0; i < values.size(); ++i)
            lines << QString::number(i + 1) + QStringLiteral("年后:") + formatMoneyN(values.at(i));
        inRange = values.size() == years;
    }
    m_result->setPlainText(lines.join(QLatin1Char('\n')));
    if (!inRange)
        refuseOutOfRange();
}

} // namespace ledger
