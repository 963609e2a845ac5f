// The accounts page through its widgets, the prompter scripted, the database checked by SQL:
// the save checks in order, the confirmation before an insert, the opening checkpoint, edits
// of status and memo only, the status lists, and reconciling and history from the page.
#include "common/gbktext.h"
#include "ledger/accounts/bankpage.h"
#include "ledger/accounts/tfrmduizhang.h"
#include "ledger/balances/summarytab.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "ledger/transfers/transferpage.h"
#include "support/ledger/recordpagefixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

using namespace ledger;

namespace {

struct Fixture : test::RecordPageFixture<BankPage> {
    QLineEdit *edit(const QString &name) { return find<QLineEdit>(name); }
    RecordList *list() { return find<RecordList>("lv_bank"); }
    QStringList save() { return click("btn_bank_submit"); }
    void fill(const QString &account, const QString &balance) {
        click("sbtn_bank_Add");
        combo("cbb_bank_FundsType")->setCurrentIndex(0);
        combo("cbb_bank_CardCompany")->setCurrentIndex(0);
        combo("cbb_bank_StaffName")->setCurrentIndex(0);
        edit("edt_bank_Account")->setText(account);
        edit("edt_bank_Balance")->setText(balance);
    }
    QStringList listed(int row) {
        QStringList cells;
        for (int c = 1; c < 8; ++c)
            cells << list()->records()->text(row, c);
        return cells;
    }
};

} // namespace

