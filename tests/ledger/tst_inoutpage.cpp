// Income and expense records through the page's widgets, with the database checked by SQL:
// the save checks in order with their messages and focus, inserts and updates with every value
// bound, continuous adding, the payment-form choices, and the list editor opened from the page.
#include "ledger/data/db.h"
#include "ledger/params/tfrmparam.h"
#include "ledger/records/inoutpage.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace ledger;

namespace {

const QDate kToday(2024, 3, 5);

struct Fixture {
    test::ScopedPrompter prompter;
    test::TempLedger ledger;
    InOutKind kind;
    InOutPage page;
    int userId = 0;

    explicit Fixture(const InOutKind &k = InOutKind::income()) : kind(k), page(k) {
        page.setToday([] { return kToday; });
        userId = ledger.addUser("admin", "123456");
        ledger.login(userId);
        auto &db = ledger.db();
        db.exec("insert into kx_hash(keyname, keyvalue, seqid) values('FundsType','CCB',1)");
        db.exec("insert into kx_Card(FundsType, Account, IsValid) values('CCB','6222','1')");
        page.show();
        QApplication::setActiveWindow(&page);
        if (!QTest::qWaitForWindowActive(&page))
            qWarning("page not active");
    }
    template <typename T> T *find(const QString &name) {
        T *widget = page.findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QComboBox *staff() { return find<QComboBox>(kind.staffCombo); }
    QComboBox *project() { return find<QComboBox>(kind.projectCombo); }
    QLineEdit *amount() { return find<QLineEdit>(kind.amountEdit); }
    QComboBox *form() { return find<QComboBox>(kind.fundsTypeCombo); }
    QComboBox *account() { return find<QComboBox>(kind.accountCombo); }
    QPlainTextEdit *memo() { return find<QPlainTextEdit>(kind.memo); }
    QDateEdit *date() { return find<QDateEdit>(kind.dateEdit); }
    void add() { find<QToolButton>(kind.names.addButton)->click(); }
    void save() { find<QPushButton>(kind.names.submitButton)->click(); }
    // Picks the payment form as a user does (the change handler runs).
    void pickForm(const QString &text) {
        const int index = form()->findText(text);
        if (index >= 0) {
            form()->setCurrentIndex(index);
            emit form()->activated(index);
        } else {
            form()->lineEdit()->clear();
            form()->setFocus();
            // Typed through the input method, as Chinese text is entered.
            QInputMethodEvent typed;
            typed.setCommitString(text);
            QApplication::sendEvent(form()->lineEdit(), &typed);
        }
    }
    void fill(const QString &amountText) {
        staff()->setEditText("张三");
        project()->setEditText("工资");
        amount()->setText(amountText);
        pickForm("现金");
    }
};

} // namespace

class TestInOutPage : public QObject {
    Q_OBJECT
private slots:
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void insertBindsEveryValue();
    void expenseIsStoredPositive();
    void editKeepsOwnerAndType();
    void editChoicesComeFromAccounts();
    void handTypedFormNeedsNoAccount();
    void continuousAdding();
    void listEditorRefillsCombo();
    void accountRefreshButton();
};

void TestInOutPage::saveChecksInOrder_data() {
    QTest::addColumn<bool>("income");
    QTest::newRow("income") << true;
    QTest::newRow("expense") << false;
}

void TestInOutPage::saveChecksInOrder() {
    QFETCH(bool, income);
    Fixture f(income ? InOutKind::income() : InOutKind::expense());
    const QStringList &m = f.kind.messages;
    f.add();
    const auto expect = [&](const QString &message, QWidget *focus) {
        f.prompter->clear();
        f.save();
        QCOMPARE(f.prompter->infos(), QStringList{message});
        QVERIFY2(focus->hasFocus() || focus->isAncestorOf(QApplication::focusWidget()),
                 qPrintable(message));
        QCOMPARE(f.ledger.rowCount("kx_InAndOut"), 0);
        QCOMPARE(f.page.pages()->currentIndex(), 1);
    };
    // Everything empty: only the first check speaks.
    expect(m.at(0), f.staff());
    f.staff()->setEditText("   ");
    expect(m.at(0), f.staff());
    QCOMPARE(f.staff()->currentText(), QString()); // trimmed and written back
    f.staff()->setEditText(" 张三 ");
    expect(m.at(1), f.project());
    QCOMPARE(f.staff()->currentText(), QString("张三"));
    f.project()->setEditText("工资");
    expect(m.at(2), f.amount());
    f.amount()->setText(".");
    expect(m.at(2), f.amount());
    for (const char *zero : {"0", "0.0", "0.00"}) {
        f.amount()->setText(zero);
        expect(m.at(3), f.amount());
    }
    f.amount()->setText("12.5");
    expect(m.at(4), f.form());
    f.pickForm("CCB");
    expect(m.at(5), f.account());
    QCOMPARE(m.at(5), QString("请选择金融账户。"));

    f.account()->setCurrentIndex(0);
    f.prompter->clear();
    f.save();
    QCOMPARE(f.prompter->infos(), QStringList{"保存成功!"});
    QCOMPARE(f.ledger.rowCount("kx_InAndOut"), 1);
    QCOMPARE(f.ledger.scalar("select Account from kx_InAndOut").toString(), QString("6222"));
    QCOMPARE(f.ledger.scalar("select myType from kx_InAndOut").toInt(), income ? 1 : -1);
    QCOMPARE(f.page.pages()->currentIndex(), 0);
}

void TestInOutPage::insertBindsEveryValue() {
    Fixture f;
    f.add();
    QCOMPARE(f.date()->date(), kToday);
    const QString memo = "O'Neil: 10:30, 50% \"net\"\nsecond line ?1 :x";
    f.staff()->setEditText("O'Brien");
    f.project()->setEditText("工资");
    f.amount()->setText("1234.5");
    f.pickForm("现金");
    f.date()->setDate(QDate(2024, 3, 2));
    f.memo()->setPlainText(memo);
    f.save();
    QCOMPARE(f.prompter->infos(), QStringList{"保存成功!"});
    Statement row(f.ledger.db(),
                  "select staffname, ProjectName, FundsNum, typeof(FundsNum), FundsType, Account, "
                  "Memo, EventDate, myType, UserId, IsValid from kx_InAndOut");
    QVERIFY(row.next());
    QCOMPARE(row.text(0), QString("O'Brien"));
    QCOMPARE(row.text(1), QString("工资"));
    QCOMPARE(row.number(2), 1234.5);
    QCOMPARE(row.text(3), QString("real"));
    QCOMPARE(row.text(4), QString("现金"));
    QCOMPARE(row.text(5), QString());
    QCOMPARE(row.text(6), memo);
    QCOMPARE(row.text(7), QString("2024-03-02"));
    QCOMPARE(row.integer(8), 1);
    QCOMPARE(row.integer(9), f.userId);
    QCOMPARE(row.text(10), QString("1"));
    // Back on the list, reloaded with the new row.
    QCOMPARE(f.find<QLabel>("lbl_in_recordcount")->text(), QString("记录数：1 条"));
    QCOMPARE(f.find<QLabel>("lbl_in_sum")->text(), QString("总收入：1,234.50 元"));
    QCOMPARE(f.find<RecordList>("lv_in")->records()->text(0, 7), memo);
}

void TestInOutPage::expenseIsStoredPositive() {
    Fixture f(InOutKind::expense());
    f.add();
    f.fill("12.5");
    f.save();
    QCOMPARE(f.prompter->infos(), QStringList{"保存成功!"});
    QCOMPARE(f.ledger.scalar("select FundsNum from kx_InAndOut").toDouble(), 12.5);
    QCOMPARE(f.ledger.scalar("select sum(FundsNum*myType) from kx_InAndOut").toDouble(), -12.5);
    QCOMPARE(f.find<QLabel>("lbl_out_sum")->text(), QString("总支出：12.50 元"));
}

void TestInOutPage::editKeepsOwnerAndType() {
    Fixture f;
    f.ledger.db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                       "Account, Memo, EventDate, myType, UserId) "
                       "values('李四','奖金',100,'CCB','6222','old','2024-03-01',1,77)");
    f.page.showList();
    f.find<RecordList>("lv_in")->selectRow(0);
    f.find<QToolButton>("sbtn_in_Edit")->click();
    QCOMPARE(f.staff()->currentText(), QString("李四"));
    QCOMPARE(f.project()->currentText(), QString("奖金"));
    QCOMPARE(f.amount()->text(), QString("100"));
    QCOMPARE(f.form()->currentText(), QString("CCB"));
    QVERIFY(f.account()->isEnabled());
    QCOMPARE(f.account()->currentText(), QString("6222"));
    QCOMPARE(f.date()->date(), QDate(2024, 3, 1));
    QCOMPARE(f.memo()->toPlainText(), QString("old"));

