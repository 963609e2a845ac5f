#pragma once

// Statement pieces shared by the account data classes (not part of their interface).

#include <QString>

namespace ledger::balancesql {

// One account's computed balance: its stored balance plus its signed movements whose keys lie
// above its newest checkpoint's ids. Reads the columns ft, ac (the account's type and number)
// and io, tr, bo (the checkpoint's ids, 0 without one) of the row source `a`.
inline QString computedBalance() {
    return QStringLiteral(
        "((SELECT total(Balance) FROM kx_Card WHERE FundsType=a.ft AND Account=a.ac)"
        " + (SELECT total(myType*FundsNum) FROM kx_InAndOut"
        "    WHERE FundsType=a.ft AND Account=a.ac AND id>a.io)"
        " - (SELECT total(FundsNum) FROM kx_Transfer"
        "    WHERE outFundsType=a.ft AND outAccount=a.ac AND TransId>a.tr)"
        " + (SELECT total(FundsNum) FROM kx_Transfer"
        "    WHERE inFundsType=a.ft AND inAccount=a.ac AND TransId>a.tr)"
        " + (SELECT total(myType*FundsNum) FROM kx_Borrow"
        "    WHERE FundsType=a.ft AND Account=a.ac AND BorrowId>a.bo))");
}

// Every account with the ids of its newest checkpoint, as the row source `a` of
// computedBalance(); the card's own columns keep their names.
inline QString cardsWithCheckpoint() {
    return QStringLiteral(
        "(SELECT c.*, c.FundsType AS ft, c.Account AS ac, COALESCE(d.inandoutid,0) AS io,"
        " COALESCE(d.transid,0) AS tr, COALESCE(d.borrowid,0) AS bo"
        " FROM kx_Card c LEFT JOIN kx_card_duizhang d"
        " ON d.id=(SELECT MAX(id) FROM kx_card_duizhang WHERE cardid=c.cardid)) a");
}

} // namespace ledger::balancesql
