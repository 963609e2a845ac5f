#pragma once

#include "support/ledger/templedger.h"

#include <QString>

namespace ledger::test {

// A temporary ledger with helpers that record accounts and movements as the pages do.
struct AccountLedger : TempLedger {
    // An account in use with its opening checkpoint; returns its cardid.
    qint64 addCard(const QString &type, const QString &account, double opening,
                   const QString &created = QString());
    qint64 addInOut(const QString &date, int myType, double amount, const QString &form,
                    const QString &account = QString(), const QString &item = "工资");
    qint64 addTransfer(const QString &date, double amount, const QString &outForm,
                       const QString &outAccount, const QString &inForm, const QString &inAccount);
    qint64 addLoan(const QString &date, int myType, double amount, const QString &form,
                   const QString &account = QString(), const QString &name = "张三");

    // The ledger of the worked example, steps 1 to 7: account 储蓄卡/001 (returned) opened
    // with 1000 on 2024-03-01, income 5000 into it, a cash expense of 200, an expense of 300.50
    // from it, 500 from it to cash, 1000 lent from it and 300 borrowed in cash.
    qint64 workedExample();
};

} // namespace ledger::test