    f.amount()->setText("200");
    f.memo()->setPlainText("new");
    f.save();
    QCOMPARE(f.prompter->infos(), QStringList{"保存成功!"});
    QCOMPARE(f.ledger.rowCount("kx_InAndOut"), 1);
    Statement row(f.ledger.db(), "select FundsNum, Memo, UserId, myType from kx_InAndOut");
    QVERIFY(row.next());
    QCOMPARE(row.number(0), 200.0);
    QCOMPARE(row.text(1), QString("new"));
    QCOMPARE(row.integer(2), 77);
    QCOMPARE(row.integer(3), 1);
}

void TestInOutPage::editChoicesComeFromAccounts() {
    Fixture f;
    auto &db = f.ledger.db();
    db.exec("insert into kx_hash(keyname, keyvalue, seqid) values('FundsType','BOC',2)");
    db.exec("insert into kx_Card(FundsType, Account, IsValid) values('ICBC','1','0')");
    db.exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, EventDate, "
            "myType) values('a','b',1,'BOC','2024-03-01',1)");
    f.page.setState("edit", db.lastInsertId());
    QStringList items;
    for (int i = 0; i < f.form()->count(); ++i)
        items << f.form()->itemText(i);
    QCOMPARE(items, (QStringList{"现金", "CCB"}));
    QCOMPARE(f.form()->currentText(), QString("BOC"));
    QVERIFY(!f.account()->isEnabled());
}

