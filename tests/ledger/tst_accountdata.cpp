// The account, transfer and loan data classes against a real ledger: the opening checkpoint
// with the highest movement keys, identity and trimming of account numbers, and texts with
// quotes and Chinese characters round-tripping. (The pages' tests cover the status lists and
// a failed checkpoint.)
#include "ledger/data/cards.h"
#include "ledger/data/checkpoints.h"
#include "ledger/data/db.h"
#include "ledger/data/loans.h"
#include "ledger/data/transfers.h"
#include "support/ledger/accountledger.h"

#include <QTest>

using namespace ledger;

class TestAccountData : public QObject {
    Q_OBJECT
private slots:
    void accountWithOpeningCheckpoint() {
        test::AccountLedger l;
        l.addInOut("2024-03-01", 1, 5, "现金");
        l.addInOut("2024-03-01", 1, 5, "现金");
        l.addLoan("2024-03-01", 1, 5, "现金");
        Card card{0, "O'Neil", "工商'银行", "储蓄卡", "  001 ", 0, 250.5, false, "备注 'x'", {}};
        const qint64 id = Cards(l.db()).insert(card, 7);
        const Card stored = *Cards(l.db()).find(id);
        QCOMPARE(stored.account, QString("001")); // stored trimmed
        QCOMPARE(stored.staffName, card.staffName);
        QCOMPARE(stored.cardCompany, card.cardCompany);
        QCOMPARE(stored.memo, card.memo);
        QCOMPARE(stored.balance, 250.5);
        QCOMPARE(stored.initBalance, 250.5);
        QVERIFY(!stored.valid);
        const Checkpoint cp = *Checkpoints(l.db()).newest(id);
        QCOMPARE(QVariantList({cp.balance, cp.inAndOutId, cp.transId, cp.borrowId, cp.status}),
                 QVariantList({250.5, 2, 0, 1, QString()}));
        QVERIFY(l.scalar("select status from kx_card_duizhang").isNull());

        // Identity: the pair, case-insensitive, trimmed; the same number under another type
        // is another account.
        Cards cards(l.db());
        QVERIFY(cards.exists("储蓄卡", "001 "));
        QVERIFY(!cards.exists("信用卡", "001"));
        cards.insert({0, "a", "b", "Visa", "ab-1", 0, 0, true, {}, {}}, 1);
        QVERIFY(cards.exists("VISA", "AB-1"));
    }

    void transfersAndLoansRoundTrip() {
        test::AccountLedger l;
        Transfers transfers(l.db());
        Transfer t{0, "储蓄卡", " 6222 ", -5, "现金", "", "它's \"备注\"", QDate(2024, 3, 5)};
        t.transId = transfers.insert(t, 1);
        Transfer stored = *transfers.find(t.transId);
        QCOMPARE(stored.outAccount, QString("6222"));
        QCOMPARE(stored.amount, -5.0);
        QCOMPARE(stored.memo, t.memo);
        QCOMPARE(stored.eventDate, t.eventDate);
        stored.inFundsType = "信用卡";
        stored.inAccount = "9'9";
        transfers.update(stored);
        QCOMPARE(transfers.find(t.transId)->inAccount, QString("9'9"));
        transfers.remove(t.transId);
        QVERIFY_THROWS_EXCEPTION(DbError, transfers.remove(t.transId));
        QVERIFY_THROWS_EXCEPTION(DbError, transfers.update(stored));
        QVERIFY(!transfers.find(t.transId));

        Loans loans(l.db());
        Loan loan{0, 1, "O'Brien 王", 100, "现金", "", "借'款", QDate(2024, 3, 6)};
        loan.borrowId = loans.insert(loan, 1);
        Loan back = *loans.find(loan.borrowId);
        QCOMPARE(back.loanName, loan.loanName);
        QCOMPARE(back.myType, 1);
        back.myType = -1;
        loans.update(back);
        QCOMPARE(loans.find(loan.borrowId)->myType, -1);
        loans.remove(loan.borrowId);
        QVERIFY(!loans.find(loan.borrowId));
    }
};

QTEST_MAIN(TestAccountData)
#include "tst_accountdata.moc"
