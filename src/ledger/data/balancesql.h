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

// The signed non-cash movements, of any validity, whose form and account (?1 is the cash form)
// match no account. Each side is summed per form and account along its account index, and each
// such group is looked up once.
inline QString unmatchedMovements() {
    const auto side = [](const QString &amount, const QString &table, const QString &form,
                         const QString &account) {
        return QStringLiteral("SELECT %1 AS s, %3 AS ft, %4 AS ac FROM %2 WHERE %3 IS NOT ?1"
                              " GROUP BY %3, %4")
            .arg(amount, table, form, account);
    };
    return QStringLiteral("SELECT total(g.s) FROM (") +
           side(QStringLiteral("total(myType*FundsNum)"), QStringLiteral("kx_InAndOut"),
                QStringLiteral("FundsType"), QStringLiteral("Account")) +
           QStringLiteral(" UNION ALL ") +
           side(QStringLiteral("-total(FundsNum)"), QStringLiteral("kx_Transfer"),
                QStringLiteral("outFundsType"), QStringLiteral("outAccount")) +
           QStringLiteral(" UNION ALL ") +
           side(QStringLiteral("total(FundsNum)"), QStringLiteral("kx_Transfer"),
                QStringLiteral("inFundsType"), QStringLiteral("inAccount")) +
           QStringLiteral(" UNION ALL ") +
           side(QStringLiteral("total(myType*FundsNum)"), QStringLiteral("kx_Borrow"),
                QStringLiteral("FundsType"), QStringLiteral("Account")) +
           QStringLiteral(") g WHERE NOT EXISTS (SELECT 1 FROM kx_Card c"
                          " WHERE c.FundsType=g.ft AND c.Account=g.ac)");
}

} // namespace ledger::balancesql