void TestInOutPage::handTypedFormNeedsNoAccount() {
    Fixture f;
    f.add();
    f.fill("8");
    f.pickForm("支付宝");
    QVERIFY(!f.account()->isEnabled());
    f.save();
    QCOMPARE(f.prompter->infos(), QStringList{"保存成功!"});
    QCOMPARE(f.ledger.scalar("select FundsType || '|' || Account from kx_InAndOut").toString(),
             QString("支付宝|"));
}

void TestInOutPage::continuousAdding() {
    Fixture f;
    f.add();
    f.find<QCheckBox>("ckb_in_continue")->setChecked(true);
    f.fill("1");
    f.memo()->setPlainText("x");
    f.save();
    QCOMPARE(f.page.pages()->currentIndex(), 1);
    QVERIFY(f.staff()->currentText().isEmpty());
    QVERIFY(f.amount()->text().isEmpty());
    QVERIFY(f.memo()->toPlainText().isEmpty());
    QVERIFY(f.find<QLabel>("lbl_in_id")->text().isEmpty());
    QCOMPARE(f.find<QLabel>("lbl_in_recordcount")->text(), QString("记录数：1 条"));
    f.fill("2");
    f.save();
    QCOMPARE(f.ledger.rowCount("kx_InAndOut"), 2);
    QCOMPARE(f.ledger.scalar("select sum(FundsNum) from kx_InAndOut").toDouble(), 3.0);
    QCOMPARE(f.prompter->infos(), (QStringList{"保存成功!", "保存成功!"}));
}

void TestInOutPage::listEditorRefillsCombo() {
    Fixture f;
    f.add();
    f.staff()->setFocus();
    f.prompter->queueInput(QString("王五"));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *editor = qobject_cast<TfrmParam *>(QApplication::activeModalWidget());
        if (!editor)
            return;
        seen = true;
        QCOMPARE(editor->listName(), QString("StaffName"));
        editor->findChild<QToolButton *>("sbtnAdd")->click();
        editor->findChild<QPushButton *>("btnSubmit")->click();
    });
    f.find<QToolButton>("sbtn_in_StaffName_mgn")->click();
    QVERIFY(seen);
    QCOMPARE(f.staff()->count(), 1);
    QCOMPARE(f.staff()->itemText(0), QString("王五"));
    QVERIFY(f.staff()->currentText().isEmpty());
    // Written under the list's own spelling, whatever the opener passed.
    QCOMPARE(f.ledger.scalar("select keyname from kx_hash where keyvalue='王五'").toString(),
             QString("StaffName"));
}

void TestInOutPage::accountRefreshButton() {
    Fixture f;
    f.add();
    f.pickForm("CCB");
    QCOMPARE(f.account()->count(), 1);
    f.ledger.db().exec("insert into kx_Card(FundsType, Account, IsValid) values('CCB','7777','1')");
    f.find<QToolButton>("sbtn_in_account_mgn")->click();
    QCOMPARE(f.account()->count(), 2);
    QCOMPARE(f.account()->itemText(1), QString("7777"));
}

QTEST_MAIN(TestInOutPage)
#include "tst_inoutpage.moc"
