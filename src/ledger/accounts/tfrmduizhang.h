#pragma once

#include "ledger/accounts/movementlist.h"

#include <QString>

class QLineEdit;

namespace ledger {

// "对账": the account's newest checkpoint and the movements after it, their total as the
// computed balance, and the actual balance from the user. When the two agree within one cent
// a new checkpoint with the actual balance is written.
class TfrmDuiZhang : public MovementDialog {
    Q_OBJECT
public:
    TfrmDuiZhang(qint64 cardid, const QString &fundsType, const QString &account,
                 QWidget *parent = nullptr);

    // Fills the list, the count and the computed balance. Throws DbError.
    void buildSinceCheckpoint(const QString &fundsType, const QString &account, RecordList *list);
    // The reconcile button.
    void btnDuizhangClick();

    double computed() const { return m_computed; }

signals:
    // A checkpoint was written for the account.
    void reconciled(qint64 cardid);

private:
    qint64 m_cardid;
    QString m_fundsType;
    QString m_account;
    double m_computed = 0;
    QLineEdit *m_actual = nullptr;
};

} // namespace ledger
