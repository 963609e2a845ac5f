// The account history and reconciliation dialogs through their widgets, the prompter
// scripted, the database checked by SQL; the reconciliation rule in whole cents.
#include "ledger/accounts/reconciler.h"
#include "ledger/accounts/tfrmduizhang.h"
#include "ledger/accounts/tfrmhislist.h"
#include "ledger/core/figurelabel.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/accountledger.h"
#include "support/ledger/recordingprompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace ledger;

namespace {

QStringList row(RecordList *list, int r) {
    QStringList cells;
    for (int c = 0; c < 5; ++c)
        cells << list->records()->text(r, c);
    return cells;
}

QString label(QWidget &dialog, const char *name) {
    return dialog.findChild<QLabel *>(name)->text();
}

// The reconciliation dialog of the worked example's account.
struct Reconcile {
    test::ScopedPrompter prompter;
    test::AccountLedger ledger;
    qint64 card = ledger.workedExample();
    TfrmDuiZhang dialog{card, "储蓄卡", "001"};

    Reconcile() { dialog.buildSinceCheckpoint("储蓄卡", "001", dialog.list()); }
    QStringList reconcile(const QString &actual) {
        prompter->clear();
        dialog.findChild<QLineEdit *>("edtShiji")->setText(actual);
        dialog.findChild<QPushButton *>("btnDuizhang")->click();
        return prompter->infos();
    }
    int checkpoints() { return ledger.rowCount("kx_card_duizhang"); }
    double stored() {
        return ledger.scalar("select Balance from kx_Card where cardid=?", {card}).toDouble();
    }
};

} // namespace

class TestAccountDialogs : public QObject {
    Q_OBJECT
private slots:
    void centsRule_data() {
        QTest::addColumn<double>("computed");
        QTest::addColumn<double>("actual");
        QTest::addColumn<bool>("agree");
        QTest::addColumn<double>("cents");
        QTest::newRow("equal") << 100.0 << 100.0 << true << 0.0;
        QTest::newRow("12.34/12.35") << 12.34 << 12.35 << true << 1.0;
        QTest::newRow("100.00/100.01") << 100.0 << 100.01 << true << 1.0;
        QTest::newRow("4199.50/4199.51") << 4199.5 << 4199.51 << true << 1.0;
        QTest::newRow("two cents") << 100.0 << 100.02 << false << 2.0;
        QTest::newRow("overdrawn") << -20.5 << -20.49 << true << 1.0;
        QTest::newRow("sum noise") << 0.1 + 0.2 << 0.3 << true << 0.0;
        QTest::newRow("beyond qint64 cents") << 1e17 << 3e17 << false << 2e19;
    }
    void centsRule() {
        QFETCH(double, computed);
        QFETCH(double, actual);
        QFETCH(bool, agree);
        QFETCH(double, cents);
        double difference = -1;
        QCOMPARE(Reconciler::agree(computed, actual, &difference), agree);
        QCOMPARE(difference, cents);
        QCOMPARE(Reconciler::agree(actual, computed), agree);
    }

    void reconcileWorkedExample() {
        Reconcile r;
        QCOMPARE(label(r.dialog, "lbl_bank_recordcount"), QString("记录数：5 条"));
        QCOMPARE(label(r.dialog, "lbl_bank_sum"), QString("4199.50 元"));
        QCOMPARE(row(r.dialog.list(), 0), QStringList({"1", "2024-03-01", "金融账户", "", "1000"}));
        QCOMPARE(row(r.dialog.list(), 2),
                 QStringList({"3", "2024-03-03", "支出", "购物", "-300.5"}));

        // Bad input: one message, nothing written.
        for (const auto &[input, message] :
             {std::pair<QString, QString>{"", "请填写实际余额。"},
              {"  ", "请填写实际余额。"},
              {"1.2.3", "对账失败。"},
              {"nan", "对账失败。"},
              {"1e999", "对账失败。"},
              {"4199.5000000000000001", "实际余额的有效数字太多，最多15位。"},
              {"-1000000000000", "实际余额的整数部分太长，最多12位。"},
              {"1" + QString(400, '0'), "实际余额的整数部分太长，最多12位。"},
              {"-999999999999.99", "计算余额与实际余额相差 1000000004199.49 元,请检查后再对账。"},
              {"4199.52", "计算余额与实际余额相差 0.02 元,请检查后再对账。"},
              {"4199.48", "计算余额与实际余额相差 0.02 元,请检查后再对账。"}}) {
            QCOMPARE(r.reconcile(input), QStringList{message});
            QCOMPARE(r.checkpoints(), 1);
        }
        // Typing: digits, one point and a leading minus (an overdrawn card) only.
        auto *actual = r.dialog.findChild<QLineEdit *>("edtShiji");
        actual->clear();
        QTest::keyClicks(actual, "-1a2.5.-x");
        QCOMPARE(actual->text(), QString("-12.5"));
        QSignalSpy reconciled(&r.dialog, &TfrmDuiZhang::reconciled);
        QCOMPARE(r.reconcile("4199.51"), QStringList{"对账完成。"});
        QCOMPARE(reconciled.count(), 1);
        QCOMPARE(r.checkpoints(), 2);
        QCOMPARE(r.stored(), 4199.51);
        QCOMPARE(row(r.dialog.list(), 0), QStringList({"1",
                                                       r.ledger
                                                           .scalar("select eventDate "
                                                                   "from kx_card_duizhang "
                                                                   "where id=2")
                                                           .toString(),
                                                       "金融账户", "对账", "4199.51"}));
        QCOMPARE(r.dialog.list()->count(), 1);

        // A movement after the checkpoint is listed below it; reconciling again starts there.
        r.ledger.addInOut("2099-01-01", -1, 99.5, "储蓄卡", "001", "水电");
        r.dialog.buildSinceCheckpoint("储蓄卡", "001", r.dialog.list());
        QCOMPARE(label(r.dialog, "lbl_bank_sum"), QString("4100.01 元"));
        QCOMPARE(r.reconcile("-4100"),
                 QStringList{"计算余额与实际余额相差 8200.01 元,请检查后再对账。"});
        QCOMPARE(r.reconcile("4100"), QStringList{"对账完成。"});
        QCOMPARE(r.stored(), 4100.0);
    }

