#include "ledger/data/db.h"
#include "ledger/data/ledgerschemacheck.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ledger;

class TestDb : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    Db m_db;
    QString file(const QString &name) const { return m_dir->filePath(name); }
    qint64 count(const QString &table) {
        Statement st(m_db, "select count(*) from " + table);
        return st.next() ? st.integer(0) : -1;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QString error;
        QVERIFY2(test::TempLedger::makeLedgerFile(file("ledger.db"), &error), qPrintable(error));
        QVERIFY2(m_db.open(file("ledger.db"), kDatabaseKey, &error), qPrintable(error));
    }
    void cleanup() {
        m_db.close();
        m_dir.reset();
    }

    void openRefusesWhatIsNoLedger() {
        QVERIFY(test::writeFile(file("text.db"), QByteArray(4096, 'x')));
        QVERIFY(test::writeFile(file("empty.db"), {}));
        QVERIFY(QDir(m_dir->path()).mkdir("folder.db"));
        {
            Db other;
            QVERIFY(other.create(file("other.db"), kDatabaseKey));
            other.exec("create table something(a)");
        }
        Db db;
        QString error;
        for (const char *name : {"text.db", "empty.db", "folder.db"})
            QVERIFY2(!openLedger(db, file(name), kDatabaseKey), name);
        QVERIFY(!db.open(file("missing.db"), kDatabaseKey, &error));
        QVERIFY(!QFile::exists(file("missing.db"))); // open never creates
        QVERIFY(!openLedger(db, file("other.db"), kDatabaseKey, &error));
        QVERIFY2(error.contains("kx_user"), qPrintable(error));
        QVERIFY(!db.isOpen());
        QVERIFY(db.open(file("other.db"), kDatabaseKey));
    }

    void wrongKeyFailsAtOpenWithNotADatabase() {
        m_db.close();
        Db db;
        QString error;
        QVERIFY(!db.open(file("ledger.db"), "another", &error));
        QVERIFY2(error.contains("not a database"), qPrintable(error));
        QVERIFY(!db.isOpen());
        QVERIFY(db.open(file("ledger.db"), kDatabaseKey)); // not damaged by the attempt
    }

    void createRefusesExistingFile() {
        const QByteArray before = test::readFile(file("ledger.db"));
        Db db;
        QVERIFY(!db.create(file("ledger.db"), "x"));
        QCOMPARE(test::readFile(file("ledger.db")), before);
    }

    void boundValuesRoundTrip() {
        const QString memo = QStringLiteral("it's 10:30 %d ? ;drop table kx_user; \"q\" 备注");
        m_db.exec("insert into kx_InAndOut(staffname, FundsNum, Memo, EventDate, myType, UserId) "
                  "values(?, ?, ?, ?, ?, ?)",
                  {QStringLiteral("O'Brien"), 12.5, memo, QDate(2024, 3, 5), -1, qint64(1) << 40});
        QCOMPARE(m_db.lastInsertId(), qint64(1));
        Statement st(m_db,
                     "select staffname, FundsNum, Memo, EventDate, myType, UserId "
                     "from kx_InAndOut where staffname=?",
                     {QStringLiteral("o'brien")});
        QVERIFY(st.next());
        QCOMPARE(st.text("STAFFNAME"), QStringLiteral("O'Brien")); // names ignore case
        QCOMPARE(st.number("FundsNum"), 12.5);
        QCOMPARE(st.text("Memo"), memo);
        QCOMPARE(st.text("EventDate"), QStringLiteral("2024-03-05"));
        QCOMPARE(st.integer("myType"), qint64(-1));
        QCOMPARE(st.integer("UserId"), qint64(1) << 40);
        QCOMPARE(st.columnIndex("LogName"), -1);
        QVERIFY_THROWS_EXCEPTION(DbError, st.text("LogName"));
        QVERIFY(!st.next());
        QCOMPARE(count("kx_user"), 0); // the memo ran no SQL
    }

    void nullReadsAsEmptyAndZero() {
        m_db.exec("insert into kx_card_duizhang(cardid) values(?)", {QVariant()});
        Statement st(m_db, "select cardid, balance, status, "
                           "(select max(id) from kx_InAndOut) as top from kx_card_duizhang");
        QVERIFY(st.next());
        QVERIFY(st.isNull(0));
        QVERIFY(!st.value(0).isValid());
        QCOMPARE(st.text("status"), QString());
        QCOMPARE(st.number("balance"), 0.0);
        QCOMPARE(st.integer("top"), qint64(0));
    }

    void realsReadAsTyped() {
        // Reals read back as the shortest decimal of the same double: no "100.0", no "-0", no
        // exponent; a sum keeps the digit that tells it from 0.3.
        Statement st(m_db, "select 100.0, 1234.56, 0.1 + 0.2, -7.25, -0.0, 1e17");
        QVERIFY(st.next());
        const QStringList expected{"100",   "1234.56", "0.30000000000000004",
                                   "-7.25", "0",       "100000000000000000"};
        for (int c = 0; c < expected.size(); ++c)
            QCOMPARE(st.text(c), expected.at(c));
    }

    void errorsThrow() {
        QVERIFY_THROWS_EXCEPTION(DbError, m_db.exec("select ? + ?", {1}));
        QVERIFY_THROWS_EXCEPTION(DbError, m_db.exec("select 1", {1}));
        try {
            m_db.exec("select * from no_such_table");
            QFAIL("no exception");
        } catch (const DbError &e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains("no_such_table"), e.what());
            QCOMPARE(e.code(), DbError::Code::Engine);
            QCOMPARE(e.sqliteCode(), 1); // SQLITE_ERROR
        }
        Db closed;
        QVERIFY_THROWS_EXCEPTION(DbError, closed.exec("select 1"));
        QVERIFY(!closed.reopen());
    }

    void execCountsChangedRows() {
        for (int i = 0; i < 3; ++i)
            m_db.exec("insert into kx_hash(keyname, seqid) values('OutType', ?)", {i});
        QCOMPARE(m_db.exec("update kx_hash set seqid=seqid+1 where keyname=?", {"outtype"}), 3);
        QCOMPARE(m_db.exec("delete from kx_hash where seqid>?", {1}), 2);
        QCOMPARE(m_db.exec("delete from kx_hash where seqid>?", {99}), 0);
        QCOMPARE(m_db.exec("select count(*) from kx_hash"), 0);
    }

    void transactionRollsBackUnlessCommitted() {
        {
            Transaction t(m_db);
            m_db.exec("insert into kx_user(LogName) values(?)", {"a"});
        }
        QCOMPARE(count("kx_user"), 0);
        try {
            Transaction t(m_db);
            m_db.exec("insert into kx_user(LogName) values(?)", {"c"});
            m_db.exec("insert into nowhere values(1)");
            t.commit();
        } catch (const DbError &) {
        }
        QCOMPARE(count("kx_user"), 0);
        {
            Transaction t(m_db); // no transaction was left open
            m_db.exec("insert into kx_user(LogName) values(?)", {"b"});
            t.commit();
        }
        m_db.close();
        QVERIFY(m_db.reopen()); // the last path and key
        Statement one(m_db, "select LogName from kx_user");
        QVERIFY(one.next());
        QCOMPARE(one.text(0), QStringLiteral("b"));
        QVERIFY(!one.next());
    }
};

QTEST_GUILESS_MAIN(TestDb)
#include "tst_db.moc"
