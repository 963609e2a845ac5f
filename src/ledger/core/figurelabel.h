#pragma once

#include <QLabel>

namespace ledger {

// A label of figures (totals, balances; one line of plain text). Where there is room it is as
// wide as its text, as any label; it never widens its window for a long text, which is then
// cut at the end with "…".
class FigureLabel : public QLabel {
    Q_OBJECT
public:
    explicit FigureLabel(const QString &text, QWidget *parent);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ledger
