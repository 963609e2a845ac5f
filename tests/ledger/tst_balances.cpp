// Computed balances and the summary: the worked example, the checkpoint cases of a sealed
// balance, the summary panels, and the index plans the balance statements run on.
#include "ledger/balances/summarytab.h"
#include "ledger/data/balances.h"
#include "ledger/data/cards.h"
#include "ledger/data/checkpoints.h"
#include "ledger/data/db.h"
#include "support/ledger/accountledger.h"
#include "support/ledger/recordingprompter.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <sqlcipher/sqlite3.h>

using namespace ledger;

namespace {

QString panel(SummaryTab &tab, const char *name) {
    return tab.findChild<QLabel *>(name)->text();
}

// The query plans of every statement that work runs on the connection.
QString queryPlans(Db &db, const std::function<void()> &work) {
    QStringList statements;
    sqlite3_trace_v2(
        db.handle(), SQLITE_TRACE_STMT,
        [](unsigned, void *context, void *statement, void *) {
            static_cast<QStringList *>(context)->append(
                QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt *>(statement))));
            return 0;
        },
        &statements);
    work();
    sqlite3_trace_v2(db.handle(), 0, nullptr, nullptr);
    QString plans;
    for (const QString &sql : statements) {
        // Unbound values read as NULL, which does not change a plan.
        sqlite3_stmt *explain = nullptr;
        sqlite3_prepare_v2(db.handle(), ("EXPLAIN QUERY PLAN " + sql).toUtf8(), -1, &explain,
                           nullptr);
        while (explain && sqlite3_step(explain) == SQLITE_ROW)
            plans += QString::fromUtf8(reinterpret_cast<const char *>(
                         sqlite3_column_text(explain, sqlite3_column_count(explain) - 1))) +
                     '\n';
        sqlite3_finalize(explain);
    }
    return plans;
}

QStringList summary(SummaryTab &tab) {
    tab.findChild<QToolButton *>("sbtn_huizong_refresh")->click();
    return {panel(tab, "pnl_huizong_xianjin"), panel(tab, "pnl_huizong_jinrong"),
            panel(tab, "pnl_huizong_jiezhi"), panel(tab, "pnl_huizong")};
}

} // namespace

class TestBalances : public QObject {
    Q_OBJECT
private slots:
    void workedExample() {
        test::ScopedPrompter prompter;
        test::AccountLedger l;
        const qint64 a = l.workedExample();
        Balances b(l.db());
        QCOMPARE(b.getSumCash(), 600.0);
        QCOMPARE(b.getCardCurNumber(a, "储蓄卡", "001"), 4199.5);
        QCOMPARE(b.getSumBorrow(), -700.0);
        SummaryTab tab;
        QCOMPARE(summary(tab), QStringList({"现金：600 元", "金融账户：4200 元",
                                            "借支净资产：700 元", "汇总：5500 元"}));

        Checkpoints(l.db()).reconcile(a, 4199.5);
        const Checkpoint cp = *Checkpoints(l.db()).newest(a);
        QCOMPARE(QVariantList(
                     {cp.status, cp.cardid, cp.balance, cp.inAndOutId, cp.transId, cp.borrowId}),
                 QVariantList({"对账", a, 4199.5, 3, 1, 2}));
        QCOMPARE(l.scalar("select Balance from kx_Card where cardid=?", {a}).toDouble(), 4199.5);

        const qint64 water = l.addInOut("2024-03-07", -1, 99.5, "储蓄卡", "001", "水电");
        QCOMPARE(b.getCardCurNumber(a, "储蓄卡", "001"), 4100.0);
        QCOMPARE(b.getSumCard(), 4100.0); // the reconciled movements are not counted twice
        QCOMPARE(b.sinceCheckpoint(a, "储蓄卡", "001").size(), 2);
        QCOMPARE(b.history("储蓄卡", "001").size(), 6);
        QCOMPARE(b.history("储蓄卡", "001").last().item, QString("水电"));
        QCOMPARE(summary(tab).at(3), QString("汇总：5400 元"));

        // At or below the checkpoint: sealed. Above it: counts.
        l.db().exec("delete from kx_InAndOut where id=3");
        QCOMPARE(b.getCardCurNumber(a, "储蓄卡", "001"), 4100.0);
        l.db().exec("update kx_InAndOut set FundsNum=100 where id=?", {water});
        QCOMPARE(b.getCardCurNumber(a, "储蓄卡", "001"), 4099.5);
        QVERIFY(prompter->calls().isEmpty());
    }

