// The lookup-list editor: load with the cash row, add/edit/delete checks, moves, the save as one
// transaction with the list's stored spelling, and the refill of the opener's combo box.
#include "ledger/data/db.h"
#include "ledger/params/tfrmparam.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace ledger;

namespace {

struct Fixture {
    test::ScopedPrompter prompter;
    test::TempLedger ledger;
    QComboBox combo;
    std::unique_ptr<TfrmParam> editor;

    Fixture() { combo.setEditable(true); }
    void store(const QString &list, const QStringList &values) {
        for (int i = 0; i < values.size(); ++i)
            ledger.db().exec("insert into kx_hash(keyname, keyvalue, seqid) values(?,?,?)",
                             {list, values.at(i), i + 1});
    }
    TfrmParam *open(const QString &list) {
        editor = std::make_unique<TfrmParam>();
        editor->setTarget(&combo, list);
        editor->show();
        return editor.get();
    }
    void press(const char *name) { editor->findChild<QAbstractButton *>(name)->click(); }
    QStringList stored(const QString &list) {
        QStringList values;
        Statement rows(ledger.db(),
                       "select keyname, keyvalue, seqid from kx_hash where keyname=? "
                       "order by seqid",
                       {list});
        while (rows.next())
            values << rows.text(0) + ":" + rows.text(1) + ":" + rows.text(2);
        return values;
    }
    QStringList comboItems() {
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i);
        return items;
    }
};

} // namespace

class TestParamEdit : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void emptyFundsTypeList();
    void addChecks();
    void editChecks();
    void deleteChecks();
    void moves();
    void cashMovedToTheEnd();
    void listNameSpellings();
    void quoteIsStoredVerbatim();
    void failedSaveChangesNothing();
    void cancelWritesNothing();
};

void TestParamEdit::layout() {
    Fixture f;
    TfrmParam *e = f.open("IncomeType");
    QCOMPARE(e->windowTitle(), QString("编辑"));
    QCOMPARE(e->size(), QSize(294, 348));
    for (const char *name : {"sbtnAdd", "sbtnEdit", "sbtnDel", "sbtnTop", "sbtnUp", "sbtnDown",
                             "sbtnBottom", "btnSubmit", "btnCancel", "lvList"})
        QVERIFY2(e->findChild<QWidget *>(name), name);
    auto *list = e->findChild<QTableWidget *>("lvList");
    QVERIFY(list->isColumnHidden(0));
    QCOMPARE(e->findChild<QPushButton *>("btnSubmit")->text(), QString("保存"));
}

void TestParamEdit::emptyFundsTypeList() {
    Fixture f;
    f.combo.setEditText("typed");
    TfrmParam *e = f.open("FundsType");
    QCOMPARE(e->entries(), QStringList{"现金"});
    f.press("btnSubmit");
    QCOMPARE(f.ledger.rowCount("kx_hash"), 0);
    QCOMPARE(f.comboItems(), QStringList{"现金"});
    QCOMPARE(f.combo.currentText(), QString("typed"));
    QCOMPARE(e->result(), int(QDialog::Accepted));
}

void TestParamEdit::addChecks() {
    Fixture f;
    TfrmParam *e = f.open("FundsType");
    f.prompter->queueInput(QString("现金"));
    f.press("sbtnAdd");
    QCOMPARE(f.prompter->infos(), QStringList{"存在相同项。"});
    QCOMPARE(f.prompter->calls().first().caption, QString("添加"));
    QCOMPARE(f.prompter->calls().first().text, QString("输入新项：    "));

    f.prompter->clear();
    f.press("sbtnAdd"); // cancelled
    QCOMPARE(f.prompter->infos(), QStringList{"输入项为空。"});
    f.prompter->clear();
    f.prompter->queueInput(QString(" \t "));
    f.press("sbtnAdd");
    QCOMPARE(f.prompter->infos(), QStringList{"输入项为空。"});

    f.prompter->clear();
    f.prompter->queueInput(QString("  CCB\t"));
    f.press("sbtnAdd");
    QCOMPARE(f.prompter->infos(), QStringList());
    QCOMPARE(e->entries(), (QStringList{"现金", "CCB"}));
    QCOMPARE(e->selectedRow(), 1);
    // Compared exactly: another case is another entry.
    f.prompter->queueInput(QString("ccb"));
    f.press("sbtnAdd");
    QCOMPARE(e->entries(), (QStringList{"现金", "CCB", "ccb"}));
}

