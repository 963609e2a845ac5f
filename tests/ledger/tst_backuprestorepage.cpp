#include "ledger/backup/backuprestorepage.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"

#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace ledger;

class TestBackupRestorePage : public QObject {
    Q_OBJECT

    // Clicks the button; true when its progress bar showed while the copy ran.
    static bool click(BackupRestorePage &page, const char *button, const char *bar) {
        bool barShown = false;
        QTimer::singleShot(0, &page,
                           [&] { barShown = page.findChild<QProgressBar *>(bar)->isVisible(); });
        page.findChild<QToolButton *>(button)->click();
        return barShown && !page.findChild<QProgressBar *>(bar)->isVisible();
    }

private slots:
    void backupAndRestoreTellTheirResults() {
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
        const auto addRecord = [&ledger] {
            ledger.db().exec("insert into kx_InAndOut(ProjectName, FundsNum, myType) "
                             "values('工资', 10, 1)");
        };
        BackupRestorePage page;
        page.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(12, 55)); });
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        addRecord();
        QVERIFY(click(page, "sbtn_db_bak", "pbr_db_bak"));
        const QString file = ledger.paths().backupDir + "20261206125500.db";
        QVERIFY(QFileInfo::exists(file));
        addRecord();

        const QString junk = ledger.paths().dataDir + "junk.db";
        QVERIFY(test::writeFile(junk, "not a database"));
        prompter->queueConfirm(false);                        // not backed up yet: stop
        for (const QString &chosen : {QString(), junk, file}) // "" cancels the dialog
            prompter->queueOpenFile(chosen);
        for (int i = 0; i < 3; ++i)
            click(page, "sbtn_db_restore", "pbr_db_restore");
        QCOMPARE(ledger.rowCount("kx_InAndOut"), 2);
        QVERIFY(click(page, "sbtn_db_restore", "pbr_db_restore"));
        QCOMPARE(ledger.rowCount("kx_InAndOut"), 1);
        QCOMPARE(prompter->calls().at(3).filter, QString("备份文件 (*.db)"));
        QCOMPARE(prompter->infos(),
                 QStringList({"备份成功。", BackupRestorePage::restoreFailedText(), "还原成功。"}));

        prompter->clear();
        ledger.db().close();
        click(page, "sbtn_db_bak", "pbr_db_bak");
        QCOMPARE(prompter->infos(), QStringList{"备份失败。"});
    }
};

QTEST_MAIN(TestBackupRestorePage)
#include "tst_backuprestorepage.moc"
