#include "ledger/data/db.h"
#include "ledger/params/tfrmparam.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

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
    // Presses a button; a given answer is typed into the input box it opens.
    QStringList press(const char *name, std::optional<QString> answer = std::nullopt) {
        prompter->clear();
        if (answer)
            prompter->queueInput(answer);
        editor->findChild<QAbstractButton *>(name)->click();
        return prompter->infos();
    }
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
    void addEditDeleteChecks() {
        Fixture f;
        f.store("FundsType", {"A", "B", "C"});
        TfrmParam *e = f.open("FundsType");
        QCOMPARE(e->entries(), (QStringList{"现金", "A", "B", "C"}));
        QCOMPARE(f.press("sbtnAdd", "现金"), QStringList{"存在相同项。"});
        QCOMPARE(f.prompter->calls().first().text, QString("输入新项：    "));
        QCOMPARE(f.press("sbtnAdd"), QStringList{"输入项为空。"}); // cancelled
        QCOMPARE(f.press("sbtnAdd", " \t "), QStringList{"输入项为空。"});
        QCOMPARE(f.press("sbtnAdd", "  CCB\t"), QStringList());
        QCOMPARE(e->selectedRow(), 4);
        QCOMPARE(f.press("sbtnAdd", "ccb"), QStringList()); // another case is another entry
        QCOMPARE(e->entries(), (QStringList{"现金", "A", "B", "C", "CCB", "ccb"}));

        e->selectRow(-1);
        QCOMPARE(f.press("sbtnEdit", "x"), QStringList{"请选中需要修改的项目。"});
        e->selectRow(0);
        QCOMPARE(f.press("sbtnEdit", "x"), QStringList{"现金项不能被修改。"});
        QCOMPARE(f.prompter->count(test::PromptCall::Input), 0);
        e->selectRow(1);
        QCOMPARE(f.press("sbtnEdit", "C"), QStringList{"存在相同项。"}); // a row further down
        e->selectRow(3);
        QCOMPARE(f.press("sbtnEdit", "A"), QStringList{"存在相同项。"}); // a row further up
        QCOMPARE(f.press("sbtnEdit", "C"), QStringList());               // its own text
        QCOMPARE(f.press("sbtnEdit"), QStringList());                    // cancelled
        QCOMPARE(f.press("sbtnEdit", "  "), QStringList{"输入项为空。"});
        QCOMPARE(f.press("sbtnEdit", "D"), QStringList());
        QCOMPARE(e->entries(), (QStringList{"现金", "A", "B", "D", "CCB", "ccb"}));

        e->selectRow(-1);
        QCOMPARE(f.press("sbtnDel"), QStringList{"请选中需要删除的记录。"});
        e->selectRow(0);
        QCOMPARE(f.press("sbtnDel"), QStringList{"现金项不能被删除。"});
        e->selectRow(1);
        f.prompter->clear();
        f.prompter->queueConfirm(false);
        e->findChild<QAbstractButton *>("sbtnDel")->click();
        QCOMPARE(f.prompter->calls().first().text, QString("确定删除该记录?"));
        QCOMPARE(e->entries().size(), 6);
        f.press("sbtnDel"); // confirmed
        QCOMPARE(e->entries(), (QStringList{"现金", "B", "D", "CCB", "ccb"}));
        QCOMPARE(f.ledger.rowCount("kx_hash"), 3); // nothing is written before the save
    }

    void moves() {
        Fixture f;
        f.store("OutType", {"a", "b", "c", "d"});
        TfrmParam *e = f.open("OutType");
        e->selectRow(0);
        f.press("sbtnTop");
        f.press("sbtnUp");
        e->selectRow(3);
        f.press("sbtnBottom");
        f.press("sbtnDown");
        QCOMPARE(e->entries(), (QStringList{"a", "b", "c", "d"}));
        e->selectRow(2);
        const std::tuple<const char *, QStringList, int> steps[] = {
            {"sbtnDown", {"a", "b", "d", "c"}, 3},
            {"sbtnTop", {"c", "a", "b", "d"}, 0},
            {"sbtnDown", {"a", "c", "b", "d"}, 1},
            {"sbtnBottom", {"a", "b", "d", "c"}, 3},
            {"sbtnUp", {"a", "b", "c", "d"}, 2}};
        for (const auto &[button, entries, selected] : steps) {
            f.press(button);
            QCOMPARE(e->entries(), entries);
            QCOMPARE(e->selectedRow(), selected);
        }
        e->selectRow(-1);
        f.press("sbtnUp"); // nothing selected: nothing moves
        QCOMPARE(e->entries(), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(f.prompter->calls().size(), 0);
    }

    void saveWritesPositionsUnderTheListsName() {
        Fixture f;
        f.combo.setEditText("typed");
        TfrmParam *e = f.open("FundsType");
        QCOMPARE(e->entries(), QStringList{"现金"}); // an empty list still has cash
        f.press("btnSubmit");
        QCOMPARE(e->result(), int(QDialog::Accepted));
        QCOMPARE(f.ledger.rowCount("kx_hash"), 0);
        QCOMPARE(f.comboItems(), QStringList{}); // no opener's refill: the stored entries
        QCOMPARE(f.combo.currentText(), QString("typed"));

        f.store("FundsType", {"A", "B"});
        e = f.open("FundsType");
        e->selectRow(0);
        f.press("sbtnBottom"); // cash moved to the end
        f.press("btnSubmit");
        QCOMPARE(f.stored("FundsType"), (QStringList{"FundsType:A:0", "FundsType:B:1"}));
        QCOMPARE(f.comboItems(), (QStringList{"A", "B"}));
        QCOMPARE(f.open("FundsType")->entries(), (QStringList{"现金", "A", "B"}));
        f.press("btnSubmit"); // with cash first the stored positions count it
        QCOMPARE(f.stored("FundsType"), (QStringList{"FundsType:A:1", "FundsType:B:2"}));

        f.store("StaffName", {"张三"});
        e = f.open("staffname");
        QCOMPARE(e->listName(), QString("StaffName"));
        f.press("sbtnAdd", "O'Brien's 50%");
        f.press("btnSubmit");
        QCOMPARE(f.stored("StaffName"),
                 (QStringList{"StaffName:张三:0", "StaffName:O'Brien's 50%:1"}));
        QCOMPARE(TfrmParam::canonicalListName("fundstype"), QString("FundsType"));
        QCOMPARE(TfrmParam::canonicalListName("Other"), QString("Other"));
    }

    void failedSaveChangesNothing() {
        Fixture f;
        f.store("OutType", {"a", "b"});
        f.ledger.db().exec("create trigger boom before insert on kx_hash when new.keyvalue='bad' "
                           "begin select raise(abort, 'refused'); end");
        TfrmParam *e = f.open("OutType");
        f.combo.addItem("untouched");
        f.press("sbtnAdd", "bad");
        f.press("sbtnAdd", "after");
        QCOMPARE(f.press("btnSubmit"), QStringList{"保存失败。"});
        // The delete was rolled back with the inserts: the stored list is as before.
        QCOMPARE(f.stored("OutType"), (QStringList{"OutType:a:1", "OutType:b:2"}));
        QVERIFY(e->isVisible());
        QCOMPARE(e->entries(), (QStringList{"a", "b", "bad", "after"}));
        QCOMPARE(f.comboItems(), QStringList{"untouched"});

        f.press("btnCancel");
        QCOMPARE(e->result(), int(QDialog::Rejected));
        QCOMPARE(f.stored("OutType"), (QStringList{"OutType:a:1", "OutType:b:2"}));
        QCOMPARE(f.comboItems(), QStringList{"untouched"});
    }
};

QTEST_MAIN(TestParamEdit)
#include "tst_paramedit.moc"
