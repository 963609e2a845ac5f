#include "ledger/backup/backuprestorepage.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"

#include <QDir>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace ledger;

class TestBackupRestorePage : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ScopedPrompter> m_prompter;
    std::unique_ptr<test::TempLedger> m_ledger;
    std::unique_ptr<BackupRestorePage> m_page;

    int records() { return m_ledger->rowCount("kx_InAndOut"); }
    void addRecord() {
        m_ledger->db().exec("insert into kx_InAndOut(ProjectName, FundsNum, EventDate, myType) "
                            "values('工资', 10, '2024-01-01', 1)");
    }
    // Clicks the button; true when its progress bar showed while the copy ran.
    bool click(const char *button, const char *bar) {
        bool barShown = false;
        QTimer::singleShot(0, m_page.get(),
                           [&] { barShown = m_page->findChild<QProgressBar *>(bar)->isVisible(); });
        m_page->findChild<QToolButton *>(button)->click();
        return barShown;
    }
    QStringList backups() const {
        return QDir(m_ledger->paths().backupDir).entryList(QDir::Files | QDir::Hidden);
    }

private slots:
    void init() {
        m_prompter = std::make_unique<test::ScopedPrompter>();
        m_ledger = std::make_unique<test::TempLedger>();
        QVERIFY2(m_ledger->isOpen(), qPrintable(m_ledger->error()));
        m_page = std::make_unique<BackupRestorePage>();
        m_page->setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(12, 55)); });
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }
    void cleanup() {
        m_page.reset();
        m_ledger.reset();
        m_prompter.reset();
    }

    void backupThenRestoreUndoesTheChange() {
        addRecord();
        QVERIFY(click("sbtn_db_bak", "pbr_db_bak"));
        QCOMPARE((*m_prompter)->infos(), QStringList{"备份成功。"});
        QCOMPARE(backups(), QStringList{"20261206125500.db"});
        QVERIFY(!m_page->findChild<QProgressBar *>("pbr_db_bak")->isVisible());

        addRecord();
        (*m_prompter)->clear();
        (*m_prompter)->queueOpenFile(m_ledger->paths().backupDir + "20261206125500.db");
        QVERIFY(click("sbtn_db_restore", "pbr_db_restore"));
        QCOMPARE((*m_prompter)->texts(),
                 QStringList({"是否已做好当前数据库备份工作?", "数据还原", "还原成功。"}));
        QCOMPARE((*m_prompter)->calls().at(1).filter, QString("备份文件 (*.db)"));
        QCOMPARE(records(), 1);
        QVERIFY(m_page->findChild<QToolButton *>("sbtn_db_restore")->isEnabled());
    }

    void cancellingChangesNothing() {
        addRecord();
        (*m_prompter)->queueConfirm(false);
        click("sbtn_db_restore", "pbr_db_restore");
        click("sbtn_db_restore", "pbr_db_restore"); // confirmed, then the file dialog cancelled
        QCOMPARE((*m_prompter)->texts(),
                 QStringList({"是否已做好当前数据库备份工作?", "是否已做好当前数据库备份工作?",
                              "数据还原"}));
        QCOMPARE(records(), 1); // and the connection still answers
    }

    void failuresAreToldAndTheLedgerStays() {
        addRecord();
        const QString junk = m_ledger->paths().dataDir + "junk.db";
        QVERIFY(test::writeFile(junk, "not a database"));
        (*m_prompter)->queueOpenFile(junk);
        (*m_prompter)->queueOpenFile(m_ledger->paths().databaseFile);
        click("sbtn_db_restore", "pbr_db_restore");
        click("sbtn_db_restore", "pbr_db_restore");
        QCOMPARE((*m_prompter)->infos(),
                 QStringList({BackupRestorePage::restoreFailedText(), BackupRestorePage::restoreFailedText()}));
        QCOMPARE(records(), 1);

        (*m_prompter)->clear();
        m_ledger->db().close();
        click("sbtn_db_bak", "pbr_db_bak");
        QCOMPARE((*m_prompter)->infos(), QStringList{"备份失败。"});
        QCOMPARE(backups(), QStringList());
    }
};

QTEST_MAIN(TestBackupRestorePage)
#include "tst_backuprestorepage.moc"
