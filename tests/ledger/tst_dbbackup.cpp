#include "common/folderlock.h"
#include "ledger/data/dbbackup.h"
#include "ledger/data/ledgerschemacheck.h"
#include "ledger/data/schema.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QtTest>
#include <cstdio>
#include <future>

using namespace ledger;

class TestDbBackup : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempLedger> m_ledger;
    const QDateTime m_time{QDate(2026, 12, 6), QTime(12, 55, 0)};

    Db &db() { return m_ledger->db(); }
    QString backupDir() const { return m_ledger->paths().backupDir; }
    QString backup() { return DbBackup::backup(db().path(), db().key(), backupDir(), m_time); }

    // Every row of every ledger table as text; empty when the ledger does not answer.
    QStringList dump() {
        QStringList rows;
        try {
            for (const LedgerTable &ledgerTable : ledgerSchemaTables()) {
                const QString &table = ledgerTable.name;
                Statement st(db(), "select * from " + table + " order by 1");
                while (st.next()) {
                    QStringList cells{table};
                    for (int c = 0; c < st.columnCount(); ++c)
                        cells << st.text(c);
                    rows << cells.join('|');
                }
            }
        } catch (const DbError &) {
            return {};
        }
        return rows;
    }
    void change() {
        db().exec("insert into kx_InAndOut(ProjectName, FundsNum, EventDate, myType) "
                  "values('奖金', 88, '2024-05-01', 1)");
        db().exec("delete from kx_Card");
    }
    QStringList files(const QString &dir) const {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden);
    }
    // A backup of the ledger as it is with mark; markOf tells it from others.
    QString markedBackup(const QString &mark) {
        db().exec("delete from kx_hash where keyname='mark'");
        db().exec("insert into kx_hash(keyname, keyvalue) values('mark', ?)", {mark});
        return backup();
    }
    static QString markOf(const QString &file) {
        Db reader;
        return reader.open(file, kDatabaseKey)
                   ? firstColumnTexts(reader, "select keyvalue from kx_hash where keyname='mark'")
                         .value(0)
                   : QString();
    }

