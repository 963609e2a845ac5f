#pragma once

#include "ledger/core/formtools.h"

#include <QList>
#include <QString>
#include <functional>

class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ledger {

// The form grid of a calculator: caption, field, unit, a red "*" on required inputs, then an
// optional widget beside (a hint). Fields keep their width; the grid does not stretch them.
class CalcForm {
public:
    explicit CalcForm(QWidget *box);

    void addRow(const QString &caption, QWidget *field, const QString &unit = {},
                bool required = false, QWidget *beside = nullptr);
    // A required number input with the amount filter (digits and one '.').
    QLineEdit *addAmount(const QString &name, const QString &caption, const QString &unit,
                         QWidget *beside = nullptr);
    // A row whose field may be wider than the others (radio buttons; the buttons under the
    // inputs, with no caption).
    void addWideRow(const QString &caption, QWidget *field);
    // A read-only result edit in a row of its own, painted as a locked field.
    QLineEdit *addResult(const QString &name, const QString &caption, const QString &unit = {});

    QWidget *box() const { return m_box; }

private:
    int addCaption(const QString &caption, QWidget *field);

    QWidget *m_box;
    QGridLayout *m_grid;
};

// Runs the routine once, when the widget is first shown (before it paints).
void onFirstShow(QWidget *widget, std::function<void()> routine);

// "计算" and "重置" of a calculator, side by side in one widget.
QWidget *makeCalcButtons(QWidget *parent, const QString &okName, const QString &resetName,
                         QPushButton **ok, QPushButton **reset);

// Says that a result is too large to show.
void refuseOutOfRange();
// True when every value is a finite number; otherwise refuses with refuseOutOfRange.
bool resultsInRange(const QList<double> &values);

} // namespace ledger