void TestParamEdit::editChecks() {
    Fixture f;
    f.store("FundsType", {"A", "B", "C"});
    TfrmParam *e = f.open("FundsType");
    QCOMPARE(e->entries(), (QStringList{"现金", "A", "B", "C"}));
    f.press("sbtnEdit");
    QCOMPARE(f.prompter->infos(), QStringList{"请选中需要修改的项目。"});

    f.prompter->clear();
    e->selectRow(0);
    f.press("sbtnEdit");
    QCOMPARE(f.prompter->infos(), QStringList{"现金项不能被修改。"});
    QCOMPARE(f.prompter->count(test::PromptCall::Input), 0);

    f.prompter->clear();
    e->selectRow(1);
    f.prompter->queueInput(QString("C")); // a row further down
    f.press("sbtnEdit");
    QCOMPARE(f.prompter->infos(), QStringList{"存在相同项。"});
    f.prompter->clear();
    e->selectRow(3);
    f.prompter->queueInput(QString("A")); // a row further up
    f.press("sbtnEdit");
    QCOMPARE(f.prompter->infos(), QStringList{"存在相同项。"});

    f.prompter->clear();
    f.prompter->queueInput(QString("C")); // its own text
    f.press("sbtnEdit");
    f.press("sbtnEdit"); // cancelled
    QCOMPARE(f.prompter->infos(), QStringList());
    QCOMPARE(f.prompter->calls().at(0).caption, QString("添加"));
    QCOMPARE(e->entries(), (QStringList{"现金", "A", "B", "C"}));

    f.prompter->queueInput(QString("  "));
    f.press("sbtnEdit");
    QCOMPARE(f.prompter->infos(), QStringList{"输入项为空。"});

    f.prompter->queueInput(QString("D"));
    f.press("sbtnEdit");
    QCOMPARE(e->entries(), (QStringList{"现金", "A", "B", "D"}));
}

void TestParamEdit::deleteChecks() {
    Fixture f;
    f.store("FundsType", {"A", "B"});
    TfrmParam *e = f.open("FundsType");
    f.press("sbtnDel");
    QCOMPARE(f.prompter->infos(), QStringList{"请选中需要删除的记录。"});
    f.prompter->clear();
    e->selectRow(0);
    f.press("sbtnDel");
    QCOMPARE(f.prompter->infos(), QStringList{"现金项不能被删除。"});

    f.prompter->clear();
    e->selectRow(1);
    f.prompter->queueConfirm(false);
    f.press("sbtnDel");
    QCOMPARE(f.prompter->calls().first().text, QString("确定删除该记录?"));
    QCOMPARE(e->entries(), (QStringList{"现金", "A", "B"}));
    e->selectRow(1);
    f.prompter->queueConfirm(true);
    f.press("sbtnDel");
    QCOMPARE(e->entries(), (QStringList{"现金", "B"}));
    // Nothing is written before the save.
    QCOMPARE(f.ledger.rowCount("kx_hash"), 2);
}