    void sealedBalanceCases() {
        test::AccountLedger l;
        Balances b(l.db());
        const qint64 a = l.addCard("储蓄卡", "A1", 100);
        const qint64 c = l.addCard("信用卡", "C1", 0);
        const auto card = [&](qint64 id) {
            return id == a ? b.getCardCurNumber(a, "储蓄卡", "A1")
                           : b.getCardCurNumber(c, "信用卡", "C1");
        };
        l.addTransfer("2024-03-01", 40, "储蓄卡", "A1", "信用卡", "C1");
        QCOMPARE(card(a), 60.0);
        QCOMPARE(card(c), 40.0);
        l.addTransfer("2024-03-01", 25, "现金", "", "储蓄卡", "A1");
        QCOMPARE(card(a), 85.0);
        QCOMPARE(b.getSumCash(), -25.0);
        l.addInOut("2024-03-01", -1, 50, "现金");
        l.addInOut("2024-03-01", -1, 50, "现金"); // twins both count
        QCOMPARE(b.getSumCash(), -125.0);

        const double total = b.getSumCash() + b.getSumCard() - b.getSumBorrow();
        l.addLoan("2024-03-02", 1, 100, "现金");
        QCOMPARE(b.getSumCash(), -25.0);
        QCOMPARE(-b.getSumBorrow(), -100.0);
        QCOMPARE(b.getSumCash() + b.getSumCard() - b.getSumBorrow(), total);

        // A deleted newest movement leaves its id unused: a later one still counts.
        Checkpoints(l.db()).reconcile(a, 85);
        const qint64 last = l.addInOut("2024-03-03", 1, 10, "储蓄卡", "A1");
        QCOMPARE(card(a), 95.0);
        l.db().exec("delete from kx_InAndOut where id=?", {last});
        QCOMPARE(card(a), 85.0);
        QVERIFY(l.addInOut("2024-03-03", 1, 7, "储蓄卡", "A1") > last);
        QCOMPARE(card(a), 92.0);

        // Without any checkpoint: the stored balance and every movement.
        l.db().exec("delete from kx_card_duizhang where cardid=?", {c});
        l.addInOut("2024-03-04", 1, 5, "信用卡", "C1");
        QCOMPARE(card(c), 45.0);
        // A cancelled account keeps its movements and still counts in the accounts' total.
        l.db().exec("update kx_Card set IsValid='0' where cardid=?", {c});
        QCOMPARE(b.getSumCard(), 92.0 + 45.0);
    }