private slots:
    void init() {
        m_ledger = std::make_unique<test::TempLedger>();
        QVERIFY2(m_ledger->isOpen(), qPrintable(m_ledger->error()));
        const int user = m_ledger->addUser("admin", "123456");
        Transaction transaction(db());
        db().exec("insert into kx_hash(keyname, keyvalue, seqid) values('StaffName', '张三', 1)");
        db().exec("insert into kx_Card(FundsType, Account, Balance, IsValid, UserId) "
                  "values('CCB', '6222', 100.5, '1', ?)",
                  {user});
        db().exec("insert into kx_card_duizhang(cardid, balance) values(1, 100.5)");
        for (int i = 0; i < 200; ++i)
            db().exec("insert into kx_InAndOut(ProjectName, FundsNum, EventDate, myType, Memo) "
                      "values(?, ?, ?, ?, ?)",
                      {i % 2 ? "工资" : "水电", 0.25 * i, QDate(2024, 1, 1).addDays(i),
                       i % 3 ? 1 : -1, QString(i % 40, QChar(0x5907))});
        db().exec("insert into kx_Transfer(outFundsType, FundsNum, inFundsType) "
                  "values('现金', 50, 'CCB')");
        db().exec("insert into kx_Borrow(FundsType, FundsNum, myType) values('现金', 700, -1)");
        transaction.commit();
    }
    void cleanup() { m_ledger.reset(); }

    void backupThenRestoreReturnsTheDataExactly() {
        const QStringList before = dump();
        QList<int> progress;
        const QString file = DbBackup::backup(db().path(), db().key(), backupDir(), m_time,
                                              [&](int p) { progress << p; });
        QVERIFY(std::is_sorted(progress.begin(), progress.end()) && !progress.isEmpty());
        change();
        const QString second = backup(); // same second: a new name, the first stays
        QCOMPARE(files(backupDir()), QStringList({"20261206125500-2.db", "20261206125500.db"}));

        DbBackup::restore(db(), file);
        QCOMPARE(dump(), before);
        DbBackup::restore(db(), second);
        QVERIFY(dump() != before);
        QCOMPARE(files(m_ledger->paths().dataDir), QStringList({"init.db", "Kexbora.db"}));
    }

    void failedBackupLeavesNoFile() {
        {
            test::FileSizeLimit limit(8192); // the disk fills during the copy
            QVERIFY(limit.ok());
            QVERIFY_THROWS_EXCEPTION(DbError, backup());
        }
        QCOMPARE(files(backupDir()), QStringList());
        db().close();
        QFile::rename(db().path(), db().path() + ".moved");
        QVERIFY_THROWS_EXCEPTION(DbError, backup());
    }

    // What a backup cut short by a crash leaves is gone at the next backup; backups and other
    // files stay.
    void interruptedBackupLeavesNothingBehind() {
        const QString kept = backup();
        QStringList leftovers = {"20261205101010.db.part", "20261205101010.db.part-journal",
                                 "20261205101011-2.db.part"};
        for (const QString &name : leftovers + QStringList{"notes.part", "20261205.db.part"})
            QVERIFY(test::writeFile(backupDir() + name, "x"));
        DbBackup::removeLeftovers(backupDir());
        QCOMPARE(files(backupDir()),
                 QStringList({"20261205.db.part", QFileInfo(kept).fileName(), "notes.part"}));
        QVERIFY(test::writeFile(backupDir() + leftovers[0], "x"));
        backup();
        QVERIFY(!QFileInfo::exists(backupDir() + leftovers[0]));
    }

    // Each bad source or failure midway leaves the ledger as it was, open and writable; only a
    // bad source is called refused.
    void failedRestoreLeavesTheLedger_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("refused");
        for (const char *kind :
             {"text renamed .db", "truncated copy", "other key",
              "keyed database without ledger tables", "the ledger itself", "missing file"})
            QTest::newRow(kind) << QString(kind) << true;
        for (const char *kind : {"write failure", "journal beside the ledger",
                                 "failure after the swap", "failure after reopening"})
            QTest::newRow(kind) << QString(kind) << false;
    }
    void failedRestoreLeavesTheLedger() {
        QFETCH(QString, kind);
        QFETCH(bool, refused);
        QString source = backup();
        const QString other = backupDir() + "chosen.db";
        int failAt = 101;
        if (kind == "text renamed .db") {
            QVERIFY(test::writeFile(source = other, QByteArray("收入,支出\n").repeated(500)));
        } else if (kind == "truncated copy") {
            const QByteArray bytes = test::readFile(source);
            QVERIFY(test::writeFile(source = other, bytes.left(bytes.size() / 2)));
        } else if (kind == "other key") {
            QVERIFY(test::TempLedger::makeLedgerFile(source = other, nullptr, "another key"));
        } else if (kind == "keyed database without ledger tables") {
            Db alien;
            QVERIFY(alien.create(source = other, kDatabaseKey));
            alien.exec("create table kx_user(a)");
        } else if (kind == "the ledger itself") {
            source = m_ledger->paths().dataDir + "../Data/Kexbora.db";
        } else if (kind == "missing file") {
            source = other;
        } else if (kind != "journal beside the ledger") {
            failAt = kind == "failure after the swap" ? 90 : 95;
        }
        change();
        const QStringList before = dump();
        const auto progress = [failAt](int percent) {
            if (percent >= failAt)
                throw DbError("simulated failure", DbError::Code::File);
        };
        const QString journal = db().path() + "-journal";
        if (kind == "journal beside the ledger") // an empty one: not a transaction to undo
            QVERIFY(test::writeFile(journal, ""));
        try {
            test::FileSizeLimit limit(kind == "write failure" ? 16384 : RLIM_INFINITY);
            DbBackup::restore(db(), source, progress);
            QFAIL("restore reported success");
        } catch (const DbBackup::RestoreError &e) {
            QCOMPARE(e.failure(), refused ? DbBackup::RestoreFailure::FileRefused
                                          : DbBackup::RestoreFailure::NotCompleted);
        }
        QFile::remove(journal);
        QCOMPARE(dump(), before);
        change(); // still takes writes
        QCOMPARE(files(m_ledger->paths().dataDir), QStringList({"init.db", "Kexbora.db"}));
    }

    // A keyed file is a ledger when it holds every table and column of the schema, whatever
    // else it holds: at start-up it opens or gets the connection message, in a restore it is
    // taken in or refused; a refused file and the ledger stay as they were.
    void ledgerCheckAtStartAndRestore_data() {
        QTest::addColumn<bool>("schema");
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("ledger");
        QTest::newRow("only kx_user")
            << false << "create table kx_user(UserId integer primary key, LogName, LogPwd)"
            << false;
        QTest::newRow("kx_InAndOut without FundsNum and Memo")
            << true
            << "drop table kx_InAndOut; create table kx_InAndOut(id integer primary key, staffname,"
               " ProjectName, FundsType, Account, EventDate, myType, UserId, IsValid);"
               " insert into kx_InAndOut(ProjectName) values('a'), ('b'), ('c')"
            << false;
        QTest::newRow("extra table, column and index")
            << true
            << "create table notes(a); alter table kx_Card add column Colour text;"
               " create index ix_extra on kx_user(LogPwd)"
            << true;
        const QString hash =
            "drop table kx_hash; create table kx_hash(hashid integer primary key%1,"
            " keyname, keyvalue, seqid, Pid%2)";
        QTest::newRow("extra NOT NULL column without a default")
            << true << hash.arg("", ", Owner text not null") << false;
        QTest::newRow("NOT NULL row id, defaulted and nullable columns")
            << true << hash.arg(" not null", ", Owner text not null default '', Note text") << true;
    }
    void ledgerCheckAtStartAndRestore() {
        QFETCH(bool, schema);
        QFETCH(QString, script);
        QFETCH(bool, ledger);
        const QString file = backupDir() + "chosen.db";
        QVERIFY(QDir().mkpath(backupDir()));
        {
            Db chosen;
            QVERIFY(chosen.create(file, kDatabaseKey));
            if (schema)
                createSchema(chosen);
            chosen.execScript(script);
        }
        const QByteArray chosenBytes = test::readFile(file);

        test::TempLedger start(test::TempLedger::Layout::TemplateOnly);
        QVERIFY(QFile::copy(file, start.paths().databaseFile));
        QStringList messages;
        QCOMPARE(start.createDataModule(&messages) == TfrmDM::OpenResult::Opened, ledger);
        QCOMPARE(messages, ledger ? QStringList() : QStringList{TfrmDM::connectionFailedText()});
        QCOMPARE(test::readFile(start.paths().databaseFile), chosenBytes);

        const QByteArray before = test::readFile(db().path());
        try {
            DbBackup::restore(db(), file);
            QVERIFY(ledger);
        } catch (const DbBackup::RestoreError &e) {
            QVERIFY2(!ledger, e.what());
            QCOMPARE(e.failure(), DbBackup::RestoreFailure::FileRefused);
            QCOMPARE(test::readFile(db().path()), before);
        }
        QCOMPARE(test::readFile(file), chosenBytes);
        change(); // the ledger takes writes
    }

    // Two instances restore at once: the second waits until the first has swapped its file in,
    // and each restore's own file is the ledger when it ends. The first instance's connection,
    // left on the file the second replaced, takes no write into it.
    void restoresTakeTurnsAcrossInstances() {
        const QString mine = markedBackup("mine"), theirs = markedBackup("theirs");
        const QString ledgerFile = db().path();
        Db other;
        QVERIFY(openLedger(other, ledgerFile, kDatabaseKey));
        StagedRestore staged = DbBackup::stageRestore(ledgerFile, db().key(), mine);
        auto otherRestore =
            std::async(std::launch::async, [&] { DbBackup::restore(other, theirs); });
        QTRY_VERIFY(test::waitsForLock(QCoreApplication::applicationPid()));
        QString atSwapEnd;
        DbBackup::swapIn(db(), std::move(staged), [&](int percent) {
            if (percent == 95)
                atSwapEnd = markOf(ledgerFile);
        });
        QCOMPARE(atSwapEnd, QString("mine"));
        QVERIFY_THROWS_NO_EXCEPTION(otherRestore.get());
        QCOMPARE(markOf(ledgerFile), QString("theirs"));
        try {
            change();
            QFAIL("a write into the replaced file was taken");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::Replaced);
        }
        QCOMPARE(files(m_ledger->paths().dataDir), QStringList({"init.db", "Kexbora.db"}));
    }

    // Another process that starts (cleaning up interrupted backups) and backs up in the same
    // second leaves a backup under way alone.
    void backupUnderWayInAnotherProcessIsLeftAlone() {
        QProcess other;
        const QString mine =
            DbBackup::backup(db().path(), db().key(), backupDir(), m_time, [&](int percent) {
                if (percent > 0 && other.program().isEmpty()) {
                    other.start(QCoreApplication::applicationFilePath(),
                                {"--start-and-back-up", db().path(), backupDir(),
                                 m_time.toString(Qt::ISODate)});
                    other.waitForFinished();
                }
            });
        QCOMPARE(other.exitCode(), 0);
        const QString theirs = QString::fromLocal8Bit(other.readAllStandardOutput()).trimmed();
        QCOMPARE(files(backupDir()), QStringList({"20261206125500-2.db", "20261206125500.db"}));
        QVERIFY(mine != theirs && QFileInfo(theirs).path() == QFileInfo(mine).path());
    }

    // Only a restore that cannot put the previous ledger back says so by its code.
    void lostPreviousLedgerIsTold() {
        const QString source = backup();
        const QString kept = db().path() + ".restore-old";
        DbBackup::Progress loseKeptCopy = [&](int percent) {
            if (percent >= 90) {
                QFile::remove(kept);
                throw DbError("simulated failure", DbError::Code::File);
            }
        };
        try {
            DbBackup::restore(db(), source, loseKeptCopy);
            QFAIL("restore reported success");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::LedgerLost);
        }
        try {
            DbBackup::restore(db(), backupDir() + "missing.db");
            QFAIL("restore reported success");
        } catch (const DbError &e) {
            QVERIFY(e.code() != DbError::Code::LedgerLost);
        }
    }

    // A starting instance leaves the files of another instance's restore under way alone.
    void restoreUnderWayIsLeftAlone() {
        const QString ledgerFile = db().path();
        const QStringList leftovers{ledgerFile + ".restore-old", ledgerFile + ".restore-new"};
        for (const QString &file : leftovers)
            QVERIFY(test::writeFile(file, "a restore's copy"));
        {
            const common::FolderLock elsewhere(QFileInfo(ledgerFile).absolutePath(),
                                               common::FolderLock::Mode::Exclusive,
                                               common::FolderLock::Wait::UntilFree);
            DbBackup::settleRestoreLeftovers(ledgerFile, backupDir());
            for (const QString &file : leftovers)
                QCOMPARE(test::readFile(file), QByteArray("a restore's copy"));
        }
        DbBackup::settleRestoreLeftovers(ledgerFile, backupDir());
        for (const QString &file : leftovers)
            QVERIFY(!QFile::exists(file));
        QCOMPARE(QDir(backupDir()).entryList(QDir::Files).size(), 1);
    }
};

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    // Run as another instance: starts as the program does, then backs up; prints the backup.
    if (argc == 5 && qstrcmp(argv[1], "--start-and-back-up") == 0) {
        const QStringList args = app.arguments();
        DbBackup::removeLeftovers(args[3]);
        try {
            std::puts(qPrintable(DbBackup::backup(args[2], kDatabaseKey, args[3],
                                                  QDateTime::fromString(args[4], Qt::ISODate))));
            return 0;
        } catch (const DbError &e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }
    TestDbBackup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dbbackup.moc"
