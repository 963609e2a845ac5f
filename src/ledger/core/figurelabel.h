#pragma once

#include <QLabel>

namespace ledger {

// A label of figures (totals, balances; one line of plain text). Where there is room it is as
// wide as its text, as any label; it never widens its window for a long text. A text too
// long for the label has its longest figures cut with "…", so the words between them stay
// readable; only where even one digit of each cannot be shown is the line cut at its end.
class FigureLabel : public QLabel {
    Q_OBJECT
public:
    explicit FigureLabel(const QString &text, QWidget *parent);

    // The text as painted at the label's width.
    QString shownText() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textArea() const;
};

} // namespace ledger
