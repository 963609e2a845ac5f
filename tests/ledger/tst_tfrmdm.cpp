#include "common/atomicwrite.h"
#include "common/folderlock.h"
#include "ledger/datamodule/tfrmdm.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QtTest>
#include <thread>

using namespace ledger;
using test::readFile;
using test::TempLedger;

class TestTfrmDM : public QObject {
    Q_OBJECT

private slots:
    void firstStartCopiesTheTemplate() {
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        QVERIFY2(ledger.error().isEmpty(), qPrintable(ledger.error()));
        const QByteArray templateBytes = readFile(ledger.paths().templateFile);
        QVERIFY(!templateBytes.isEmpty());
        QStringList messages;
        QCOMPARE(ledger.createDataModule(&messages), TfrmDM::OpenResult::Opened);
        QCOMPARE(messages, QStringList());
        QCOMPARE(ledger.dataModule()->adoConn().path(), ledger.paths().databaseFile);
        QCOMPARE(readFile(ledger.paths().databaseFile), templateBytes);
        QCOMPARE(readFile(ledger.paths().templateFile), templateBytes);
    }

    void existingDatabaseIsNotReplaced() {
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        QVERIFY(TempLedger::makeLedgerFile(ledger.paths().databaseFile));
        { // mark the template so that a copy would show
            Db db;
            QVERIFY(db.open(ledger.paths().templateFile, kDatabaseKey));
            db.exec("insert into kx_user(LogName) values('from-template')");
        }
        const QByteArray before = readFile(ledger.paths().databaseFile);
        QCOMPARE(ledger.createDataModule(), TfrmDM::OpenResult::Opened);
        QCOMPARE(ledger.rowCount("kx_user"), 0);
        QCOMPARE(readFile(ledger.paths().databaseFile), before);
    }

