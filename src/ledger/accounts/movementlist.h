#pragma once

#include "ledger/data/balances.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QHBoxLayout;
class QLabel;

namespace ledger {

class RecordList;

// The frame of the account history and reconciliation dialogs: caption, 529 x 369 pixels,
// only the system menu and close button in the title bar; a movement list (宋体 13 pixels,
// column 0 the hidden row number) above a bottom bar that starts with the count label.
class MovementDialog : public QDialog {
    Q_OBJECT
public:
    RecordList *list() const { return m_list; }

protected:
    MovementDialog(const QString &caption, const QString &listName, const QStringList &captions,
                   const QList<int> &widths, const QString &sumText, QWidget *parent);

    // Lists the movements numbered from 1 (number, date, kind, item, amount) and sets the count
    // label; returns their total.
    double showMovements(RecordList *list, const QList<AccountMovement> &movements);

    QHBoxLayout *bottomBar() const { return m_bottom; }
    QLabel *sumLabel() const { return m_sum; }

private:
    RecordList *m_list = nullptr;
    QHBoxLayout *m_bottom = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_sum = nullptr;
};

} // namespace ledger
