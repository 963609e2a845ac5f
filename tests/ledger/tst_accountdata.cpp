// The account, transfer and loan data classes against a real ledger: the opening checkpoint
// written with the account or not at all, identity and trimming of account numbers, the
// status lists, and texts with quotes and Chinese characters round-tripping.
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

    void failedCheckpointLeavesNoAccount() {
        test::AccountLedger l;
        l.db().exec("create trigger refuse before insert on kx_card_duizhang "
                    "begin select raise(abort, 'refused'); end");
        QVERIFY_THROWS_EXCEPTION(
            DbError, Cards(l.db()).insert({0, "a", "b", "储蓄卡", "1", 0, 10, true, {}, {}}, 1));
        QCOMPARE(l.rowCount("kx_Card"), 0);
        QCOMPARE(l.rowCount("kx_card_duizhang"), 0);
    }

    void listsByStatusWithComputedBalances() {
        test::AccountLedger l;
        const qint64 a = l.addCard("储蓄卡", "B", 10);
        const qint64 b = l.addCard("信用卡", "C", -5);
        const qint64 c = l.addCard("储蓄卡", "A", 1);
        Cards cards(l.db());
        QVERIFY(cards.updateStatusMemo(b, false, "停用"));
        QVERIFY(!cards.updateStatusMemo(99, false, "x"));
        l.addInOut("2024-03-01", -1, 2.5, "储蓄卡", "B");
        const auto ids = [&](Cards::Filter filter) {
            QList<qint64> result;
            for (const CardBalance &row : cards.list(filter))
                result << row.card.cardid;
            return result;
        };
        QCOMPARE(ids(Cards::Filter::Valid), QList<qint64>({a, c}));
        QCOMPARE(ids(Cards::Filter::Invalid), QList<qint64>({b}));
        QCOMPARE(ids(Cards::Filter::All), QList<qint64>({b, a, c})); // 信 sorts before 储
        QCOMPARE(cards.list(Cards::Filter::Valid).first().computed, 7.5);
        QCOMPARE(cards.list(Cards::Filter::Invalid).first().card.memo, QString("停用"));
        QCOMPARE(cards.validAccounts("储蓄卡"), QStringList({"B", "A"}));
        QCOMPARE(cards.validAccounts("信用卡"), QStringList());
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
        QVERIFY(transfers.update(stored));
        QCOMPARE(transfers.find(t.transId)->inAccount, QString("9'9"));
        QVERIFY(transfers.remove(t.transId));
        QVERIFY(!transfers.remove(t.transId));
        QVERIFY(!transfers.update(stored));
        QVERIFY(!transfers.find(t.transId));

        Loans loans(l.db());
        Loan loan{0, 1, "O'Brien 王", 100, "现金", "", "借'款", QDate(2024, 3, 6)};
        loan.borrowId = loans.insert(loan, 1);
        Loan back = *loans.find(loan.borrowId);
        QCOMPARE(back.loanName, loan.loanName);
        QCOMPARE(back.myType, 1);
        back.myType = -1;
        QVERIFY(loans.update(back));
        QCOMPARE(loans.find(loan.borrowId)->myType, -1);
        QVERIFY(loans.remove(loan.borrowId));
        QVERIFY(!loans.find(loan.borrowId));
    }
};

QTEST_MAIN(TestAccountData)
#include "tst_accountdata.moc"
