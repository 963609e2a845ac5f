#include "ledger/app/paths.h"
#include "ledger/data/db.h"
#include "ledger/data/schema.h"
#include "support/ledger/templedger.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace ledger;

namespace {

QStringList column(Db &db, const QString &sql, const QVariantList &params = {}) {
    QStringList values;
    Statement st(db, sql, params);
    while (st.next())
        values << st.text(0);
    return values;
}

const QStringList kTables = {"kx_Borrow",   "kx_Card",     "kx_card_duizhang", "kx_hash",
                             "kx_InAndOut", "kx_Transfer", "kx_user"};

QString builtTemplate() {
    return QCoreApplication::applicationDirPath() + "/../../Data/" + kTemplateFileName;
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sevenTablesWithTheirColumns();
    void countersNeverReuseIds();
    void movementsAreValidByDefault();
    void insertionDatesDefaultToToday();
    void comparedTextIgnoresCase();
    void periodFilterComparesPaddedDates();
    void periodAndBalanceFiltersUseIndexes_data();
    void periodAndBalanceFiltersUseIndexes();

    void builtTemplateIsKeyedAndComplete();
    void builtTemplateNeedsTheKeyOnTheCommandLine();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    Db m_db;
};

void TestSchema::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(m_db.create(m_dir->filePath("s.db"), kDatabaseKey));
    createSchema(m_db);
}

void TestSchema::cleanup() {
    m_db.close();
    m_dir.reset();
}

void TestSchema::sevenTablesWithTheirColumns() {
    QStringList tables =
        column(m_db, "select name from sqlite_master where type='table' and name like 'kx%'");
    tables.sort(Qt::CaseInsensitive);
    QCOMPARE(tables, kTables);
    // Every column a statement of the program names, in the spelling used most.
    const QMap<QString, QStringList> columns = {
        {"kx_user", {"UserId", "LogName", "LogPwd"}},
        {"kx_hash", {"hashid", "keyname", "keyvalue", "seqid", "Pid"}},
        {"kx_InAndOut",
         {"id", "staffname", "ProjectName", "FundsNum", "FundsType", "Account", "Memo", "EventDate",
          "myType", "UserId", "IsValid"}},
        {"kx_Card",
         {"cardid", "StaffName", "CardCompany", "FundsType", "Account", "Balance", "InitBalance",
          "IsValid", "Memo", "UserId", "eventDate"}},
        {"kx_Transfer",
         {"TransId", "outFundsType", "outAccount", "FundsNum", "inFundsType", "inAccount", "Memo",
          "EventDate", "UserId", "IsValid"}},
        {"kx_Borrow",
         {"BorrowId", "FundsType", "Account", "FundsNum", "myType", "LoanName", "Memo", "EventDate",
          "UserId", "IsValid"}},
        {"kx_card_duizhang",
         {"id", "cardid", "balance", "inandoutid", "transid", "borrowid", "status", "eventDate"}},
    };
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        QStringList names;
        Statement st(m_db, "pragma table_info(" + it.key() + ")");
        while (st.next())
            names << st.text("name");
        QCOMPARE(names, it.value());
    }
    // Pid is optional and nullable.
    m_db.exec("insert into kx_hash(keyname, keyvalue, seqid) values(?, ?, ?)", {"X", "y", 0});
    QCOMPARE(column(m_db, "select count(*) from kx_hash where Pid is null"), QStringList{"1"});
}

void TestSchema::countersNeverReuseIds() {
    for (const char *table : {"kx_InAndOut", "kx_Transfer", "kx_Borrow", "kx_card_duizhang",
                              "kx_Card", "kx_hash", "kx_user"}) {
        const QString name = QString::fromLatin1(table);
        Statement keyInfo(m_db, "pragma table_info(" + name + ")");
        QString key;
        while (keyInfo.next()) {
            if (keyInfo.integer("pk") == 1)
                key = keyInfo.text("name");
        }
        QVERIFY2(!key.isEmpty(), table);
        for (int i = 0; i < 3; ++i)
            m_db.exec("insert into " + name + " default values");
        m_db.exec("delete from " + name + " where " + key + "=3");
        m_db.exec("insert into " + name + " default values");
        QCOMPARE(m_db.lastInsertId(), qint64(4));
    }
}

void TestSchema::movementsAreValidByDefault() {
    for (const char *table : {"kx_InAndOut", "kx_Transfer", "kx_Borrow"}) {
        m_db.exec(QString("insert into %1(FundsNum, EventDate) values(?, ?)").arg(table),
                  {5, "2024-01-01"});
        QCOMPARE(column(m_db, QString("select IsValid from %1").arg(table)), QStringList{"1"});
        QCOMPARE(column(m_db, QString("select count(*) from %1 where IsValid='1'").arg(table)),
                 QStringList{"1"});
    }
    // Accounts are always written with their state; no default there.
    m_db.exec("insert into kx_Card(Account) values(?)", {"6222"});
    QCOMPARE(column(m_db, "select IsValid is null from kx_Card"), QStringList{"1"});
}

void TestSchema::insertionDatesDefaultToToday() {
    const QString before = QDate::currentDate().toString(kDateFmt);
    m_db.exec("insert into kx_Card(Account) values(?)", {"1"});
    m_db.exec("insert into kx_card_duizhang(cardid) values(?)", {1});
    const QString after = QDate::currentDate().toString(kDateFmt);
    for (const QString &date : column(m_db, "select eventDate from kx_Card union all "
                                            "select eventDate from kx_card_duizhang")) {
        QVERIFY2(date == before || date == after, qPrintable(date));
    }
}

