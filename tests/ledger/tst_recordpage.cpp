// The record-page pattern, driven through the income page's widgets: periods, counts and
// totals, the first-visit fallback, the delete flow, browse/edit/cancel, the account combo rule,
// the amount filter and the list buttons beside the combos.
#include "ledger/data/db.h"
#include "ledger/records/inoutpage.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

using namespace ledger;

namespace {

const QDate kToday(2024, 3, 5);

struct Fixture {
    test::ScopedPrompter prompter;
    test::TempLedger ledger;
    InOutPage page{InOutKind::income()};

    Fixture() {
        page.setToday([] { return kToday; });
        ledger.login(ledger.addUser("admin", "123456"));
    }
    qint64 addRow(const QString &date, double amount, int myType = 1,
                  const QString &valid = QStringLiteral("1")) {
        ledger.db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                         "Account, Memo, EventDate, myType, UserId, IsValid) "
                         "values('张三','工资',?,'现金','','',?,?,1,?)",
                         {amount, date, myType, valid});
        return ledger.db().lastInsertId();
    }
    template <typename T> T *find(const QString &name) {
        T *widget = page.findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QString count() { return find<QLabel>("lbl_in_recordcount")->text(); }
    QString sum() { return find<QLabel>("lbl_in_sum")->text(); }
    RecordList *list() { return find<RecordList>("lv_in"); }
    void activate() {
        page.show();
        QApplication::setActiveWindow(&page);
        QVERIFY(QTest::qWaitForWindowActive(&page));
    }
};

} // namespace

class TestRecordPage : public QObject {
    Q_OBJECT
private slots:
    void modes();
    void periodStarts();
    void periodLists();
    void countAndTotalLabels();
    void firstVisitFallback();
    void deleteFlow();
    void deleteOfVanishedRow();
    void browseEditCancel();
    void accountRule();
    void amountFilter();
    void listButtonsFollowFocus();
};

void TestRecordPage::modes() {
    RecordPage::Mode mode;
    QVERIFY(RecordPage::modeFromText("add", &mode) && mode == RecordPage::Mode::Add);
    QVERIFY(RecordPage::modeFromText("browse", &mode) && mode == RecordPage::Mode::Browse);
    QVERIFY(RecordPage::modeFromText("edit", &mode) && mode == RecordPage::Mode::Edit);
    QVERIFY(RecordPage::modeFromText("del", &mode) && mode == RecordPage::Mode::Del);
    QVERIFY(!RecordPage::modeFromText("ADD", &mode));
    QVERIFY(!RecordPage::modeFromText("", &mode));
}

void TestRecordPage::periodStarts() {
    using P = RecordPage::Period;
    QCOMPARE(RecordPage::periodStart(P::Today, kToday), std::optional<QDate>(kToday));
    QCOMPARE(RecordPage::periodStart(P::Month, kToday), std::optional<QDate>(QDate(2024, 3, 1)));
    QCOMPARE(RecordPage::periodStart(P::Year, kToday), std::optional<QDate>(QDate(2024, 1, 1)));
    QVERIFY(!RecordPage::periodStart(P::All, kToday).has_value());
    QCOMPARE(RecordPage::periodStart(P::Month, QDate(2024, 12, 31)),
             std::optional<QDate>(QDate(2024, 12, 1)));
}

void TestRecordPage::periodLists() {
    Fixture f;
    f.addRow("2023-12-31", 1);
    f.addRow("2024-01-01", 2);
    f.addRow("2024-03-01", 4);
    f.addRow("2024-03-04", 8);
    f.addRow("2024-03-05", 16);
    f.addRow("2025-01-01", 32);          // future rows show under every period
    f.addRow("2024-03-05", 64, -1);      // an expense never shows on the income page
    f.addRow("2024-03-05", 128, 1, "0"); // hidden row

    const struct {
        const char *radio;
        int rows;
        const char *total;
    } cases[] = {{"rdb_in_today", 2, "总收入：48.00 元"},
                 {"rdb_in_month", 4, "总收入：60.00 元"},
                 {"rdb_in_year", 5, "总收入：62.00 元"},
                 {"rdb_in_all", 6, "总收入：63.00 元"},
                 {"rdb_in_month", 4, "总收入：60.00 元"}};
    for (const auto &c : cases) {
        f.find<QRadioButton>(c.radio)->click();
        QCOMPARE(f.list()->count(), c.rows);
        QCOMPARE(f.count(), QStringLiteral("记录数：%1 条").arg(c.rows));
        QCOMPARE(f.sum(), QString::fromUtf8(c.total));
    }
    // Rows come in key order with the key in the hidden first column.
    QCOMPARE(f.list()->records()->text(0, 2), QString("2024-03-01"));
    QVERIFY(f.list()->isColumnHidden(0));
}

