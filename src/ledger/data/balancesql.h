#pragma once

// Statement pieces shared by the account data classes (not part of their interface).

#include <QString>
#include <QStringList>

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

// The total of computedBalance() over the rows. A balance SQLite could not sum (+inf and -inf
// added give NULL, which total() would skip) counts as infinite: the total is not finite then.
inline QString totalOfBalances() {
    return QStringLiteral("total(ifnull(") + computedBalance() + QStringLiteral(", 9e999))");
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

// One side of the movements (a table's amount, form and account columns, in the order of the
// table's account index): the signed non-cash movements of any validity whose form and account
// (?1 is the cash form) match no account. The distinct forms and, within each, the distinct
// accounts are walked along the index one seek at a time, so only movements that match no
// account are read.
inline QString unmatchedMovements(const QString &table, const QString &amount, const QString &form,
                                  const QString &account) {
    return QStringLiteral(
               "WITH RECURSIVE"
               " forms(f) AS (SELECT (SELECT MIN(%3) FROM %1)"
               "  UNION ALL SELECT (SELECT %3 FROM %1 WHERE %3>forms.f ORDER BY %3 LIMIT 1)"
               "  FROM forms WHERE forms.f IS NOT NULL),"
               " pairs(f, a) AS (SELECT f, (SELECT %4 FROM %1 WHERE %3=forms.f AND %4 IS NOT NULL"
               "   ORDER BY %4 LIMIT 1) FROM forms WHERE f IS NOT NULL AND f IS NOT ?1"
               "  UNION ALL SELECT f, (SELECT %4 FROM %1 WHERE %3=pairs.f AND %4>pairs.a"
               "   ORDER BY %4 LIMIT 1) FROM pairs WHERE a IS NOT NULL)"
               " SELECT (SELECT total((SELECT total(%2) FROM %1 WHERE %3=p.f AND %4=p.a))"
               "   FROM pairs p WHERE p.a IS NOT NULL AND NOT EXISTS (SELECT 1 FROM kx_Card c"
               "   WHERE c.FundsType=p.f AND c.Account=p.a))"
               " + (SELECT total((SELECT total(%2) FROM %1 WHERE %3=o.f AND %4 IS NULL))"
               "   FROM forms o WHERE o.f IS NOT NULL AND o.f IS NOT ?1)"
               " + (SELECT total(%2) FROM %1 WHERE %3 IS NULL)")
        .arg(table, amount, form, account);
}

// The statements of unmatchedMovements for every side of every movement table.
inline QStringList unmatchedMovementSides() {
    return {unmatchedMovements(QStringLiteral("kx_InAndOut"), QStringLiteral("myType*FundsNum"),
                               QStringLiteral("FundsType"), QStringLiteral("Account")),
            unmatchedMovements(QStringLiteral("kx_Transfer"), QStringLiteral("-FundsNum"),
                               QStringLiteral("outFundsType"), QStringLiteral("outAccount")),
            unmatchedMovements(QStringLiteral("kx_Transfer"), QStringLiteral("FundsNum"),
                               QStringLiteral("inFundsType"), QStringLiteral("inAccount")),
            unmatchedMovements(QStringLiteral("kx_Borrow"), QStringLiteral("myType*FundsNum"),
                               QStringLiteral("FundsType"), QStringLiteral("Account"))};
}

} // namespace ledger::balancesql