void TestSchema::comparedTextIgnoresCase() {
    m_db.exec("insert into kx_user(LogName, LogPwd) values(?, ?)", {"admin", "X"});
    QCOMPARE(column(m_db, "select count(*) from kx_user where LogName=?", {"ADMIN"}),
             QStringList{"1"});
    m_db.exec("insert into kx_Card(FundsType, Account, IsValid) values(?, ?, ?)",
              {"Visa", "ab12", "1"});
    QCOMPARE(column(m_db, "select count(*) from kx_Card where FundsType=? and Account=?",
                    {"VISA", "AB12"}),
             QStringList{"1"});
    m_db.exec("insert into kx_hash(keyname, keyvalue, seqid) values(?, ?, ?)",
              {"FundsType", "Card", 1});
    m_db.exec("insert into kx_hash(keyname, keyvalue, seqid) values(?, ?, ?)",
              {"fundstype", "CARD", 2});
    QCOMPARE(
        column(m_db, "select count(distinct keyvalue) from kx_hash where keyname=?", {"FUNDSTYPE"}),
        QStringList{"1"});
    // Passwords are compared exactly.
    QCOMPARE(column(m_db, "select count(*) from kx_user where LogPwd=?", {"x"}), QStringList{"0"});
}

void TestSchema::periodFilterComparesPaddedDates() {
    for (const char *date : {"2024-03-04", "2024-03-05", "2024-03-05 10:00:00", "2024-12-31"})
        m_db.exec("insert into kx_InAndOut(FundsNum, EventDate, myType) values(1, ?, 1)",
                  {QString::fromLatin1(date)});
    // The period start typed as 2024-3-5 is bound as a padded date.
    const QDate start(2024, 3, 5);
    QCOMPARE(
        column(m_db, "select EventDate from kx_InAndOut where EventDate>=? order by id", {start}),
        QStringList({"2024-03-05", "2024-03-05 10:00:00", "2024-12-31"}));
}

void TestSchema::periodAndBalanceFiltersUseIndexes_data() {
    QTest::addColumn<QString>("query");
    QTest::newRow("period list") << "select * from kx_InAndOut where EventDate>=? and "
                                    "EventDate<=?";
    QTest::newRow("account balance") << "select sum(FundsNum) from kx_InAndOut where "
                                        "FundsType=? and Account=?";
    QTest::newRow("transfers out") << "select sum(FundsNum) from kx_Transfer where "
                                      "outFundsType=? and outAccount=?";
    QTest::newRow("transfers in") << "select sum(FundsNum) from kx_Transfer where "
                                     "inFundsType=? and inAccount=?";
    QTest::newRow("loans") << "select sum(FundsNum) from kx_Borrow where FundsType=? and "
                              "Account=?";
    QTest::newRow("lookup list") << "select keyvalue from kx_hash where keyname=? order by seqid";
    QTest::newRow("checkpoint") << "select max(id) from kx_card_duizhang where cardid=?";
    QTest::newRow("login") << "select UserId, LogPwd from kx_user where LogName=?";
}

void TestSchema::periodAndBalanceFiltersUseIndexes() {
    QFETCH(QString, query);
    QStringList plan;
    Statement st(m_db, "explain query plan " + query,
                 QVariantList(query.count('?'), QVariant("x")));
    while (st.next())
        plan << st.text(st.columnCount() - 1);
    QVERIFY2(plan.join(' ').contains("INDEX"), qPrintable(plan.join(" | ")));
}

void TestSchema::builtTemplateIsKeyedAndComplete() {
    const QString path = builtTemplate();
    QVERIFY2(QFile::exists(path), qPrintable(path + " was not built"));
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(!raw.read(16).startsWith("SQLite format 3")); // encrypted, no plain header
    Db db;
    QString error;
    QVERIFY2(db.open(path, kDatabaseKey, &error), qPrintable(error));
    QStringList tables =
        column(db, "select name from sqlite_master where type='table' and name like 'kx%'");
    tables.sort(Qt::CaseInsensitive);
    QCOMPARE(tables, kTables);
    QCOMPARE(column(db, "select count(*) from sqlite_master where sql like '%AUTOINCREMENT%'"),
             QStringList{"7"});
    // The template's definitions are the schema's.
    QCOMPARE(column(db, "select sql from sqlite_master where sql is not null order by name"),
             column(m_db, "select sql from sqlite_master where sql is not null order by name"));
    for (const QString &table : kTables)
        QCOMPARE(column(db, "select count(*) from " + table), QStringList{"0"});
}

void TestSchema::builtTemplateNeedsTheKeyOnTheCommandLine() {
    const QString path = builtTemplate();
    const QString sqlite = QStandardPaths::findExecutable("sqlite3");
    const QString sqlcipher = QStandardPaths::findExecutable("sqlcipher");
    if (sqlite.isEmpty() && sqlcipher.isEmpty())
        QSKIP("neither sqlite3 nor sqlcipher is installed");
    if (!sqlite.isEmpty()) {
        QProcess plain;
        plain.start(sqlite, {path, ".tables"});
        QVERIFY(plain.waitForFinished(10000));
        QVERIFY(plain.exitCode() != 0);
        QVERIFY(plain.readAllStandardError().contains("not a database"));
    }
    if (!sqlcipher.isEmpty()) {
        QProcess keyed;
        keyed.start(sqlcipher,
                    {path, "PRAGMA key='plovk'; SELECT name FROM sqlite_master WHERE "
                           "type='table' AND name LIKE 'kx%' ORDER BY name COLLATE NOCASE;"});
        QVERIFY(keyed.waitForFinished(10000));
        QCOMPARE(keyed.exitCode(), 0);
        QStringList listed =
            QString::fromUtf8(keyed.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        listed.removeAll("ok"); // some versions answer the key pragma
        QCOMPARE(listed, kTables);
    }
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