    // Two first starts at once: the template copy that comes second keeps the ledger the first
    // one made, even one that appears while the copy is being made, and leaves nothing behind.
    void templateCopyNeverReplacesALedger() {
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        const QString target = ledger.paths().databaseFile;
        const QByteArray other = "the ledger another instance made";
        const auto otherAppears = [&](const QString &) { return test::writeFile(target, other); };
        for (int attempt = 0; attempt < 2; ++attempt) {
            QCOMPARE(common::copyFileToNewName(ledger.paths().templateFile, target, otherAppears),
                     common::NewFileCopy::AlreadyThere);
            QCOMPARE(readFile(target), other);
        }
        QCOMPARE(QDir(ledger.paths().dataDir).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"init.db", "Kexbora.db"}));
    }

    // A start removes the template copies that first starts cut short left, but none while
    // another instance copies the template, and no other file.
    void abandonedTemplateCopiesAreRemoved() {
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        const QDir data(ledger.paths().dataDir);
        const QStringList copies{"Kexbora.db.new-4242-0badcafe", "Kexbora.db.new-77-00000001"};
        const QStringList others{"Kexbora.db.new-4242", "Kexbora.db.new-1-0badcafe.db",
                                 "init.db.new-4242-0badcafe", "Kexbora.db.restore-old"};
        for (const QString &name : copies + others)
            QVERIFY(test::writeFile(data.filePath(name), "a copy"));
        const auto listed = [&] { return data.entryList(QDir::Files | QDir::Hidden); };
        {
            const common::FolderLock copying(data.path(), common::FolderLock::Mode::Shared,
                                             common::FolderLock::Wait::UntilFree);
            QCOMPARE(ledger.createDataModule(), TfrmDM::OpenResult::Opened);
            QCOMPARE(listed().size(), copies.size() + others.size() + 2);
        }
        const QByteArray ledgerBytes = readFile(ledger.paths().databaseFile);
        QCOMPARE(ledger.createDataModule(), TfrmDM::OpenResult::Opened);
        QStringList left = others + QStringList{"Kexbora.db", "init.db"};
        left.sort(Qt::CaseInsensitive);
        QCOMPARE(listed(), left);
        QCOMPARE(readFile(ledger.paths().databaseFile), ledgerBytes);
    }

    // Another instance's first start copies the template in another thread while this one
    // starts: the start-up clean-up leaves that copy alone, this start makes the ledger, and
    // the other instance keeps it and leaves nothing behind.
    void templateCopyUnderWaySurvivesTheStartUp() {
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        const DataPaths &paths = ledger.paths();
        QSemaphore copied, startedUp;
        QString underWay;
        common::NewFileCopy otherResult = common::NewFileCopy::Failed;
        std::thread other([&] {
            otherResult = common::copyFileToNewName(paths.templateFile, paths.databaseFile,
                                                    [&](const QString &copy) {
                                                        underWay = copy;
                                                        copied.release();
                                                        return startedUp.tryAcquire(1, 20000);
                                                    });
        });
        const bool otherCopying = copied.tryAcquire(1, 20000);
        const TfrmDM::OpenResult started = ledger.createDataModule();
        const bool survived = QFileInfo::exists(underWay);
        startedUp.release();
        other.join();
        QVERIFY(otherCopying);
        QCOMPARE(started, TfrmDM::OpenResult::Opened);
        QVERIFY2(survived, qPrintable(underWay));
        QCOMPARE(otherResult, common::NewFileCopy::AlreadyThere);
        QCOMPARE(readFile(paths.databaseFile), readFile(paths.templateFile));
        QCOMPARE(QDir(paths.dataDir).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"init.db", "Kexbora.db"}));
    }

    void unusableDatabaseIsAConnectionFailure_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("wrong key") << "key";
        QTest::newRow("plain text") << "text";
        QTest::newRow("keyed, not a ledger") << "other";
        QTest::newRow("a folder") << "folder";
    }
    void unusableDatabaseIsAConnectionFailure() {
        QFETCH(QString, kind);
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        const QString target = ledger.paths().databaseFile;
        if (kind == "key") {
            QVERIFY(TempLedger::makeLedgerFile(target, nullptr, "other"));
        } else if (kind == "text") {
            QVERIFY(test::writeFile(target, "plain text, no database\n"));
        } else if (kind == "other") {
            Db db;
            QVERIFY(db.create(target, kDatabaseKey));
            db.exec("create table notes(a)");
        } else {
            QVERIFY(QDir().mkdir(target));
        }
        const QByteArray before = readFile(target);
        QStringList messages;
        QCOMPARE(ledger.createDataModule(&messages), TfrmDM::OpenResult::ConnectionFailed);
        QCOMPARE(messages, QStringList{TfrmDM::connectionFailedText()});
        QVERIFY(!ledger.isOpen());
        QVERIFY(QFileInfo::exists(target)); // the user's file is left alone
        QCOMPARE(readFile(target), before);
    }

    void bothMissingCreatesNothing() {
        TempLedger ledger(TempLedger::Layout::Folders);
        QStringList messages;
        QCOMPARE(ledger.createDataModule(&messages), TfrmDM::OpenResult::DatabaseMissing);
        QCOMPARE(messages, QStringList{"数据库文件不存在。"});
        QVERIFY(QDir(ledger.paths().dataDir).isEmpty());
    }

    void brokenTemplateCopyIsNotKept() {
        TempLedger ledger(TempLedger::Layout::Folders);
        QVERIFY(test::writeFile(ledger.paths().templateFile, QByteArray(2048, '\x01')));
        QStringList messages;
        QCOMPARE(ledger.createDataModule(&messages), TfrmDM::OpenResult::ConnectionFailed);
        QCOMPARE(messages, QStringList{TfrmDM::connectionFailedText()});
        QCOMPARE(QDir(ledger.paths().dataDir).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"init.db"});
        // A good template put in its place works on the next start.
        QVERIFY(QFile::remove(ledger.paths().templateFile));
        QVERIFY(TempLedger::makeLedgerFile(ledger.paths().templateFile));
        QCOMPARE(ledger.createDataModule(), TfrmDM::OpenResult::Opened);
    }

    void failedCopyLeavesNoPartialDatabase() {
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        const qint64 templateSize = QFileInfo(ledger.paths().templateFile).size();
        QVERIFY(templateSize > 8192);
        TfrmDM::OpenResult result;
        QStringList messages;
        {
            test::FileSizeLimit limit(4096); // the disk "fills" in the middle of the copy
            QVERIFY(limit.ok());
            result = ledger.createDataModule(&messages);
        }
        QCOMPARE(result, TfrmDM::OpenResult::ConnectionFailed);
        QCOMPARE(messages, QStringList{TfrmDM::connectionFailedText()});
        QCOMPARE(QDir(ledger.paths().dataDir).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"init.db"});
        QCOMPARE(ledger.createDataModule(), TfrmDM::OpenResult::Opened);
        QCOMPARE(QFileInfo(ledger.paths().databaseFile).size(), templateSize);
    }

    void globalInstanceFollowsLifetime() {
        QVERIFY(frmDM == nullptr);
        TempLedger ledger(TempLedger::Layout::Folders);
        {
            TfrmDM dm(ledger.paths());
            QCOMPARE(frmDM, &dm);
        }
        QVERIFY(frmDM == nullptr);
    }

    void pathsDeriveFromTheProgramFolder() {
        for (const char *dir : {"/opt/kexbora/bin", "/opt/kexbora/bin/"}) {
            const DataPaths paths = DataPaths::fromProgramDir(dir);
            QCOMPARE(paths.databaseFile, QStringLiteral("/opt/kexbora/Data/Kexbora.db"));
            QCOMPARE(paths.templateFile, QStringLiteral("/opt/kexbora/Data/init.db"));
            QCOMPARE(paths.fallbackPage, QStringLiteral("/opt/kexbora/other/1.html"));
        }
    }
};

QTEST_GUILESS_MAIN(TestTfrmDM)
#include "tst_tfrmdm.moc"
