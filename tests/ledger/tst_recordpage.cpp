// The record-page pattern, driven through the income page: periods, counts and totals, a long
// list scrolled to its end and exported whole, the first-visit fallback, delete,
// browse/edit/cancel, the account rule and the amount filter.
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/inoutfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace ledger;
using Fixture = test::InOutFixture;

class TestRecordPage : public QObject {
    Q_OBJECT
private slots:
    void periodLists() {
        Fixture f;
        for (const auto &[date, amount] : {std::pair{"2023-12-31", 1},
                                           {"2024-01-01", 2},
                                           {"2024-03-01", 4},
                                           {"2024-03-04", 8},
                                           {"2024-03-05", 16},
                                           {"2025-01-01", 32}})
            f.addRow(date, amount);          // future rows show under every period
        f.addRow("2024-03-05", 64, -1);      // an expense never shows on the income page
        f.addRow("2024-03-05", 128, 1, "0"); // hidden row
        const std::tuple<const char *, int, const char *> cases[] = {{"rdb_in_today", 2, "48.00"},
                                                                     {"rdb_in_month", 4, "60.00"},
                                                                     {"rdb_in_year", 5, "62.00"},
                                                                     {"rdb_in_all", 6, "63.00"},
                                                                     {"rdb_in_month", 4, "60.00"}};
        for (const auto &[radio, rows, total] : cases) {
            f.find<QRadioButton>(radio)->click();
            QCOMPARE(f.list()->count(), rows);
            QCOMPARE(f.countText(), QStringLiteral("记录数：%1 条").arg(rows));
            QCOMPARE(f.sumText(), QStringLiteral("总收入：%1 元").arg(total));
        }
        QCOMPARE(f.list()->records()->text(0, 2), QString("2024-03-01")); // in key order
        QVERIFY(f.list()->isColumnHidden(0));
    }

