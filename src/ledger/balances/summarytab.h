#pragma once

#include <QWidget>

class QLabel;

namespace ledger {

// "汇总统计": cash, the financial accounts, the net of the loans and their total, each rounded
// to whole yuan. The four panels keep tag 99 (never skinned). Refreshed by its button and on
// every show.
class SummaryTab : public QWidget {
    Q_OBJECT
public:
    explicit SummaryTab(QWidget *parent = nullptr);

    // Fills the four panels in order; on a database error the message is shown and the panels
    // not reached yet keep their captions.
    void sbtn_huizong_refreshClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_cash = nullptr;
    QLabel *m_cards = nullptr;
    QLabel *m_loans = nullptr;
    QLabel *m_total = nullptr;
};

} // namespace ledger
