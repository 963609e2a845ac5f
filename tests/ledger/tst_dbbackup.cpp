#include "ledger/data/dbbackup.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>
#include <QtTest>

using namespace ledger;

class TestDbBackup : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempLedger> m_ledger;
    const QDateTime m_time{QDate(2026, 12, 6), QTime(12, 55, 0)};

    Db &db() { return m_ledger->db(); }
    QString backupDir() const { return m_ledger->paths().backupDir; }

    // Every row of every ledger table, as text.
    QStringList dump() {
        QStringList rows;
        for (const QString &table : DbBackup::ledgerTables()) {
            Statement st(db(), "select * from " + table + " order by 1");
            while (st.next()) {
                QStringList cells{table};
                for (int c = 0; c < st.columnCount(); ++c)
                    cells << st.text(c);
                rows << cells.join('|');
            }
        }
        return rows;
    }
    QByteArray liveHash() {
        return QCryptographicHash::hash(test::readFile(m_ledger->paths().databaseFile),
                                        QCryptographicHash::Sha256);
    }
    void change() {
        db().exec("insert into kx_InAndOut(ProjectName, FundsNum, EventDate, myType) "
                  "values('奖金', 88, '2024-05-01', 1)");
        db().exec("delete from kx_Card");
        db().exec("update kx_hash set keyvalue='改过' where keyname='StaffName'");
    }
    // The ledger still answers and takes writes.
    bool usable() {
        try {
            db().exec("insert into kx_hash(keyname, keyvalue) values('Probe', 'x')");
            db().exec("delete from kx_hash where keyname='Probe'");
            return true;
        } catch (const DbError &) {
            return false;
        }
    }
    QStringList dataFiles() const {
        return QDir(m_ledger->paths().dataDir).entryList(QDir::Files | QDir::Hidden);
    }