    void longListScrollsAndExportsEveryRow() {
        Fixture f;
        f.ledger.db().exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                           "WHERE i < 3000) INSERT INTO kx_InAndOut(staffname, FundsNum, "
                           "EventDate, myType, IsValid) SELECT 'p' || i, i, '2024-03-05', 1, "
                           "'1' FROM n");
        f.activate();
        f.find<QRadioButton>("rdb_in_all")->click();
        QCOMPARE(f.countText(), QString("记录数：3000 条"));
        QCOMPARE(f.sumText(), QString("总收入：4,501,500.00 元"));
        f.list()->scrollToBottom();
        const QModelIndex last = f.list()->indexAt(
            f.list()->viewport()->rect().bottomLeft() +
            QPoint(f.list()->columnViewportPosition(1) + 2, -f.list()->rowHeight(0) / 2));
        QCOMPARE(last.row(), 2999);
        QCOMPARE(last.data().toString(), QString("p3000"));
        QTemporaryDir dir;
        f.prompter->queueSaveFile(dir.filePath("all.csv"));
        f.click("sbtn_income_cvs");
        QFile csv(dir.filePath("all.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 3002); // captions, every row, and what follows the last CR LF
        QVERIFY(lines.at(3000).contains(",p3000,"));
    }

    void firstVisitFallback() {
        Fixture f;
        f.addRow("2023-06-01", 5);
        QSignalSpy loads(&f.page, &RecordPage::listShown);
        f.page.showCurrentPeriod(); // nothing this month: all
        QVERIFY(f.find<QRadioButton>("rdb_in_all")->isChecked());
        QCOMPARE(f.list()->count(), 1);
        QCOMPARE(loads.count(), 2);
        f.addRow("2024-03-02", 7);
        for (int visit = 0; visit < 2; ++visit) { // rows this month: month, loaded once
            loads.clear();
            f.page.showCurrentPeriod();
            QVERIFY(f.find<QRadioButton>("rdb_in_month")->isChecked());
            QCOMPARE(f.list()->count(), 1);
            QCOMPARE(loads.count(), 1);
        }
        QCOMPARE(f.pageIndex(), 0);
    }

    void deleteFlow() {
        Fixture f;
        const qint64 first = f.addRow("2024-03-02", 5);
        f.addRow("2024-03-03", 6);
        f.page.showList();
        for (const char *button : {"sbtn_In_del", "sbtn_in_Edit"}) {
            f.prompter->clear();
            f.click(button); // nothing selected
            QCOMPARE(f.prompter->texts(), QStringList{"选择需要修改的记录。"});
            QCOMPARE(f.pageIndex(), 0);
        }
        for (bool confirmed : {false, true}) {
            f.prompter->clear();
            f.list()->selectRow(0);
            f.prompter->queueConfirm(confirmed);
            f.click("sbtn_In_del");
            QCOMPARE(f.prompter->calls().first().text, QString("确定删除该记录?"));
            QCOMPARE(f.ledger.rowCount("kx_InAndOut"), confirmed ? 1 : 2);
        }
        QCOMPARE(f.prompter->infos(), QStringList{"删除成功。"});
        QCOMPARE(f.ledger.scalar("select count(*) from kx_InAndOut where id=?", {first}).toInt(),
                 0);
        QCOMPARE(f.countText(), QString("记录数：1 条")); // reloaded
        // A row deleted elsewhere meanwhile: nothing was deleted, and that is no success.
        f.ledger.db().exec("delete from kx_InAndOut");
        f.prompter->clear();
        f.list()->selectRow(0);
        f.click("sbtn_In_del");
        QCOMPARE(f.prompter->infos(), QStringList{"删除失败。"});
    }

    void browseEditCancel() {
        Fixture f;
        f.addRow("2024-03-02", 5);
        f.activate();
        f.page.showList();
        auto *submit = f.find<QWidget>("btn_in_Submit");
        auto *id = f.find<QLabel>("lbl_in_id");
        QWidget *rows = f.list()->viewport();
        QTest::mouseDClick(rows, Qt::LeftButton, {}, QPoint(10, rows->height() - 5));
        QCOMPARE(f.pageIndex(), 0); // below the rows: nothing
        const QRect cell = f.list()->visualRect(f.list()->records()->index(0, 1));
        QTest::mouseClick(rows, Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(rows, Qt::LeftButton, {}, cell.center());
        QCOMPARE(f.pageIndex(), 1); // browse
        QVERIFY(!submit->isEnabled());
        QVERIFY(id->text().isEmpty());
        QCOMPARE(f.amount()->text(), QString("5"));
        QSignalSpy loads(&f.page, &RecordPage::listShown);
        f.click("btn_in_Cancel");
        QCOMPARE(f.pageIndex(), 0);
        QCOMPARE(loads.count(), 0); // cancel does not reload
        f.list()->selectRow(0);
        f.click("sbtn_in_Edit");
        QVERIFY(submit->isEnabled());
        QCOMPARE(id->text(), f.list()->records()->text(0, 0));
        f.click("btn_in_Cancel");
        f.click("sbtn_in_Add");
        QVERIFY(submit->isEnabled());
        QVERIFY(id->text().isEmpty());
    }

    void accountRule() {
        Fixture f;
        f.ledger.db().exec("insert into kx_hash(keyname, keyvalue, seqid) values"
                           "('FundsType','CCB',1), ('FundsType','ICBC',2)");
        f.addCard("CCB", "6222");
        f.addCard("CCB", "6333", "0");
        f.activate();
        f.click("sbtn_in_Add");
        auto *must = f.find<QLabel>("lbl_in_account_must");
        QCOMPARE(f.form()->count(), 3);
        QCOMPARE(f.form()->itemText(0), QString("现金"));
        QVERIFY(f.form()->currentText().isEmpty()); // filling picks nothing
        QVERIFY(!f.account()->isEnabled());
        QVERIFY(must->isHidden());
        f.form()->setFocus();
        QTest::keyClicks(f.form()->lineEdit(), "ccb"); // another case: still the listed form
        QVERIFY(f.account()->isEnabled());
        QCOMPARE(f.account()->count(), 1); // valid accounts only
        QCOMPARE(f.account()->itemText(0), QString("6222"));
        QVERIFY(f.account()->currentText().isEmpty());
        QVERIFY(!must->isHidden());
        f.form()->lineEdit()->selectAll();
        QTest::keyClicks(f.form()->lineEdit(), "ICBC"); // listed, no account: enabled, empty
        QVERIFY(f.account()->isEnabled());
        QCOMPARE(f.account()->count(), 0);
        f.pickForm("现金"); // locked and empty again
        QVERIFY(!f.account()->isEnabled());
        QCOMPARE(f.account()->count(), 0);
        QVERIFY(must->isHidden());
        // The refresh button beside it reads new accounts.
        f.pickForm("CCB");
        f.addCard("CCB", "7777");
        f.click("sbtn_in_account_mgn");
        QCOMPARE(f.account()->count(), 2);
    }

    void amountFilterAndListButtons() {
        Fixture f;
        f.activate();
        f.click("sbtn_in_Add");
        f.amount()->setFocus();
        QTest::keyClicks(f.amount(), "1.2.3a-e ");
        QCOMPARE(f.amount()->text(), QString("1.23"));
        f.amount()->clear();
        f.amount()->insert("abc");
        QCOMPARE(f.amount()->text(), QString());
        auto *staffButton = f.find<QToolButton>("sbtn_in_StaffName_mgn");
        auto *formButton = f.find<QToolButton>("sbtn_in_fundstype_mgn");
        QVERIFY(staffButton->isHidden() && formButton->isHidden());
        f.staff()->setFocus();
        QVERIFY(!staffButton->isHidden() && formButton->isHidden());
        f.form()->setFocus();
        QVERIFY(staffButton->isHidden() && !formButton->isHidden());
    }
};

QTEST_MAIN(TestRecordPage)
#include "tst_recordpage.moc"
