#pragma once

#include "ledger/core/formpanel.h"

#include <QWidget>

class QTabWidget;

namespace ledger {

// The page "利息计算": the inner page control pclCunkuan with one tab per savings product
// ("活期存款", "整存整取", "零存整取", "整存零取", "通知存款").
class SavingsCalcPage : public FormPanel {
    Q_OBJECT
public:
    explicit SavingsCalcPage(QWidget *parent = nullptr);

    QTabWidget *products() const { return m_products; }

private:
    void addDemandDeposit();
    void addFixedDeposit();
    void addInstalmentDeposit();
    void addWithdrawalDeposit();
    void addNoticeDeposit();

    QTabWidget *m_products = nullptr;
};

} // namespace ledger
