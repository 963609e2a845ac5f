#include "ledger/accounts/tfrmduizhang.h"

#include "ledger/accounts/movementlist.h"
#include "ledger/accounts/reconciler.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/formtools.h"
#include "ledger/core/moneytext.h"
#include "ledger/core/prompter.h"
#include "ledger/data/balances.h"
#include "ledger/data/checkpoints.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/records/amountfilter.h"
#include "ledger/records/recordlist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace ledger {

namespace {

constexpr int kItemColumn = 3;

// Paints the rows whose item is "初始化卡" or "对账" on pure red.
class CheckpointRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        const QString item = index.siblingAtColumn(kItemColumn).data().toString();
        if (item == QStringLiteral("初始化卡") || item == Checkpoints::reconciledStatus())
            painter->fillRect(option.rect, QColor(255, 0, 0));
        QStyledItemDelegate::paint(painter, option, index);
    }
};

} // namespace

TfrmDuiZhang::TfrmDuiZhang(qint64 cardid, const QString &fundsType, const QString &account,
                           QWidget *parent)
    : MovementDialog(QStringLiteral("对账"), QStringLiteral("lv_bank_duizhanglist"),
                     {QStringLiteral("编号"), QStringLiteral("日期"), QStringLiteral("类型"),
                      QStringLiteral("项目"), QStringLiteral("金额")},
                     {0, 150, 80, 100, 80}, QStringLiteral("0 元"), parent),
      m_cardid(cardid), m_fundsType(fundsType), m_account(account) {
    setObjectName(QStringLiteral("frmDuiZhang"));
    list()->setItemDelegate(new CheckpointRowDelegate(list()));
    m_actual = new QLineEdit(this);
    m_actual->setObjectName(QStringLiteral("edtShiji"));
    m_actual->setFixedWidth(90); // a long computed balance gives way, cut with "…"
    // An overdrawn account (a credit card) has a negative balance: a leading minus is allowed.
    installSignedAmountFilter(m_actual);
    auto *button = new QPushButton(QStringLiteral("对账"), this);
    button->setObjectName(QStringLiteral("btnDuizhang"));
    button->setDefault(true); // Enter in the actual balance reconciles
    QHBoxLayout *bottom = bottomBar();
    bottom->addStretch(1);
    bottom->addWidget(new QLabel(QStringLiteral("计算余额："), this));
    bottom->addWidget(sumLabel());
    bottom->addSpacing(12);
    bottom->addWidget(new QLabel(QStringLiteral("实际余额："), this));
    bottom->addWidget(m_actual);
    bottom->addWidget(new QLabel(QStringLiteral("元"), this));
    bottom->addWidget(button);
    connect(button, &QPushButton::clicked, this, &TfrmDuiZhang::btnDuizhangClick);
    m_actual->setFocus(Qt::OtherFocusReason);
}

void TfrmDuiZhang::buildSinceCheckpoint(const QString &fundsType, const QString &account,
                                        RecordList *list) {
    const QList<AccountMovement> rows =
        Balances(ledgerDb()).sinceCheckpoint(m_cardid, fundsType, account);
    m_computed = showMovements(list, rows);
    sumLabel()->setText(formatFixed(m_computed, 2) + QStringLiteral(" 元"));
}

void TfrmDuiZhang::btnDuizhangClick() {
    if (m_actual->text().trimmed().isEmpty()) {
        showInfo(QStringLiteral("请填写实际余额。"));
        m_actual->setFocus(Qt::OtherFocusReason);
        return;
    }
    double actual = 0;
    if (!readAmountField(m_actual, QStringLiteral("实际余额"), &actual,
                         QStringLiteral("对账失败。")))
        return;
    double difference = 0;
    if (!Reconciler::agree(m_computed, actual, &difference)) {
        showInfo(Reconciler::differenceMessage(difference));
        return;
    }
    if (!guardDb(
            "reconciliation", [&] { Checkpoints(ledgerDb()).reconcile(m_cardid, actual); },
            QStringLiteral("对账失败。")))
        return;
    emit reconciled(m_cardid);
    guardDb("reconciliation list", [&] { buildSinceCheckpoint(m_fundsType, m_account, list()); });
    showInfo(QStringLiteral("对账完成。"));
}

} // namespace ledger
