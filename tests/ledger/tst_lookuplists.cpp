// Lookup lists and the account choices of the record pages, without a window.
#include "ledger/data/cards.h"
#include "ledger/data/db.h"
#include "ledger/data/lookuplists.h"
#include "support/ledger/templedger.h"

#include <QTest>

using namespace ledger;

class TestLookupLists : public QObject {
    Q_OBJECT
private slots:
    void storedOrderAndReplace() {
        test::TempLedger ledger;
        LookupLists lists(ledger.db());
        lists.replace("OutType", {{"b", 2}, {"a", 1}, {"c", 2}});
        lists.replace("StaffName", {{"张三", 0}});
        QCOMPARE(lists.values("outtype"), (QStringList{"a", "b", "c"})); // seqid, then as added
        lists.replace("OutType", {{"d", 0}});
        QCOMPARE(lists.values("OutType"), QStringList{"d"});
        QCOMPARE(lists.values("StaffName"), QStringList{"张三"});
        lists.replace("OutType", {});
        QCOMPARE(lists.values("OutType"), QStringList());
    }

    void validAccountsOnly() {
        test::TempLedger ledger;
        for (const QVariantList &card : {QVariantList{"CCB", "2", "1"},
                                         {"ICBC", "9", "1"},
                                         {"ccb", "1", "1"},
                                         {"CCB", "3", "0"},
                                         {"BOC", "4", "0"}})
            ledger.db().exec("insert into kx_Card(FundsType, Account, IsValid) values(?,?,?)",
                             card);
        const Cards cards(ledger.db());
        QCOMPARE(cards.validAccounts("CCB"), (QStringList{"2", "1"})); // in the order added
        QCOMPARE(cards.validAccounts("BOC"), QStringList());
        QCOMPARE(cards.validFundsTypes(), (QStringList{"CCB", "ICBC"}));
    }
};

QTEST_GUILESS_MAIN(TestLookupLists)
#include "tst_lookuplists.moc"
