// The transfer and loan pages through their widgets, checked by SQL: the save checks in order
// with their one message and nothing written, the account choices, saving with every value
// bound, editing, deleting and the listed totals.
#include "ledger/loans/loanpage.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "ledger/transfers/transferpage.h"
#include "support/ledger/recordpagefixture.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace ledger;

namespace {

struct Transfers : test::RecordPageFixture<TransferPage> {
    Transfers() {
        ledger.addCard("储蓄卡", "A", 0);
        ledger.addCard("储蓄卡", "B", 0);
        ledger.addCard("信用卡", "A", 0);
        click("sbtn_transfer_Add");
    }
    QStringList save() { return click("btn_transfer_Submit"); }
    void side(const QString &side, const QString &form, const QString &account = QString()) {
        test::pickComboText(combo("cbb_transfer_" + side + "FundsType"), form);
        if (!account.isEmpty())
            combo("cbb_transfer_" + side + "Account")->setEditText(account);
    }
};

struct Loans : test::RecordPageFixture<LoanPage> {
    Loans() { click("sbtn_borrow_Add"); }
    QStringList save() { return click("btn_borrow_Submit"); }
    QLineEdit *edit(const QString &name) { return find<QLineEdit>(name); }
};

} // namespace

class TestMovementPages : public QObject {
    Q_OBJECT
private slots:
    void transferChecksInOrder() {
        Transfers f;
        const auto expect = [&](const QString &message) {
            QCOMPARE(f.save(), QStringList{message});
            QCOMPARE(f.ledger.rowCount("kx_Transfer"), 0);
        };
        expect("请选择转出形式。");
        f.side("out", "储蓄卡");
        QCOMPARE(f.combo("cbb_transfer_outAccount")->count(), 2); // A and B of that type
        expect("请选择转出账户。");
        f.side("out", "储蓄卡", "A");
        for (const char *bad : {"", "nan", "1e999", "."}) {
            f.find<QLineEdit>("edt_transfer_FundsNum")->setText(bad);
            expect("请正确填写转出金额。");
        }
        f.find<QLineEdit>("edt_transfer_FundsNum")->setText("1234567.123456789012");
        expect("转出金额的有效数字太多，最多15位。");
        f.find<QLineEdit>("edt_transfer_FundsNum")->setText("1000000000000");
        expect("转出金额的整数部分太长，最多12位。");
        f.find<QLineEdit>("edt_transfer_FundsNum")->setText("0.00");
        expect("转账金额不能为0。");
        f.find<QLineEdit>("edt_transfer_FundsNum")->setText("-5"); // the filter refuses the sign
        QCOMPARE(f.find<QLineEdit>("edt_transfer_FundsNum")->hasAcceptableInput(), false);
        f.find<QLineEdit>("edt_transfer_FundsNum")->setText("999999999999.99");
        expect("请选择转入形式。");
        f.side("in", "储蓄卡");
        expect("请选择转入账户。");
        f.side("in", "储蓄卡", "A");
        expect("转出和转入不能为同一账户。");
        f.side("out", "现金");
        f.side("in", "现金");
        QVERIFY(!f.combo("cbb_transfer_outAccount")->isEnabled());
        expect("转出和转入不能同为现金。");
        f.side("out", "信用卡", "A"); // the same number under another type: another account
        f.side("in", "储蓄卡", "A");
        f.find<QDateEdit>("dtp_transfer_EventDate")->setDate(QDate(2024, 3, 1));
        f.find<QPlainTextEdit>("mm_transfer_Memo")->setPlainText("还'信用卡");
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger
                     .scalar("select outFundsType||outAccount||FundsNum||inFundsType||inAccount||"
                             "EventDate||Memo||UserId from kx_Transfer")
                     .toString(),
                 QString("信用卡A999999999999.99储蓄卡A2024-03-01还'信用卡1"));
        QCOMPARE(f.text("lbl_transfer_sum"), QString("转账总额：999,999,999,999.99 元"));
    }

    // One account on both sides is refused exactly when the database would match the two
    // account texts (ASCII letters regardless of case, nothing else).
    void transferSameAccountAsTheDatabaseMatches() {
        Transfers f;
        for (const char *in : {"Ab1", "aB1", "Äb1", "ａB1", "Ab1 x"}) {
            f.find<QLineEdit>("edt_transfer_FundsNum")->setText("5");
            f.side("out", "储蓄卡", "Ab1");
            f.side("in", "储蓄卡", in);
            const bool same = f.ledger.scalar("select ? = ? collate nocase", {"Ab1", in}).toBool();
            const QStringList said = f.save();
            QCOMPARE(said, QStringList{same ? "转出和转入不能为同一账户。" : "保存成功!"});
            f.click("sbtn_transfer_Add");
        }
        QCOMPARE(f.ledger.rowCount("kx_Transfer"), 3);
    }

    void transferEditDeleteAndFreeForms() {
        Transfers f;
        f.side("out", "支付宝"); // typed, not listed: no account needed
        QVERIFY(!f.combo("cbb_transfer_outAccount")->isEnabled());
        f.find<QLineEdit>("edt_transfer_FundsNum")->setText("1000");
        f.side("in", "储蓄卡", "B");
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        f.find<QRadioButton>("rdb_transfer_all")->setChecked(true);
        auto *list = f.find<RecordList>("lv_transfer");
        list->selectRow(0);
        f.click("sbtn_transfer_edit");
        QCOMPARE(f.combo("cbb_transfer_inAccount")->currentText(), QString("B"));
        QCOMPARE(f.find<QLineEdit>("edt_transfer_FundsNum")->text(), QString("1000"));
        f.find<QLineEdit>("edt_transfer_FundsNum")->setText("999.99");
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger.scalar("select count(*)||'|'||FundsNum from kx_Transfer").toString(),
                 QString("1|999.99"));
        QCOMPARE(f.text("lbl_transfer_sum"), QString("转账总额：999.99 元"));
        list->selectRow(0);
        f.prompter->queueConfirm(true);
        QCOMPARE(f.click("sbtn_transfer_del"), QStringList{"删除成功。"});
        QCOMPARE(f.ledger.rowCount("kx_Transfer"), 0);
        QCOMPARE(f.text("lbl_transfer_recordcount"), QString("记录数：0 条"));
    }

    void loanChecksAndNetFigure() {
        Loans f;
        const auto expect = [&](const QString &message) {
            QCOMPARE(f.save(), QStringList{message});
            QCOMPARE(f.ledger.rowCount("kx_Borrow"), 0);
        };
        QCOMPARE(f.combo("cbb_borrow_mytype")->currentIndex(), -1);
        expect("请选择借支类型。");
        f.combo("cbb_borrow_mytype")->setCurrentIndex(0);
        f.edit("edt_borrow_LoanName")->setText("   ");
        expect("请选择借支对象。");
        QCOMPARE(f.edit("edt_borrow_LoanName")->text(), QString()); // left empty
        f.edit("edt_borrow_LoanName")->setText(" O'Brien 王 ");
        expect("请正确填写借支金额。");
        f.edit("edt_borrow_FundsNum")->setText("0");
        expect("借支金额不能为0。");
        f.edit("edt_borrow_FundsNum")->setText("1000000000000");
        expect("借支金额的整数部分太长，最多12位。");
        f.edit("edt_borrow_FundsNum")->setText("100");
        expect("请选择借支形式。");
        test::pickComboText(f.combo("cbb_borrow_FundsType"), "储蓄卡");
        expect("请选择借支账户。");
        test::pickComboText(f.combo("cbb_borrow_FundsType"), "现金");
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger.scalar("select myType||LoanName||FundsNum||FundsType from kx_Borrow")
                     .toString(),
                 QString("-1O'Brien 王100.0现金"));
        f.ledger.addLoan("2024-03-05", 1, 40, "现金");
        f.page.showList();
        QCOMPARE(f.text("lbl_borrow_sum"), QString("净资产：60.00 元"));
        auto *list = f.find<RecordList>("lv_borrow");
        QCOMPARE(list->records()->text(1, 2), QString("进款(借入/还回)"));

        // A money-in row opened for editing keeps its direction when saved unchanged.
        list->selectRow(1);
        f.click("sbtn_borrow_edit");
        QCOMPARE(f.combo("cbb_borrow_mytype")->currentText(), QString("进款(借入/还回)"));
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger.scalar("select myType from kx_Borrow where BorrowId=2").toInt(), 1);
    }
};

QTEST_MAIN(TestMovementPages)
#include "tst_movementpages.moc"
