#pragma once

#include "ledger/accounts/movementlist.h"

#include <QString>

namespace ledger {

// "明细账": every movement of one account from its opening on, oldest first and numbered, with
// the account's balance below the list. Reads only.
class TfrmHisList : public MovementDialog {
    Q_OBJECT
public:
    explicit TfrmHisList(QWidget *parent = nullptr);

    // Fills the list and the two labels. Throws DbError.
    void buildHistory(const QString &fundsType, const QString &account, RecordList *list);
    // Builds the history and shows the dialog modally; a database error is shown instead.
    static void showHistory(const QString &fundsType, const QString &account,
                            QWidget *parent = nullptr);

private:
    void sbtn_bank_cvsClick();
};

} // namespace ledger
