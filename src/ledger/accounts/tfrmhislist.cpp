#include "ledger/accounts/tfrmhislist.h"

#include "ledger/accounts/movementlist.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/moneytext.h"
#include "ledger/data/balances.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace ledger {

TfrmHisList::TfrmHisList(QWidget *parent)
    : MovementDialog(QStringLiteral("明细账"), QStringLiteral("lv_bank_hislist"),
                     {QStringLiteral("编号"), QStringLiteral("日期"), QStringLiteral("类型"),
                      QStringLiteral("收支项目"), QStringLiteral("金额")},
                     {0, 100, 80, 100, 80}, QStringLiteral("当前余额：0 元"), parent) {
    setObjectName(QStringLiteral("frmHisList"));
    auto *csv = new QToolButton(this);
    csv->setObjectName(QStringLiteral("sbtn_bank_cvs"));
    csv->setText(QStringLiteral("导出电子表格"));
    csv->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    csv->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    csv->setAutoRaise(true);
    bottomBar()->addSpacing(24);
    bottomBar()->addWidget(sumLabel());
    bottomBar()->addStretch(1);
    bottomBar()->addWidget(csv);
    connect(csv, &QToolButton::clicked, this, &TfrmHisList::sbtn_bank_cvsClick);
}

void TfrmHisList::buildHistory(const QString &fundsType, const QString &account, RecordList *list) {
    const double total = showMovements(list, Balances(ledgerDb()).history(fundsType, account));
    sumLabel()->setText(QStringLiteral("当前余额：") + formatMoneyN(total) + QStringLiteral(" 元"));
}

void TfrmHisList::showHistory(const QString &fundsType, const QString &account, QWidget *parent) {
    TfrmHisList dialog(parent);
    if (guardDb(
            "account history", [&] { dialog.buildHistory(fundsType, account, dialog.list()); },
            QStringLiteral("读取数据失败。")))
        dialog.exec();
}

void TfrmHisList::sbtn_bank_cvsClick() {
    exportListView(*list()->records());
}

} // namespace ledger