void TestParamEdit::moves() {
    Fixture f;
    f.store("OutType", {"a", "b", "c", "d"});
    TfrmParam *e = f.open("OutType");
    e->selectRow(0);
    f.press("sbtnTop");
    f.press("sbtnUp");
    QCOMPARE(e->entries(), (QStringList{"a", "b", "c", "d"}));
    e->selectRow(3);
    f.press("sbtnBottom");
    f.press("sbtnDown");
    QCOMPARE(e->entries(), (QStringList{"a", "b", "c", "d"}));
    e->selectRow(2);
    f.press("sbtnDown"); // next-to-last becomes last
    QCOMPARE(e->entries(), (QStringList{"a", "b", "d", "c"}));
    QCOMPARE(e->selectedRow(), 3);
    f.press("sbtnTop");
    QCOMPARE(e->entries(), (QStringList{"c", "a", "b", "d"}));
    QCOMPARE(e->selectedRow(), 0);
    f.press("sbtnDown");
    QCOMPARE(e->entries(), (QStringList{"a", "c", "b", "d"}));
    f.press("sbtnBottom");
    QCOMPARE(e->entries(), (QStringList{"a", "b", "d", "c"}));
    f.press("sbtnUp");
    QCOMPARE(e->entries(), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(e->selectedRow(), 2);
    e->selectRow(-1);
    f.press("sbtnUp"); // nothing selected: nothing moves
    QCOMPARE(e->entries(), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(f.prompter->calls().size(), 0);
}

void TestParamEdit::cashMovedToTheEnd() {
    Fixture f;
    f.store("FundsType", {"A", "B"});
    TfrmParam *e = f.open("FundsType");
    e->selectRow(0);
    f.press("sbtnBottom");
    QCOMPARE(e->entries(), (QStringList{"A", "B", "现金"}));
    f.press("btnSubmit");
    QCOMPARE(f.stored("FundsType"), (QStringList{"FundsType:A:0", "FundsType:B:1"}));
    QCOMPARE(f.comboItems(), (QStringList{"现金", "A", "B"}));
    // Reopened, cash is first again.
    QCOMPARE(f.open("FundsType")->entries(), (QStringList{"现金", "A", "B"}));
    // With cash first the stored positions count it.
    f.press("btnSubmit");
    QCOMPARE(f.stored("FundsType"), (QStringList{"FundsType:A:1", "FundsType:B:2"}));
}

void TestParamEdit::listNameSpellings() {
    Fixture f;
    f.store("StaffName", {"张三"});
    TfrmParam *e = f.open("staffname");
    QCOMPARE(e->listName(), QString("StaffName"));
    QCOMPARE(e->entries(), QStringList{"张三"});
    f.prompter->queueInput(QString("李四"));
    f.press("sbtnAdd");
    f.press("btnSubmit");
    QCOMPARE(f.stored("StaffName"), (QStringList{"StaffName:张三:0", "StaffName:李四:1"}));
    QCOMPARE(f.comboItems(), (QStringList{"张三", "李四"}));
    QCOMPARE(f.open("StaffName")->entries(), (QStringList{"张三", "李四"}));
    QCOMPARE(TfrmParam::canonicalListName("fundstype"), QString("FundsType"));
    QCOMPARE(TfrmParam::canonicalListName("Other"), QString("Other"));
}

void TestParamEdit::quoteIsStoredVerbatim() {
    Fixture f;
    f.open("IncomeType");
    f.prompter->queueInput(QString("O'Brien's 50%"));
    f.press("sbtnAdd");
    f.press("btnSubmit");
    QCOMPARE(f.prompter->infos(), QStringList());
    QCOMPARE(f.stored("IncomeType"), QStringList{"IncomeType:O'Brien's 50%:0"});
}

void TestParamEdit::failedSaveChangesNothing() {
    Fixture f;
    f.store("OutType", {"a", "b"});
    f.ledger.db().exec("create trigger boom before insert on kx_hash when new.keyvalue='bad' "
                       "begin select raise(abort, 'refused'); end");
    TfrmParam *e = f.open("OutType");
    f.combo.addItem("untouched");
    f.prompter->queueInput(QString("bad"));
    f.press("sbtnAdd");
    f.prompter->queueInput(QString("after"));
    f.press("sbtnAdd");
    f.press("btnSubmit");
    QCOMPARE(f.prompter->infos(), QStringList{"保存失败。"});
    // The delete was rolled back with the inserts: the stored list is as before.
    QCOMPARE(f.stored("OutType"), (QStringList{"OutType:a:1", "OutType:b:2"}));
    QVERIFY(e->isVisible());
    QCOMPARE(e->entries(), (QStringList{"a", "b", "bad", "after"}));
    QCOMPARE(f.comboItems(), QStringList{"untouched"});
}

void TestParamEdit::cancelWritesNothing() {
    Fixture f;
    f.store("CardCompany", {"x"});
    TfrmParam *e = f.open("CardCompany");
    f.prompter->queueInput(QString("y"));
    f.press("sbtnAdd");
    f.press("btnCancel");
    QCOMPARE(e->result(), int(QDialog::Rejected));
    QCOMPARE(f.stored("CardCompany"), QStringList{"CardCompany:x:1"});
    QCOMPARE(f.combo.count(), 0);
}

QTEST_MAIN(TestParamEdit)
#include "tst_paramedit.moc"