void TestRecordPage::countAndTotalLabels() {
    Fixture f;
    f.addRow("2024-03-02", 1000);
    f.addRow("2024-03-02", 200);
    f.addRow("2024-03-03", 34.5);
    f.page.showList();
    QCOMPARE(f.count(), QString("记录数：3 条"));
    QCOMPARE(f.sum(), QString("总收入：1,234.50 元"));
    QCOMPARE(f.list()->records()->text(2, 4), QString("34.5"));

    // Expense twin: its own prefix and sign.
    InOutPage out(InOutKind::expense());
    out.setToday([] { return kToday; });
    f.addRow("2024-03-02", 12.5, -1);
    out.showList();
    QCOMPARE(out.findChild<QLabel *>("lbl_out_sum")->text(), QString("总支出：12.50 元"));
    QCOMPARE(out.findChild<QLabel *>("lbl_out_recordcount")->text(), QString("记录数：1 条"));
}

void TestRecordPage::firstVisitFallback() {
    Fixture f;
    f.addRow("2023-06-01", 5);
    QSignalSpy loads(&f.page, &RecordPage::listShown);
    f.page.showCurrentPeriod();
    QVERIFY(f.find<QRadioButton>("rdb_in_all")->isChecked());
    QCOMPARE(f.list()->count(), 1);
    QCOMPARE(loads.count(), 2); // month (empty), then all

    // With rows this month the month stays, loaded once.
    f.addRow("2024-03-02", 7);
    loads.clear();
    f.page.showCurrentPeriod();
    QVERIFY(f.find<QRadioButton>("rdb_in_month")->isChecked());
    QCOMPARE(f.list()->count(), 1);
    QCOMPARE(loads.count(), 1);
    // Checked already: a second visit still reloads (exactly once).
    loads.clear();
    f.page.showCurrentPeriod();
    QCOMPARE(loads.count(), 1);
    QCOMPARE(f.page.pages()->currentIndex(), 0);
}

void TestRecordPage::deleteFlow() {
    Fixture f;
    const qint64 first = f.addRow("2024-03-02", 5);
    f.addRow("2024-03-03", 6);
    f.page.showList();
    auto *del = f.find<QToolButton>("sbtn_In_del");

    del->click();
    QCOMPARE(f.prompter->infos(), QStringList{"选择需要修改的记录。"});
    QCOMPARE(f.prompter->count(test::PromptCall::Confirm), 0);
    f.prompter->clear();
    f.find<QToolButton>("sbtn_in_Edit")->click();
    QCOMPARE(f.prompter->infos(), QStringList{"选择需要修改的记录。"});
    QCOMPARE(f.page.pages()->currentIndex(), 0);

    f.prompter->clear();
    f.list()->selectRow(0);
    f.prompter->queueConfirm(false);
    del->click();
    QCOMPARE(f.prompter->calls().size(), 1);
    QCOMPARE(f.prompter->calls().first().text, QString("确定删除该记录?"));
    QCOMPARE(f.prompter->calls().first().caption, QString("提示"));
    QCOMPARE(f.ledger.rowCount("kx_InAndOut"), 2);

    f.prompter->clear();
    f.list()->selectRow(0);
    f.prompter->queueConfirm(true);
    del->click();
    QCOMPARE(f.prompter->infos(), QStringList{"删除成功。"});
    QCOMPARE(f.ledger.scalar("select count(*) from kx_InAndOut where id=?", {first}).toInt(), 0);
    QCOMPARE(f.ledger.rowCount("kx_InAndOut"), 1);
    QCOMPARE(f.list()->count(), 1); // reloaded
    QCOMPARE(f.count(), QString("记录数：1 条"));
}

void TestRecordPage::deleteOfVanishedRow() {
    Fixture f;
    const qint64 id = f.addRow("2024-03-02", 5);
    f.page.showList();
    f.ledger.db().exec("delete from kx_InAndOut where id=?", {id});
    f.list()->selectRow(0);
    f.find<QToolButton>("sbtn_In_del")->click();
    // Nothing was deleted: that is no success.
    QCOMPARE(f.prompter->infos(), QStringList{"删除失败。"});
}