private slots:
    void init() {
        m_ledger = std::make_unique<test::TempLedger>();
        QVERIFY2(m_ledger->isOpen(), qPrintable(m_ledger->error()));
        const int user = m_ledger->addUser("admin", "123456");
        Transaction transaction(db());
        db().exec("insert into kx_hash(keyname, keyvalue, seqid) values('StaffName', '张三', 1)");
        db().exec("insert into kx_Card(StaffName, FundsType, Account, Balance, InitBalance, "
                  "IsValid, UserId) values('张三', 'CCB', '6222', 100.5, 100.5, '1', ?)",
                  {user});
        db().exec("insert into kx_card_duizhang(cardid, balance, inandoutid, transid, borrowid) "
                  "values(1, 100.5, 0, 0, 0)");
        for (int i = 0; i < 200; ++i)
            db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                      "EventDate, myType, UserId, Memo) values('张三', ?, ?, '现金', ?, ?, ?, ?)",
                      {i % 2 ? "工资" : "水电", 0.25 * i, QDate(2024, 1, 1).addDays(i),
                       i % 3 ? 1 : -1, user, QString(i % 40, QChar(0x5907))});
        db().exec("insert into kx_Transfer(outFundsType, FundsNum, inFundsType, inAccount, "
                  "EventDate) values('现金', 50, 'CCB', '6222', '2024-02-02')");
        db().exec("insert into kx_Borrow(FundsType, FundsNum, myType, LoanName, EventDate) "
                  "values('现金', 700, -1, '李四', '2024-02-03')");
        transaction.commit();
    }
    void cleanup() { m_ledger.reset(); }

    void backupThenRestoreReturnsTheDataExactly() {
        const QStringList before = dump();
        QList<int> progress;
        const QString file =
            DbBackup::backup(db(), backupDir(), m_time, [&](int p) { progress << p; });
        QCOMPARE(QFileInfo(file).fileName(), QString("20261206125500.db"));
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        QVERIFY(!progress.isEmpty() && progress.last() < 100);
        QCOMPARE(QDir(backupDir()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"20261206125500.db"});

        change();
        QVERIFY(dump() != before);
        DbBackup::restore(db(), file);
        QCOMPARE(dump(), before);
        QVERIFY(usable());
        QCOMPARE(dataFiles(), QStringList({"init.db", "Kexbora.db"}));
        QVERIFY(QFileInfo::exists(file)); // the backup stays
    }

    void backupsOfOneSecondNeverReplaceEachOther() {
        const QString first = DbBackup::backup(db(), backupDir(), m_time);
        const QByteArray firstBytes = test::readFile(first);
        change();
        const QString second = DbBackup::backup(db(), backupDir(), m_time);
        QCOMPARE(QFileInfo(second).fileName(), QString("20261206125500-2.db"));
        QCOMPARE(test::readFile(first), firstBytes);
        DbBackup::verifyLedgerFile(second, kDatabaseKey, true);
    }

    void failedBackupLeavesNoFile() {
        {
            test::FileSizeLimit limit(8192); // the disk fills during the copy
            QVERIFY(limit.ok());
            QVERIFY_THROWS_EXCEPTION(DbError, DbBackup::backup(db(), backupDir(), m_time));
        }
        QCOMPARE(QDir(backupDir()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(usable());
        db().close();
        QVERIFY_THROWS_EXCEPTION(DbError, DbBackup::backup(db(), backupDir(), m_time));
    }

    void restoreRefusesWhatIsNoGoodLedger_data() {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"text renamed .db", "truncated copy", "other key",
                                 "keyed database without ledger tables", "the ledger itself",
                                 "missing file", "folder"})
            QTest::newRow(kind) << QString(kind);
    }
    void restoreRefusesWhatIsNoGoodLedger() {
        QFETCH(QString, kind);
        const QString good = DbBackup::backup(db(), backupDir(), m_time);
        QString source = m_ledger->paths().dataDir + "backup/chosen.db";
        if (kind == "text renamed .db") {
            QVERIFY(test::writeFile(source, QByteArray("收入,支出\n").repeated(500)));
        } else if (kind == "truncated copy") {
            const QByteArray bytes = test::readFile(good);
            QVERIFY(test::writeFile(source, bytes.left(bytes.size() / 2)));
        } else if (kind == "other key") {
            QVERIFY(test::TempLedger::makeLedgerFile(source, nullptr, "another key"));
        } else if (kind == "keyed database without ledger tables") {
            Db other;
            QVERIFY(other.create(source, kDatabaseKey));
            other.exec("create table kx_user(a)");
        } else if (kind == "the ledger itself") {
            source = m_ledger->paths().dataDir + "../Data/Kexbora.db";
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(source));
        }
        change();
        const QStringList before = dump();
        const QByteArray hash = liveHash();
        QVERIFY_THROWS_EXCEPTION(DbError, DbBackup::restore(db(), source));
        QCOMPARE(liveHash(), hash);
        QVERIFY(db().isOpen());
        QCOMPARE(dump(), before);
        QVERIFY(usable());
        QCOMPARE(dataFiles(), QStringList({"init.db", "Kexbora.db"}));
    }

    void writeFailureMidwayLeavesTheLedger() {
        const QString file = DbBackup::backup(db(), backupDir(), m_time);
        change();
        const QStringList before = dump();
        {
            test::FileSizeLimit limit(QFileInfo(file).size() / 2);
            QVERIFY(limit.ok());
            QVERIFY_THROWS_EXCEPTION(DbError, DbBackup::restore(db(), file));
        }
        QCOMPARE(dump(), before);
        QVERIFY(usable());
        QCOMPARE(dataFiles(), QStringList({"init.db", "Kexbora.db"}));
    }

    void failureAfterTheSwapPutsTheOldFileBack() {
        const QString file = DbBackup::backup(db(), backupDir(), m_time);
        change();
        const QStringList before = dump();
        for (const int failAt : {85, 90, 95}) {
            const QByteArray hash = liveHash();
            const auto failing = [failAt](int percent) {
                if (percent >= failAt)
                    throw DbError("simulated failure", DbError::Code::File);
            };
            QVERIFY_THROWS_EXCEPTION(DbError, DbBackup::restore(db(), file, failing));
            QCOMPARE(liveHash(), hash);
            QCOMPARE(dump(), before);
            QVERIFY(usable());
            QCOMPARE(dataFiles().join(' '), QString("init.db Kexbora.db"));
        }
        DbBackup::restore(db(), file); // and a clean run after the failures works
        QVERIFY(dump() != before);
    }
};

QTEST_GUILESS_MAIN(TestDbBackup)
#include "tst_dbbackup.moc"
