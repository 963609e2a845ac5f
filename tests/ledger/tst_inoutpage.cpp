// Income and expense records through the page's widgets, checked by SQL: the save checks in
// order with message and focus, inserts and updates, continuous adding, payment-form choices,
// typing and completion, and the list editor opened from the page.
#include "ledger/core/dbguard.h"
#include "ledger/data/db.h"
#include "ledger/params/tfrmparam.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/inoutfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

using namespace ledger;

namespace {

// A page with payment form "CCB" holding the valid account 6222, active and on its form.
struct Fixture : test::InOutFixture {
    explicit Fixture(const InOutKind &k = InOutKind::income()) : InOutFixture(k) {
        ledger.db().exec(
            "insert into kx_hash(keyname, keyvalue, seqid) values('FundsType','CCB',1)");
        addCard("CCB", "6222");
        activate();
    }
    void add() { click(kind.names.addButton); }
    QStringList save() {
        prompter->clear();
        click(kind.names.submitButton);
        return prompter->infos();
    }
};

} // namespace

class TestInOutPage : public QObject {
    Q_OBJECT
private slots:
    void saveChecksInOrder_data() {
        QTest::addColumn<bool>("income");
        QTest::newRow("income") << true;
        QTest::newRow("expense") << false;
    }
    void saveChecksInOrder() {
        QFETCH(bool, income);
        Fixture f(income ? InOutKind::income() : InOutKind::expense());
        const InOutKind &k = f.kind;
        f.add();
        const auto expect = [&](const QString &message, QWidget *focus) {
            QCOMPARE(f.save(), QStringList{message});
            QVERIFY2(focus->hasFocus() || focus->isAncestorOf(QApplication::focusWidget()),
                     qPrintable(message));
            QCOMPARE(f.ledger.rowCount("kx_InAndOut"), 0);
            QCOMPARE(f.pageIndex(), 1);
        };
        expect(k.staffMessage, f.staff()); // everything empty: only the first check speaks
        f.staff()->setEditText("   ");
        expect(k.staffMessage, f.staff());
        QCOMPARE(f.staff()->currentText(), QString()); // trimmed and written back
        f.staff()->setEditText(" 张三 ");
        expect(k.projectMessage, f.project());
        QCOMPARE(f.staff()->currentText(), QString("张三"));
        f.project()->setEditText("工资");
        const QString invalid = income ? "请正确填写收入金额。" : "请正确填写支出金额。";
        expect(invalid, f.amount());
        f.amount()->setText(".");
        expect(invalid, f.amount());
        f.amount()->setText("99999999999999999"); // would be kept as 1e17
        expect(income ? "收入金额的有效数字太多，最多15位。" : "支出金额的有效数字太多，最多15位。",
               f.amount());
        for (const QString &large : {QString("1000000000000"), "9" + QString(400, '9')}) {
            f.amount()->setText(large);
            expect(k.amountName + "的整数部分太长，最多12位。", f.amount());
        }
        f.amount()->setText("999999999999.99");
        expect(k.fundsTypeMessage, f.form());
        for (const char *zero : {"0", "0.0", "0.00"}) {
            f.amount()->setText(zero);
            expect(k.zeroMessage, f.amount());
        }
        f.amount()->setText("12.5");
        expect(k.fundsTypeMessage, f.form());
        f.pickForm("CCB");
        expect(QStringLiteral("请选择金融账户。"), f.account());
        f.account()->setCurrentIndex(0);
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger.scalar("select FundsNum||'|'||myType||'|'||Account from kx_InAndOut")
                     .toString(),
                 QString(income ? "12.5|1|6222" : "12.5|-1|6222")); // positive, signed by type
        QCOMPARE(f.pageIndex(), 0);
        QCOMPARE(f.sumText(), QString(income ? "总收入：12.50 元" : "总支出：12.50 元"));
    }

    void insertBindsEveryValue() {
        Fixture f;
        f.add();
        QCOMPARE(f.date()->date(), test::InOutFixture::kToday);
        const QString memo = "O'Neil: 10:30, 50% \"net\"\nsecond line ?1 :x";
        f.fill("1234.5");
        f.staff()->setEditText("O'Brien");
        f.date()->setDate(QDate(2024, 3, 2));
        f.memo()->setPlainText(memo);
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        Statement row(f.ledger.db(),
                      "select staffname, ProjectName, FundsNum, typeof(FundsNum), FundsType, "
                      "Account, EventDate, myType, UserId, IsValid, Memo from kx_InAndOut");
        QVERIFY(row.next());
        QStringList values;
        for (int c = 0; c < 10; ++c)
            values << row.text(c);
        QCOMPARE(values, (QStringList{"O'Brien", "工资", "1234.5", "real", "现金", "", "2024-03-02",
                                      "1", QString::number(f.userId), "1"}));
        QCOMPARE(row.text(10), memo);
        // Back on the list, reloaded with the new row.
        QCOMPARE(f.countText(), QString("记录数：1 条"));
        QCOMPARE(f.sumText(), QString("总收入：1,234.50 元"));
        QCOMPARE(f.list()->records()->text(0, 7), memo);
    }

    // Another instance restored a backup over the ledger: the save is refused with a message
    // that says so, and nothing is written into either file.
    void saveIntoReplacedLedger() {
        Fixture f;
        f.add();
        f.fill("12.5");
        const QString path = f.ledger.db().path();
        QVERIFY(QFile::copy(path, path + ".other"));
        QVERIFY(std::rename(QFile::encodeName(path + ".other"), QFile::encodeName(path)) == 0);
        QCOMPARE(f.save(), QStringList{ledgerReplacedText()});
        QCOMPARE(f.pageIndex(), 1);
        Db fresh;
        QVERIFY(fresh.open(path, f.ledger.db().key()));
        QCOMPARE(firstColumnTexts(fresh, "select count(*) from kx_InAndOut"), QStringList{"0"});
    }

    void editKeepsOwnerAndType() {
        Fixture f;
        f.ledger.db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                           "Account, Memo, EventDate, myType, UserId) "
                           "values('李四','奖金',100,'CCB','6222','old','2024-03-01',1,77)");
        f.page.showList();
        f.list()->selectRow(0);
        f.click("sbtn_in_Edit");
        QCOMPARE(QStringList({f.staff()->currentText(), f.project()->currentText(),
                              f.amount()->text(), f.form()->currentText(),
                              f.account()->currentText(), f.memo()->toPlainText()}),
                 QStringList({"李四", "奖金", "100", "CCB", "6222", "old"}));
        QVERIFY(f.account()->isEnabled());
        QCOMPARE(f.date()->date(), QDate(2024, 3, 1));
        f.amount()->setText("200");
        f.memo()->setPlainText("new");
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger.rowCount("kx_InAndOut"), 1);
        QCOMPARE(f.ledger
                     .scalar("select FundsNum||'|'||Memo||'|'||UserId||'|'||myType "
                             "from kx_InAndOut")
                     .toString(),
                 QString("200.0|new|77|1"));
    }

    // Amounts stored before entry was checked list, total and export in plain decimals and
    // save again unchanged, also when another field is edited; a typed one is bounded.
    void storedAmountsSaveUnchanged() {
        Fixture f;
        f.addRow("2024-03-01", 1e17);
        f.addRow("2024-03-01", 1e-6);
        f.page.showList();
        RecordListModel *rows = f.list()->records();
        QCOMPARE(QStringList({rows->text(0, 4), rows->text(1, 4)}),
                 QStringList({"100000000000000000", "0.000001"}));
        QCOMPARE(f.sumText(), QString("总收入：100,000,000,000,000,000.00 元"));
        QVERIFY(listCsvText(*rows).contains(",100000000000000000,"));
        f.addRow("2024-03-01", 1e300);
        f.page.showList();
        QCOMPARE(rows->text(2, 4), "1" + QString(300, '0'));
        for (int row = 0; row < 3; ++row) {
            f.list()->selectRow(row);
            f.click("sbtn_in_Edit");
            f.memo()->setPlainText("edited");
            QCOMPARE(f.save(), QStringList{"保存成功!"});
        }
        QCOMPARE(f.ledger
                     .scalar("select count(*) from kx_InAndOut "
                             "where FundsNum in (1e17, 1e-6, 1e300) and Memo='edited'")
                     .toInt(),
                 3);
        f.list()->selectRow(2);
        f.click("sbtn_in_Edit");
        f.amount()->setText("2" + QString(300, '0'));
        QCOMPARE(f.save(), QStringList{"收入金额的整数部分太长，最多12位。"});
    }

    void paymentFormChoices() {
        Fixture f;
        auto &db = f.ledger.db();
        db.exec("insert into kx_hash(keyname, keyvalue, seqid) values('FundsType','BOC',2)");
        f.addCard("ICBC", "1", "0");
        db.exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, EventDate, "
                "myType) values('a','b',1,'BOC','2024-03-01',1)");
        // Editing: the choices are cash and the forms with a valid account; the stored form stays.
        f.page.setState(RecordPage::Mode::Edit, db.lastInsertId());
        QCOMPARE(QStringList({f.form()->itemText(0), f.form()->itemText(1)}),
                 QStringList({"现金", "CCB"}));
        QCOMPARE(f.form()->count(), 2);
        QCOMPARE(f.form()->currentText(), QString("BOC"));
        QVERIFY(!f.account()->isEnabled());
        // A hand-typed form needs no account.
        f.add();
        f.fill("8");
        f.pickForm("支付宝");
        QVERIFY(!f.account()->isEnabled());
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger
                     .scalar("select FundsType || '|' || Account from kx_InAndOut "
                             "order by id desc")
                     .toString(),
                 QString("支付宝|"));
    }

    void paymentFormTypedAndCompleted() {
        Fixture f;
        f.add();
        f.fill("3");
        QLineEdit *typed = f.form()->lineEdit();
        f.form()->setFocus();
        typed->clear();
        // Blanks survive typing; the text is trimmed when the field is left and when saved.
        QTest::keyClicks(typed, " Bank of China ");
        QCOMPARE(f.form()->currentText(), QString(" Bank of China "));
        QVERIFY(!f.account()->isEnabled());
        QTest::keyClick(typed, Qt::Key_Tab);
        QCOMPARE(f.form()->currentText(), QString("Bank of China"));
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger.scalar("select FundsType from kx_InAndOut").toString(),
                 QString("Bank of China"));
        // "C" completed to the listed "CCB": the account combo opens before the field is left.
        f.add();
        f.form()->setFocus();
        QTest::keyClick(typed, Qt::Key_C);
        QCOMPARE(f.form()->currentText().toUpper(), QString("CCB"));
        QVERIFY(typed->hasFocus());
        QVERIFY(f.account()->isEnabled());
        QCOMPARE(f.account()->count(), 1);
        QTest::keyClick(typed, Qt::Key_Tab); // the account combo is next in line
        QVERIFY(f.account()->hasFocus());
    }

    void continuousAdding() {
        Fixture f;
        f.add();
        f.find<QCheckBox>("ckb_in_continue")->setChecked(true);
        f.fill("1");
        f.memo()->setPlainText("x");
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.pageIndex(), 1);
        QVERIFY(f.staff()->currentText().isEmpty() && f.amount()->text().isEmpty());
        QVERIFY(f.memo()->toPlainText().isEmpty());
        QVERIFY(f.find<QLabel>("lbl_in_id")->text().isEmpty());
        QCOMPARE(f.countText(), QString("记录数：1 条"));
        f.fill("2");
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger.scalar("select count(*)||'|'||sum(FundsNum) from kx_InAndOut").toString(),
                 QString("2|3.0"));
    }

    void listEditorRefillsCombo() {
        Fixture f;
        f.add();
        f.staff()->setFocus();
        f.prompter->queueInput(QString("王五"));
        QString listName;
        QTimer::singleShot(0, [&] {
            if (auto *editor = qobject_cast<TfrmParam *>(QApplication::activeModalWidget())) {
                listName = editor->listName();
                editor->findChild<QToolButton *>("sbtnAdd")->click();
                editor->findChild<QPushButton *>("btnSubmit")->click();
            }
        });
        f.click("sbtn_in_StaffName_mgn");
        QCOMPARE(listName, QString("StaffName"));
        QCOMPARE(f.staff()->count(), 1);
        QCOMPARE(f.staff()->itemText(0), QString("王五"));
        QVERIFY(f.staff()->currentText().isEmpty());
        // Written under the list's own spelling, whatever the opener passed.
        QCOMPARE(f.ledger.scalar("select keyname from kx_hash where keyvalue='王五'").toString(),
                 QString("StaffName"));
    }

    // A typed form listed through the editor asks for its account at once; an account
    // chosen before an editor save stays.
    void typedFormListedThroughTheEditor() {
        Fixture f;
        f.addCard("BOC", "8888");
        const auto editForms = [&f](bool addTyped) {
            f.form()->setFocus();
            QTimer::singleShot(0, [addTyped] {
                if (auto *editor = qobject_cast<TfrmParam *>(QApplication::activeModalWidget())) {
                    if (addTyped)
                        editor->findChild<QToolButton *>("sbtnAdd")->click();
                    editor->findChild<QPushButton *>("btnSubmit")->click();
                }
            });
            f.click("sbtn_in_fundstype_mgn");
        };
        f.add();
        f.fill("5");
        f.pickForm("BOC");
        QVERIFY(!f.account()->isEnabled());
        f.prompter->queueInput(QString("BOC"));
        editForms(true);
        QVERIFY(f.account()->isEnabled());
        f.account()->setCurrentIndex(0);
        editForms(false);
        QCOMPARE(f.account()->currentText(), QString("8888"));
        QCOMPARE(f.save(), QStringList{"保存成功!"});
        QCOMPARE(f.ledger.scalar("select FundsType || '|' || Account from kx_InAndOut").toString(),
                 QString("BOC|8888"));
    }
};

QTEST_MAIN(TestInOutPage)
#include "tst_inoutpage.moc"
