#include "common/folderlock.h"
#include "ledger/backup/backuprestorepage.h"
#include "ledger/data/dbbackup.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"

#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QtTest>
#include <chrono>
#include <future>

using namespace ledger;

namespace {

// Counts the paint events of a widget.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestBackupRestorePage : public QObject {
    Q_OBJECT

    // Clicks the button and waits for the copy to end; true when, after the click, its progress
    // bar showed and the buttons were locked until then.
    static bool run(BackupRestorePage &page, const char *button, const char *bar) {
        auto *clicked = page.findChild<QToolButton *>(button);
        auto *progress = page.findChild<QProgressBar *>(bar);
        clicked->click();
        const bool ran = page.isBusy() && progress->isVisible() && !clicked->isEnabled();
        return QTest::qWaitFor([&] { return !page.isBusy(); }) && ran && !progress->isVisible() &&
               clicked->isEnabled();
    }

    // A backup of the ledger as it is now.
    static QString backupNow(test::TempLedger &ledger) {
        return DbBackup::backup(ledger.db().path(), ledger.db().key(), ledger.paths().backupDir,
                                QDateTime::currentDateTime());
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
        QSignalSpy busy(&page, &BackupRestorePage::busyChanged);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        // While the copy's connection waits for a lock held here, the page keeps painting.
        PaintCounter counter;
        page.installEventFilter(&counter);
        const auto paintsWhileWaiting = [&](Db &locked, const char *button) {
            locked.exec("BEGIN EXCLUSIVE");
            counter.paints = 0;
            page.findChild<QToolButton *>(button)->click();
            page.update();
            QTRY_VERIFY(counter.paints > 0);
            QVERIFY(page.isBusy());
            locked.exec("COMMIT");
            QTRY_VERIFY(!page.isBusy());
        };
        addRecord();
        paintsWhileWaiting(ledger.db(), "sbtn_db_bak");
        QCOMPARE(prompter->infos(), QStringList{"备份成功。"});
        QCOMPARE(busy.size(), 2);
        const QString file = ledger.paths().backupDir + "20261206125500.db";
        QVERIFY(QFileInfo::exists(file));
        addRecord();

        const QString junk = ledger.paths().dataDir + "junk.db";
        QVERIFY(test::writeFile(junk, "not a database"));
        prompter->clear();
        prompter->queueConfirm(false); // not backed up yet: stop
        for (const QString &chosen : {QString(), junk, ledger.db().path(), file})
            prompter->queueOpenFile(chosen); // "" cancels the dialog
        for (int i = 0; i < 2; ++i)
            page.findChild<QToolButton *>("sbtn_db_restore")->click();
        QVERIFY(!page.isBusy());
        QVERIFY(run(page, "sbtn_db_restore", "pbr_db_restore"));
        QVERIFY(run(page, "sbtn_db_restore", "pbr_db_restore"));
        QCOMPARE(ledger.rowCount("kx_InAndOut"), 2);
        Db chosen;
        QVERIFY(chosen.open(file, kDatabaseKey));
        paintsWhileWaiting(chosen, "sbtn_db_restore");
        chosen.close();
        QCOMPARE(ledger.rowCount("kx_InAndOut"), 1);
        QCOMPARE(prompter->calls().at(2).filter, QString("备份文件 (*.db)"));
        const QString refused = BackupRestorePage::restoreRefusedText();
        QCOMPARE(prompter->infos(), QStringList({refused, refused, "还原成功。"}));
        addRecord(); // the restored ledger takes writes

        prompter->clear();
        ledger.db().close();
        page.findChild<QToolButton *>("sbtn_db_bak")->click();
        QCOMPARE(prompter->infos(), QStringList{"备份失败。"});
    }

    // A sound file whose copy fails is not called refused; a page destroyed mid-restore leaves
    // no staged copy behind.
    void failedCopyAndCutShortRestore() {
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
        const QString file = backupNow(ledger);
        auto page = std::make_unique<BackupRestorePage>();
        page->show();
        for (int i = 0; i < 2; ++i)
            prompter->queueOpenFile(file);
        {
            test::FileSizeLimit limit(8192); // the disk fills during the copy
            QVERIFY(run(*page, "sbtn_db_restore", "pbr_db_restore"));
        }
        QCOMPARE(prompter->infos(), QStringList{BackupRestorePage::restoreNotCompletedText()});
        page->findChild<QToolButton *>("sbtn_db_restore")->click();
        QVERIFY(page->isBusy());
        page.reset();
        QCOMPARE(QDir(ledger.paths().dataDir).entryList({"*.restore-*"}), QStringList());
        QCOMPARE(prompter->infos().size(), 1);
    }

    // While another instance restores, a restore says that it waits, in place of its progress,
    // and goes on once that one is done; a page that ends while its restore waits gives the wait
    // up at once, leaving nothing behind.
    void restoreWaitsForAnotherInstance() {
        using common::FolderLock;
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
        const QString file = backupNow(ledger);
        const QString folder = QFileInfo(ledger.db().path()).absolutePath();
        auto page = std::make_unique<BackupRestorePage>();
        page->show();
        auto *waits = page->findChild<QLabel *>("lbl_db_restore_wait");
        const auto restoreWaits = [&] {
            prompter->queueOpenFile(file);
            page->findChild<QToolButton *>("sbtn_db_restore")->click();
        };

        auto other =
            std::make_unique<FolderLock>(folder, FolderLock::Mode::Exclusive, FolderLock::Wait::No);
        restoreWaits();
        QTRY_VERIFY(waits->isVisible());
        QCOMPARE(waits->text(), BackupRestorePage::restoreWaitsText());
        QVERIFY(page->findChild<QProgressBar *>("pbr_db_restore")->isHidden());
        other.reset();
        QTRY_VERIFY(!page->isBusy());
        QVERIFY(waits->isHidden());
        QCOMPARE(prompter->infos(), QStringList{"还原成功。"});

        other =
            std::make_unique<FolderLock>(folder, FolderLock::Mode::Exclusive, FolderLock::Wait::No);
        restoreWaits();
        QTRY_VERIFY(waits->isVisible());
        // The other restore goes on until the page has ended (or 10 s have passed).
        std::promise<void> pageEnded;
        auto otherGoesOn =
            std::async(std::launch::async,
                       [other = std::move(other), ended = pageEnded.get_future()]() mutable {
                           const bool inTime = ended.wait_for(std::chrono::seconds(10)) ==
                                               std::future_status::ready;
                           other.reset();
                           return inTime;
                       });
        page.reset();
        pageEnded.set_value();
        QVERIFY2(otherGoesOn.get(), "the page waited for the other restore");
        QCOMPARE(QDir(folder).entryList({"*.restore-*"}), QStringList());
        QCOMPARE(prompter->infos().size(), 1);
    }

    void manualRecoveryNamesTheRealFolders() {
        const QString text = BackupRestorePage::restoreFailedText("/opt/kx/bin/../Data/backup/",
                                                                  "/opt/kx/bin/../Data/");
        QVERIFY2(text.contains("从/opt/kx/Data/backup/目录下") &&
                     text.contains("到/opt/kx/Data/下"),
                 qPrintable(text));
    }
};

QTEST_MAIN(TestBackupRestorePage)
#include "tst_backuprestorepage.moc"