    // Accounts reconciled, names typed in another case, invalid rows and hand-typed forms:
    // the summary's figures against a computation made here from the movements as recorded.
    void summaryCountsEveryMovementOnce() {
        struct Move {
            QString form, account;
            double amount;
            bool valid;
        };
        struct Account {
            QString form, account;
            double sealed;  // balance at the newest checkpoint
            qsizetype seen; // movements recorded up to it
            qint64 id;
        };
        test::AccountLedger l;
        QList<Move> moves, loans;
        QList<Account> accounts;
        // The names here differ in ASCII case only, which the database ignores.
        const auto owner = [&](const Move &m) -> Account * {
            for (Account &a : accounts)
                if (!a.form.compare(m.form, Qt::CaseInsensitive) &&
                    !a.account.compare(m.account, Qt::CaseInsensitive))
                    return &a;
            return nullptr;
        };
        const auto balance = [&](const Account &a) {
            double sum = a.sealed;
            for (qsizetype i = a.seen; i < moves.size(); ++i)
                if (owner(moves[i]) == &a)
                    sum += moves[i].amount;
            return sum;
        };
        const auto inOut = [&](int sign, double amount, const QString &form, const QString &acc,
                               bool valid = true) {
            const qint64 id = l.addInOut("2024-03-01", sign, amount, form, acc);
            if (!valid)
                l.db().exec("update kx_InAndOut set IsValid='0' where id=?", {id});
            moves.append({form, acc, sign * amount, valid});
        };
        const auto transfer = [&](double amount, const QString &of, const QString &oa,
                                  const QString &inf, const QString &ia) {
            l.addTransfer("2024-03-02", amount, of, oa, inf, ia);
            moves.append({of, oa, -amount, true});
            moves.append({inf, ia, amount, true});
        };
        const auto loan = [&](int sign, double amount, const QString &form, const QString &acc) {
            l.addLoan("2024-03-03", sign, amount, form, acc);
            moves.append({form, acc, sign * amount, true});
            loans.append(moves.last());
        };

        accounts.append({"储蓄卡", "A1", 1000, 0, l.addCard("储蓄卡", "A1", 1000)});
        accounts.append({"信用卡", "C1", 0, 0, l.addCard("信用卡", "C1", 0)});
        inOut(1, 5000, "储蓄卡", "A1");
        inOut(-1, 300.5, "储蓄卡", "a1");
        transfer(100.25, "储蓄卡", "A1", "支付宝", "");
        loan(-1, 200, "储蓄卡", "A1");
        accounts[0].sealed = balance(accounts[0]);
        accounts[0].seen = moves.size();
        Checkpoints(l.db()).reconcile(accounts[0].id, accounts[0].sealed);
        inOut(1, 88, "支付宝", "");
        inOut(-1, 12.34, "储蓄卡", "a1");
        inOut(-1, 20, "信用卡", "C1", false);
        inOut(-1, 7.5, "微信", "w1", false);
        inOut(-1, 3, "现金", "", false);
        inOut(-1, 45.6, "现金", "");
        transfer(50, "现金", "", "信用卡", "c1");
        transfer(30, "微信", "w1", "现金", "");
        loan(1, 60, "支付宝", "");
        loan(1, 10, "现金", "");
        // Written without a form or an account.
        l.db().exec("insert into kx_InAndOut(FundsType, Account, FundsNum, myType)"
                    " values(NULL, 'x', 5, 1), ('储蓄卡', NULL, 2.5, -1)");
        moves.append({QString(), "x", 5, true});
        moves.append({"储蓄卡", QString(), -2.5, true});

        double cash = 0, cards = 0, borrowed = 0;
        for (const Move &m : moves) {
            if (m.form == "现金")
                cash += m.valid ? m.amount : 0;
            else if (!owner(m))
                cards += m.amount;
        }
        for (const Account &a : accounts)
            cards += balance(a);
        for (const Move &m : loans)
            borrowed += m.amount;
        const auto cents = [](double v) { return qRound64(v * 100); };
        Balances b(l.db());
        QCOMPARE(cents(b.getSumCash()), cents(cash));
        QCOMPARE(cents(b.getSumCard()), cents(cards));
        QCOMPARE(cents(b.getSumBorrow()), cents(borrowed));
        // By hand: A1 5386.91, C1 30, 支付宝 248.25, 微信 -37.5, no form 5, no account -2.5.
        QCOMPARE(cents(cards), 563016);
    }

    void emptyLedgerSummary() {
        test::ScopedPrompter prompter;
        test::AccountLedger l;
        SummaryTab tab;
        QCOMPARE(summary(tab),
                 QStringList({"现金：0 元", "金融账户：0 元", "借支净资产：0 元", "汇总：0 元"}));
        QCOMPARE(tab.findChild<QLabel *>("pnl_huizong")->property("tag").toInt(), 99);
        l.addLoan("2024-03-02", 1, 0.3, "现金");
        l.addLoan("2024-03-02", -1, 0.3, "现金"); // a sum of about -1e-17: never "-0"
        QCOMPARE(summary(tab).at(2), QString("借支净资产：0 元"));
    }

    void balanceStatementsUseTheAccountIndexes() {
        test::AccountLedger l;
        const qint64 a = l.addCard("储蓄卡", "A1", 100);
        const Balances b(l.db());
        // The plans of the statements the data classes really run: no movement table is read
        // whole, the sums come from the covering indexes alone.
        const QString plans = queryPlans(l.db(), [&] {
            b.getCardCurNumber(a, "储蓄卡", "A1");
            b.getSumCash();
            b.getSumCard();
            QVector<qint64> keys;
            Cards(l.db()).keys({}, &keys);
            RecordRows rows;
            Cards(l.db()).rows(keys, &rows);
            Cards(l.db()).totals({});
            b.history("储蓄卡", "A1");
        });
        for (const char *table : {"kx_InAndOut", "kx_Transfer", "kx_Borrow"})
            QVERIFY2(!plans.contains(QString("SCAN TABLE ") + table), qPrintable(plans));
        for (const char *index :
             {"ix_inandout_account", "ix_transfer_out", "ix_transfer_in", "ix_borrow_account"})
            QVERIFY2(plans.contains(QString("COVERING INDEX ") + index), qPrintable(plans));
    }
};

QTEST_MAIN(TestBalances)
#include "tst_balances.moc"