void TestRecordPage::browseEditCancel() {
    Fixture f;
    f.addRow("2024-03-02", 5);
    f.activate();
    f.page.showList();
    auto *submit = f.find<QPushButton>("btn_in_Submit");
    auto *id = f.find<QLabel>("lbl_in_id");

    // A double-click below the rows does nothing.
    const QPoint empty(10, f.list()->viewport()->height() - 5);
    QTest::mouseDClick(f.list()->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(f.page.pages()->currentIndex(), 0);

    const QRect cell = f.list()->visualRect(f.list()->records()->index(0, 1));
    QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(f.list()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(f.page.pages()->currentIndex(), 1);
    QVERIFY(!submit->isEnabled());
    QVERIFY(id->text().isEmpty());
    QCOMPARE(f.find<QLineEdit>("edt_in_FundsNum")->text(), QString("5"));

    QSignalSpy loads(&f.page, &RecordPage::listShown);
    f.find<QPushButton>("btn_in_Cancel")->click();
    QCOMPARE(f.page.pages()->currentIndex(), 0);
    QCOMPARE(loads.count(), 0); // cancel does not reload

    f.list()->selectRow(0);
    f.find<QToolButton>("sbtn_in_Edit")->click();
    QCOMPARE(f.page.pages()->currentIndex(), 1);
    QVERIFY(submit->isEnabled());
    QCOMPARE(id->text(), f.list()->records()->text(0, 0));

    f.find<QPushButton>("btn_in_Cancel")->click();
    f.find<QToolButton>("sbtn_in_Add")->click();
    QVERIFY(submit->isEnabled());
    QVERIFY(id->text().isEmpty());
}

void TestRecordPage::accountRule() {
    Fixture f;
    auto &db = f.ledger.db();
    db.exec("insert into kx_hash(keyname, keyvalue, seqid) values('FundsType','CCB',1)");
    db.exec("insert into kx_hash(keyname, keyvalue, seqid) values('FundsType','ICBC',2)");
    db.exec("insert into kx_Card(FundsType, Account, IsValid) values('CCB','6222','1')");
    db.exec("insert into kx_Card(FundsType, Account, IsValid) values('CCB','6333','0')");
    f.activate();
    f.find<QToolButton>("sbtn_in_Add")->click();
    auto *form = f.find<QComboBox>("cbb_in_FundsType");
    auto *account = f.find<QComboBox>("cbb_in_Account");
    auto *must = f.find<QLabel>("lbl_in_account_must");
    QCOMPARE(form->count(), 3);
    QCOMPARE(form->itemText(0), QString("现金"));
    QVERIFY(form->currentText().isEmpty()); // no item is picked by filling the list
    QVERIFY(!account->isEnabled());
    QVERIFY(must->isHidden());

    // Typed in another case: still the listed form.
    form->setFocus();
    QTest::keyClicks(form->lineEdit(), "ccb");
    QVERIFY(account->isEnabled());
    QCOMPARE(account->count(), 1);
    QCOMPARE(account->itemText(0), QString("6222"));
    QVERIFY(account->currentText().isEmpty());
    QVERIFY(!must->isHidden());

    // A listed form without a valid account: enabled and empty.
    form->lineEdit()->selectAll();
    QTest::keyClicks(form->lineEdit(), "ICBC");
    QVERIFY(account->isEnabled());
    QCOMPARE(account->count(), 0);
    QVERIFY(!must->isHidden());

    // Cash picked from the list: locked and empty again.
    form->setCurrentIndex(0);
    emit form->activated(0);
    QVERIFY(!account->isEnabled());
    QCOMPARE(account->count(), 0);
    QVERIFY(account->currentText().isEmpty());
    QVERIFY(must->isHidden());
    QCOMPARE(account->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::ToolTipBase));
}

void TestRecordPage::amountFilter() {
    Fixture f;
    f.activate();
    f.find<QToolButton>("sbtn_in_Add")->click();
    auto *amount = f.find<QLineEdit>("edt_in_FundsNum");
    amount->setFocus();
    QTest::keyClicks(amount, "1.2.3");
    QCOMPARE(amount->text(), QString("1.23"));
    QTest::keyClicks(amount, "a-e ");
    QCOMPARE(amount->text(), QString("1.23"));
    amount->clear();
    amount->insert("abc");
    QCOMPARE(amount->text(), QString());
}

void TestRecordPage::listButtonsFollowFocus() {
    Fixture f;
    f.activate();
    f.find<QToolButton>("sbtn_in_Add")->click();
    auto *staffButton = f.find<QToolButton>("sbtn_in_StaffName_mgn");
    auto *formButton = f.find<QToolButton>("sbtn_in_fundstype_mgn");
    auto *accountButton = f.find<QToolButton>("sbtn_in_account_mgn");
    QCOMPARE(staffButton->toolTip(), QString("编辑下拉列表"));
    QCOMPARE(accountButton->toolTip(), QString("刷新列表"));
    QCOMPARE(staffButton->focusPolicy(), Qt::NoFocus);

    f.find<QComboBox>("cbb_In_staffname")->setFocus();
    QVERIFY(!staffButton->isHidden());
    QVERIFY(formButton->isHidden());
    f.find<QComboBox>("cbb_in_FundsType")->setFocus();
    QVERIFY(staffButton->isHidden());
    QVERIFY(!formButton->isHidden());
    f.find<QLineEdit>("edt_in_FundsNum")->setFocus();
    QVERIFY(formButton->isHidden());
    QVERIFY(accountButton->isHidden());
}

QTEST_MAIN(TestRecordPage)
#include "tst_recordpage.moc"