class TestBankPage : public QObject {
    Q_OBJECT
private slots:
    void addChecksConfirmationAndCheckpoint() {
        Fixture f;
        f.click("sbtn_bank_Add");
        const auto expect = [&](const QString &message) {
            QCOMPARE(f.save(), QStringList{message});
            QCOMPARE(f.ledger.rowCount("kx_Card"), 0);
            QCOMPARE(f.pageIndex(), 1);
        };
        expect("请选择账户类型。");
        f.combo("cbb_bank_FundsType")->setEditText("储蓄"); // typed, no entry
        expect("请选择账户类型。");
        f.combo("cbb_bank_FundsType")->setEditText("储蓄卡");
        expect("请选择发卡单位。");
        f.combo("cbb_bank_CardCompany")->setCurrentIndex(0);
        expect("请选择所属人。");
        f.combo("cbb_bank_StaffName")->setCurrentIndex(1);
        for (const char *bad : {"", ".", "nan", "1e999"}) {
            f.edit("edt_bank_Balance")->setText(bad);
            expect("请正确填写账户余额。");
        }
        f.edit("edt_bank_Balance")->setText("1000000000000");
        expect("账户余额的整数部分太长，最多12位。");
        f.edit("edt_bank_Balance")->setText("0");
        f.edit("edt_bank_Account")->setText("   ");
        expect("请填写账户号。");
        f.edit("edt_bank_Account")->setText(" 62'22 ");
        f.find<QPlainTextEdit>("mm_bank_memo")->setPlainText("工资卡 'main'");
        f.prompter->queueConfirm(false);
        QCOMPARE(f.save(), QStringList()); // cancelled: nothing written, the page stays
        QCOMPARE(f.prompter->calls().last().text,
                 QString("请确认信息填写正确，提交后必填信息将不能修改。\n您确定提交吗?"));
        QCOMPARE(f.ledger.rowCount("kx_Card") + f.ledger.rowCount("kx_card_duizhang"), 0);
        QCOMPARE(f.pageIndex(), 1);
        QCOMPARE(f.edit("edt_bank_Account")->text(), QString(" 62'22 "));
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.pageIndex(), 0);
        QCOMPARE(f.listed(0), QStringList({"储蓄卡", "工商银行", "62'22", "0.00", "0.00", "李四",
                                           "工资卡 'main'"}));
        QCOMPARE(
            f.ledger.scalar("select count(*) from kx_card_duizhang where status is null").toInt(),
            1);
        // The same pair again, in another case and with blanks: refused.
        f.fill("62'22 ", "5");
        QCOMPARE(f.save(), QStringList{"该账户已存在。"});
        f.combo("cbb_bank_FundsType")->setCurrentIndex(1); // another type: another account
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.text("lbl_bank_recordcount"), QString("记录数：2 条"));
        QCOMPARE(f.text("lbl_bank_sum"), QString("当前余额：5.00 元"));
    }

    void failedCheckpointSavesNothing() {
        Fixture f;
        f.ledger.db().exec("create trigger refuse before insert on kx_card_duizhang "
                           "begin select raise(abort, 'refused'); end");
        f.fill("1", "10");
        QCOMPARE(f.save(), QStringList{"保存失败!"});
        QCOMPARE(f.ledger.rowCount("kx_Card"), 0);
        QCOMPARE(f.pageIndex(), 1);
    }

    void editStatusAndMemoOnlyAndStatusLists() {
        Fixture f;
        const qint64 a = f.ledger.addCard("储蓄卡", "A", 100);
        f.ledger.addCard("信用卡", "B", 1000.5);
        f.ledger.db().exec("update kx_Card set Balance=70 where cardid=?", {a});
        f.page.showList();
        f.list()->selectRow(1); // 储蓄卡 sorts after 信用卡
        QCOMPARE(f.click("sbtn_bank_edit"), QStringList());
        QCOMPARE(f.edit("edt_bank_Balance")->text(), QString("100")); // the opening balance
        QVERIFY(!f.edit("edt_bank_Account")->isEnabled());
        QVERIFY(!f.combo("cbb_bank_FundsType")->isEnabled());
        QVERIFY(f.find<QCheckBox>("ckb_bank_continue")->isHidden());
        f.combo("cbb_bank_status")->setCurrentIndex(1);
        f.find<QPlainTextEdit>("mm_bank_memo")->setPlainText("销户");
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger
                     .scalar("select IsValid||Memo||Balance||InitBalance||Account from "
                             "kx_Card where cardid=?",
                             {a})
                     .toString(),
                 QString("0销户70.0100.0A"));
        QCOMPARE(f.list()->count(), 1); // 在用 only
        f.find<QRadioButton>("rdb_bank_invalid")->click();
        QCOMPARE(f.listed(0).mid(0, 5), QStringList({"储蓄卡", "工商银行", "A", "70.00", "70.00"}));
        QCOMPARE(f.text("lbl_bank_sum"), QString("当前余额：70.00 元"));
        f.find<QRadioButton>("rdb_bank_all")->click();
        QCOMPARE(f.text("lbl_bank_sum"), QString("当前余额：1,070.50 元"));

        // A cancelled account leaves the choice lists of the other pages.
        TransferPage transfers;
        transfers.setState(RecordPage::Mode::Add);
        test::pickComboText(transfers.findChild<QComboBox *>("cbb_transfer_outFundsType"),
                            "储蓄卡");
        QCOMPARE(transfers.findChild<QComboBox *>("cbb_transfer_outAccount")->count(), 0);

        f.list()->selectRow(0);
        f.list()->doubleClicked(f.list()->model()->index(0, 1));
        QVERIFY(!f.find<QPushButton>("btn_bank_submit")->isEnabled()); // browse
    }

    // The list editor's save refills each combo as its own page fills it: the account types
    // never offer cash (no cash "account" can be made), a payment form offers it first.
    void listEditorRefillsEachComboAsItsPage() {
        Fixture f;
        TransferPage transfers;
        transfers.setState(RecordPage::Mode::Add);
        f.click("sbtn_bank_Add");
        QComboBox *types = f.combo("cbb_bank_FundsType");
        QComboBox *forms = transfers.findChild<QComboBox *>("cbb_transfer_inFundsType");
        const QList<std::pair<QComboBox *, QStringList>> cases = {
            {types, {"储蓄卡", "信用卡"}}, {forms, {"现金", "储蓄卡", "信用卡"}}};
        for (const auto &[combo, expected] : cases) {
            combo->setEditText("储");
            QTimer::singleShot(0, [] {
                auto *editor = QApplication::activeModalWidget();
                QVERIFY(editor);
                editor->findChild<QPushButton *>("btnSubmit")->click();
            });
            combo->parentWidget()
                ->findChild<QToolButton *>(combo == types ? "sbtn_bank_FundsType_mgn"
                                                          : "sbtn_transfer_inFundsType_mgn")
                ->click();
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            QCOMPARE(items, expected);
            QCOMPARE(combo->currentText(), QString("储")); // the text typed stays
        }
        QCOMPARE(f.ledger
                     .scalar("select group_concat(keyvalue) from kx_hash "
                             "where keyname='FundsType'")
                     .toString(),
                 QString("储蓄卡,信用卡"));
    }

    void reconcileAndHistoryFromTheList() {
        Fixture f;
        f.ledger.workedExample();
        f.page.showList();
        QCOMPARE(f.click("sbtn_bank_del"), QStringList{"选择需要对账的账户。"});
        QCOMPARE(f.click("sbtn_bank_hislist"), QStringList{"选择需要修改的记录。"});
        f.list()->selectRow(0);
        QCOMPARE(f.listed(0).mid(3, 2), QStringList({"1,000.00", "4,199.50"}));
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<TfrmDuiZhang *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->findChild<QLineEdit *>("edtShiji")->setText("4199.51");
            dialog->findChild<QPushButton *>("btnDuizhang")->click();
            dialog->reject();
        });
        QCOMPARE(f.click("sbtn_bank_del"), QStringList{"对账完成。"});
        QCOMPARE(f.listed(0).mid(3, 2), QStringList({"4,199.51", "4,199.51"}));
        QCOMPARE(f.list()->selectedRow(), 0);
    }

    // Sums of an earlier ledger's amounts beyond a double's range read "超出范围", never inf,
    // nan or a silent figure (SQLite gives +inf and -inf added as NULL).
    void sumsBeyondRange() {
        Fixture f;
        const qint64 a = f.ledger.addCard("储蓄卡", "A", 0);
        f.ledger.addCard("储蓄卡", "B", 5);
        for (int i = 0; i < 2; ++i) {
            f.ledger.addInOut("2024-03-02", 1, 1e308, "储蓄卡", "A");
            f.ledger.addTransfer("2024-03-03", 1e308, "储蓄卡", "A", "现金", QString());
        }
        f.page.showList();
        QCOMPARE(f.listed(0).at(4), QString("超出范围"));
        QCOMPARE(f.listed(1).at(4), QString("5.00"));
        QCOMPARE(f.text("lbl_bank_sum"), QString("当前余额：超出范围 元"));
        const QByteArray csv = listCsvText(*f.list()->records());
        QVERIFY(csv.contains(common::toGbkText(u",超出范围,")));
        SummaryTab summary;
        summary.show();
        for (const char *panel : {"pnl_huizong_xianjin", "pnl_huizong_jinrong", "pnl_huizong"})
            QVERIFY(summary.findChild<QLabel *>(panel)->text().endsWith("：超出范围 元"));
        TfrmDuiZhang reconcile(a, "储蓄卡", "A");
        reconcile.buildSinceCheckpoint("储蓄卡", "A", reconcile.list());
        QCOMPARE(reconcile.findChild<QLabel *>("lbl_bank_sum")->text(), QString("超出范围 元"));
        reconcile.findChild<QLineEdit *>("edtShiji")->setText("0");
        reconcile.findChild<QPushButton *>("btnDuizhang")->click();
        QCOMPARE(f.prompter->infos().last(),
                 QString("计算余额与实际余额相差 超出范围 元,请检查后再对账。"));
    }

    // Balances of opposite infinities have no sum (SQLite gives NULL): it reads "超出范围", not 0.
    void oppositeInfiniteBalances() {
        Fixture f;
        f.ledger.addCard("储蓄卡", "A", 0);
        f.ledger.addCard("储蓄卡", "B", 0);
        for (int i = 0; i < 2; ++i) {
            f.ledger.addInOut("2024-03-02", 1, 1e308, "储蓄卡", "A");
            f.ledger.addInOut("2024-03-02", -1, 1e308, "储蓄卡", "B");
        }
        f.page.showList();
        QCOMPARE(f.text("lbl_bank_sum"), QString("当前余额：超出范围 元"));
        SummaryTab summary;
        summary.show();
        QVERIFY(
            summary.findChild<QLabel *>("pnl_huizong_jinrong")->text().endsWith("：超出范围 元"));
    }
};

QTEST_MAIN(TestBankPage)
#include "tst_bankpage.moc"
