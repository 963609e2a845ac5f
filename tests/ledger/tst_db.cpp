#include "ledger/data/db.h"
#include "support/ledger/templedger.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ledger;

class TestDb : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openNeverCreatesAFile();
    void openRefusesForeignFiles();
    void wrongKeyFailsAtOpenWithNotADatabase();
    void createRefusesExistingFile();
    void reopenUsesTheLastPathAndKey();

    void boundValuesRoundTrip();
    void realsReadAsTypedText();
    void nullReadsAsEmptyAndZero();
    void columnsByNameIgnoreCase();
    void wrongParameterCountThrows();
    void badSqlThrowsWithMessage();
    void execCountsChangedRows();

    void transactionRollsBackUnlessCommitted();
    void transactionSurvivesFailedStatement();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString file(const QString &name) const { return m_dir->filePath(name); }
    Db m_db;
};

void TestDb::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QString error;
    QVERIFY2(test::TempLedger::makeLedgerFile(file("ledger.db"), &error), qPrintable(error));
    QVERIFY2(m_db.open(file("ledger.db"), kDatabaseKey, &error), qPrintable(error));
}

void TestDb::cleanup() {
    m_db.close();
    m_dir.reset();
}

void TestDb::openNeverCreatesAFile() {
    Db db;
    QString error;
    QVERIFY(!db.open(file("missing.db"), kDatabaseKey, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(file("missing.db")));
    QVERIFY(!db.isOpen());
}

void TestDb::openRefusesForeignFiles() {
    // A text file, an empty file, a folder and a keyed database that is not a ledger.
    QFile text(file("text.db"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    QFile empty(file("empty.db"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(QDir(m_dir->path()).mkdir("folder.db"));
    {
        Db other;
        QVERIFY(other.create(file("other.db"), kDatabaseKey));
        other.exec("create table something(a)");
    }
    Db db;
    QVERIFY(!db.open(file("text.db"), kDatabaseKey));
    QVERIFY(!db.open(file("empty.db"), kDatabaseKey));
    QVERIFY(!db.open(file("folder.db"), kDatabaseKey));
    QString error;
    QVERIFY(!db.open(file("other.db"), kDatabaseKey, &error));
    QVERIFY2(error.contains("kx_user"), qPrintable(error));
    QVERIFY(!db.isOpen());
    QVERIFY(db.open(file("other.db"), kDatabaseKey, nullptr, false));
}

void TestDb::wrongKeyFailsAtOpenWithNotADatabase() {
    m_db.close();
    Db db;
    QString error;
    QVERIFY(!db.open(file("ledger.db"), "another", &error));
    QVERIFY2(error.contains("not a database"), qPrintable(error));
    QVERIFY(!db.isOpen());
    // The file is not damaged by the failed attempt.
    QVERIFY(db.open(file("ledger.db"), kDatabaseKey));
}

void TestDb::createRefusesExistingFile() {
    const QByteArray before = [&] {
        QFile f(file("ledger.db"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    Db db;
    QVERIFY(!db.create(file("ledger.db"), "x"));
    QFile f(file("ledger.db"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestDb::reopenUsesTheLastPathAndKey() {
    m_db.exec("insert into kx_hash(keyname, keyvalue, seqid) values(?, ?, ?)",
              {"StaffName", "张三", 1});
    m_db.close();
    QVERIFY(!m_db.isOpen());
    QString error;
    QVERIFY2(m_db.reopen(&error), qPrintable(error));
    Statement st(m_db, "select keyvalue from kx_hash");
    QVERIFY(st.next());
    QCOMPARE(st.text(0), QStringLiteral("张三"));

    Db fresh;
    QVERIFY(!fresh.reopen(&error));
}

void TestDb::boundValuesRoundTrip() {
    const QString memo = QStringLiteral("it's 10:30 %d ? ;drop table kx_user; \"q\" 备注");
    m_db.exec("insert into kx_InAndOut(staffname, FundsNum, Memo, EventDate, myType, UserId) "
              "values(?, ?, ?, ?, ?, ?)",
              {QStringLiteral("O'Brien"), 12.5, memo, QDate(2024, 3, 5), -1, qint64(1) << 40});
    QCOMPARE(m_db.lastInsertId(), qint64(1));
    Statement st(m_db,
                 "select staffname, FundsNum, Memo, EventDate, myType, UserId, IsValid "
                 "from kx_InAndOut where staffname=?",
                 {QStringLiteral("o'brien")});
    QVERIFY(st.next());
    QCOMPARE(st.text("staffname"), QStringLiteral("O'Brien"));
    QCOMPARE(st.number("FundsNum"), 12.5);
    QCOMPARE(st.text("Memo"), memo);
    QCOMPARE(st.text("EventDate"), QStringLiteral("2024-03-05"));
    QCOMPARE(st.integer("myType"), qint64(-1));
    QCOMPARE(st.integer("UserId"), qint64(1) << 40);
    QCOMPARE(st.text("IsValid"), QStringLiteral("1"));
    QVERIFY(!st.next());
    QCOMPARE(m_db.exec("select count(*) from kx_user"), 0); // a query changes nothing
    Statement users(m_db, "select count(*) from kx_user");  // the memo ran no SQL
    QVERIFY(users.next());
    QCOMPARE(users.integer(0), qint64(0));

    const QByteArray blob("\x00\x01\xff", 3);
    m_db.exec("create table blobs(b)");
    m_db.exec("insert into blobs values(?)", {blob});
    Statement b(m_db, "select b from blobs");
    QVERIFY(b.next());
    QCOMPARE(b.value(0).toByteArray(), blob);
}

void TestDb::realsReadAsTypedText() {
    m_db.exec("create table n(v REAL)");
    for (double v : {100.0, 12.5, -0.0, 0.1 + 0.2, 1234567.89, -3.0})
        m_db.exec("insert into n values(?)", {v});
    Statement st(m_db, "select v from n order by rowid");
    QStringList texts;
    while (st.next())
        texts << st.text(0);
    // SQLite's own text would be "100.0"; the ledger shows amounts as typed.
    QCOMPARE(texts, QStringList({"100", "12.5", "0", "0.3", "1234567.89", "-3"}));
}

void TestDb::nullReadsAsEmptyAndZero() {
    m_db.exec("insert into kx_card_duizhang(cardid) values(?)", {QVariant()});
    Statement st(m_db, "select cardid, balance, status, "
                       "(select max(id) from kx_InAndOut) as top from kx_card_duizhang");
    QVERIFY(st.next());
    QVERIFY(st.isNull(0));
    QCOMPARE(st.text("status"), QString());
    QCOMPARE(st.number("balance"), 0.0);
    QCOMPARE(st.integer("top"), qint64(0));
    QVERIFY(!st.value(0).isValid());
}

void TestDb::columnsByNameIgnoreCase() {
    m_db.exec("insert into kx_user(LogName, LogPwd) values(?, ?)", {"admin", "AB"});
    Statement st(m_db, "select UserId, LogPwd from kx_user");
    QVERIFY(st.next());
    QCOMPARE(st.columnIndex("userid"), 0);
    QCOMPARE(st.columnIndex("LOGPWD"), 1);
    QCOMPARE(st.columnIndex("LogName"), -1);
    QCOMPARE(st.text("logpwd"), QStringLiteral("AB"));
    QVERIFY_THROWS_EXCEPTION(DbError, st.text("LogName"));
}

void TestDb::wrongParameterCountThrows() {
    QVERIFY_THROWS_EXCEPTION(DbError, m_db.exec("select ? + ?", {1}));
    QVERIFY_THROWS_EXCEPTION(DbError, m_db.exec("select 1", {1}));
}

void TestDb::badSqlThrowsWithMessage() {
    try {
        m_db.exec("select * from no_such_table");
        QFAIL("no exception");
    } catch (const DbError &e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains("no_such_table"), e.what());
        QCOMPARE(e.code(), 1);
    }
    Db closed;
    QVERIFY_THROWS_EXCEPTION(DbError, closed.exec("select 1"));
}

void TestDb::execCountsChangedRows() {
    for (int i = 0; i < 3; ++i)
        m_db.exec("insert into kx_hash(keyname, keyvalue, seqid) values(?, ?, ?)",
                  {"OutType", QString::number(i), i});
    QCOMPARE(m_db.exec("update kx_hash set seqid=seqid+1 where keyname=?", {"outtype"}), 3);
    QCOMPARE(m_db.exec("delete from kx_hash where seqid>?", {1}), 2);
    QCOMPARE(m_db.exec("delete from kx_hash where seqid>?", {99}), 0);
}

void TestDb::transactionRollsBackUnlessCommitted() {
    {
        Transaction t(m_db);
        m_db.exec("insert into kx_user(LogName) values(?)", {"a"});
    }
    Statement none(m_db, "select count(*) from kx_user");
    QVERIFY(none.next());
    QCOMPARE(none.integer(0), qint64(0));
    {
        Transaction t(m_db);
        m_db.exec("insert into kx_user(LogName) values(?)", {"b"});
        t.commit();
    }
    m_db.close();
    QVERIFY(m_db.reopen());
    Statement one(m_db, "select LogName from kx_user");
    QVERIFY(one.next());
    QCOMPARE(one.text(0), QStringLiteral("b"));
    QVERIFY(!one.next());
}

void TestDb::transactionSurvivesFailedStatement() {
    try {
        Transaction t(m_db);
        m_db.exec("insert into kx_user(LogName) values(?)", {"c"});
        m_db.exec("insert into nowhere values(1)");
        t.commit();
    } catch (const DbError &) {
    }
    Statement st(m_db, "select count(*) from kx_user");
    QVERIFY(st.next());
    QCOMPARE(st.integer(0), qint64(0));
    // The connection is usable afterwards (no transaction left open).
    Transaction t(m_db);
    t.commit();
}

QTEST_GUILESS_MAIN(TestDb)
#include "tst_db.moc"