    // A computed balance too long for the bar ends in "…"; the field and the dialog keep their
    // widths.
    void longComputedBalanceGivesWay() {
        Reconcile r;
        r.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r.dialog));
        const auto *field = r.dialog.findChild<QLineEdit *>("edtShiji");
        const QSize dialogSize = r.dialog.size();
        const int fieldWidth = field->width();
        r.ledger.addInOut("2099-01-01", 1, 1e300, "储蓄卡", "001");
        r.dialog.buildSinceCheckpoint("储蓄卡", "001", r.dialog.list());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY(r.dialog.findChild<FigureLabel *>("lbl_bank_sum")->shownText().endsWith("… 元"));
        QCOMPARE(field->width(), fieldWidth);
        QCOMPARE(r.dialog.size(), dialogSize);
    }

    void failedWriteLeavesNothing() {
        Reconcile r;
        r.ledger.db().exec("create trigger refuse before insert on kx_card_duizhang "
                           "begin select raise(abort, 'refused'); end");
        QCOMPARE(r.reconcile("4199.50"), QStringList{"对账失败。"});
        QCOMPARE(r.stored(), 1000.0); // the balance update was rolled back too
        r.ledger.db().exec("drop trigger refuse");
        r.ledger.db().exec("delete from kx_Card");
        QCOMPARE(r.reconcile("4199.50"), QStringList{"对账失败。"}); // the account is gone
        QCOMPARE(r.checkpoints(), 1);
    }

    void historyOfTheWorkedExample() {
        test::ScopedPrompter prompter;
        test::AccountLedger l;
        l.workedExample();
        l.addInOut("2024-02-01", 1, 1, "储蓄卡", "001", "早于开户");
        l.addInOut("2024-03-03", -1, 300.5, "储蓄卡", "001", "购物"); // a twin
        l.addTransfer("2024-03-08", 50, "信用卡", "X", "储蓄卡", "001");
        TfrmHisList dialog;
        dialog.buildHistory("储蓄卡", "001", dialog.list());
        QCOMPARE(label(dialog, "lbl_bank_recordcount"), QString("记录数：8 条"));
        QCOMPARE(label(dialog, "lbl_bank_sum"), QString("当前余额：3,950.00 元"));
        RecordList *list = dialog.list();
        QCOMPARE(row(list, 0), QStringList({"1", "2024-02-01", "收入", "早于开户", "1"}));
        QCOMPARE(row(list, 1), QStringList({"2", "2024-03-01", "金融账户", "初始化卡", "1000"}));
        QCOMPARE(row(list, 4), QStringList({"5", "2024-03-03", "支出", "购物", "-300.5"}));
        QCOMPARE(row(list, 5), QStringList({"6", "2024-03-04", "转账", "转出", "-500"}));
        QCOMPARE(row(list, 6), QStringList({"7", "2024-03-05", "借支", "支出", "-1000"}));
        QCOMPARE(row(list, 7), QStringList({"8", "2024-03-08", "转账", "转入", "50"}));

        dialog.buildHistory("储蓄卡", "002", list);
        QCOMPARE(label(dialog, "lbl_bank_recordcount"), QString("记录数：0 条"));
        QCOMPARE(label(dialog, "lbl_bank_sum"), QString("当前余额：0.00 元"));
        QVERIFY(prompter->calls().isEmpty());
    }
};

QTEST_MAIN(TestAccountDialogs)
#include "tst_accountdialogs.moc"
