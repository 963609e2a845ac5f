#include "ledger/app/paths.h"
#include "ledger/data/db.h"
#include "ledger/data/schema.h"

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
const char kTableQuery[] = "select name from sqlite_master where type='table' and name like 'kx%' "
                           "order by name collate nocase";

QString builtTemplate() {
    return QCoreApplication::applicationDirPath() + "/../../Data/" + kTemplateFileName;
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    Db m_db;

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_db.create(m_dir->filePath("s.db"), kDatabaseKey));
        createSchema(m_db);
    }
    void cleanup() {
        m_db.close();
        m_dir.reset();
    }

    void countersNeverReuseIds() {
        QCOMPARE(column(m_db, kTableQuery), kTables);
        for (const QString &table : kTables) {
            QString key;
            for (Statement info(m_db, "pragma table_info(" + table + ")"); info.next();) {
                if (info.integer("pk") == 1)
                    key = info.text("name");
            }
            QVERIFY2(!key.isEmpty(), qPrintable(table));
            for (int i = 0; i < 3; ++i)
                m_db.exec("insert into " + table + " default values");
            m_db.exec("delete from " + table + " where " + key + "=3");
            m_db.exec("insert into " + table + " default values");
            QCOMPARE(m_db.lastInsertId(), qint64(4));
        }
    }

    void defaults() {
        for (const char *table : {"kx_InAndOut", "kx_Transfer", "kx_Borrow"}) {
            m_db.exec(
                QString("insert into %1(FundsNum, EventDate) values(5, '2024-01-01')").arg(table));
            QCOMPARE(column(m_db, QString("select IsValid from %1").arg(table)), QStringList{"1"});
        }
        const QString before = QDate::currentDate().toString(kDateFmt);
        m_db.exec("insert into kx_Card(Account) values(?)", {"1"});
        m_db.exec("insert into kx_card_duizhang(cardid) values(?)", {1});
        const QString after = QDate::currentDate().toString(kDateFmt);
        for (const QString &date : column(m_db, "select eventDate from kx_Card union all "
                                                "select eventDate from kx_card_duizhang"))
            QVERIFY2(date == before || date == after, qPrintable(date));
        QCOMPARE(column(m_db, "select IsValid is null from kx_Card"), QStringList{"1"});
    }

    void comparedTextIgnoresCase() {
        m_db.exec("insert into kx_user(LogName, LogPwd) values(?, ?)", {"admin", "X"});
        m_db.exec("insert into kx_Card(FundsType, Account) values(?, ?)", {"Visa", "ab12"});
        m_db.exec("insert into kx_hash(keyname, keyvalue) values('FundsType', 'Card')");
        m_db.exec("insert into kx_hash(keyname, keyvalue) values('fundstype', 'CARD')");
        QCOMPARE(column(m_db, "select count(*) from kx_user where LogName=?", {"ADMIN"}),
                 QStringList{"1"});
        QCOMPARE(column(m_db, "select count(*) from kx_Card where FundsType=? and Account=?",
                        {"VISA", "AB12"}),
                 QStringList{"1"});
        QCOMPARE(column(m_db, "select count(distinct keyvalue) from kx_hash where keyname=?",
                        {"FUNDSTYPE"}),
                 QStringList{"1"});
        // Passwords are compared exactly.
        QCOMPARE(column(m_db, "select count(*) from kx_user where LogPwd=?", {"x"}),
                 QStringList{"0"});
    }

    void periodFilterComparesPaddedDates() {
        for (const char *date : {"2024-03-04", "2024-03-05", "2024-03-05 10:00:00", "2024-12-31"})
            m_db.exec("insert into kx_InAndOut(FundsNum, EventDate) values(1, ?)", {date});
        QCOMPARE(column(m_db, "select EventDate from kx_InAndOut where EventDate>=? order by id",
                        {QDate(2024, 3, 5)}),
                 QStringList({"2024-03-05", "2024-03-05 10:00:00", "2024-12-31"}));
    }

    void filtersUseIndexes_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("period") << "kx_InAndOut where EventDate>=? and EventDate<=?";
        QTest::newRow("balance") << "kx_InAndOut where FundsType=? and Account=?";
        QTest::newRow("out") << "kx_Transfer where outFundsType=? and outAccount=?";
        QTest::newRow("in") << "kx_Transfer where inFundsType=? and inAccount=?";
        QTest::newRow("loans") << "kx_Borrow where FundsType=? and Account=?";
        QTest::newRow("lookup") << "kx_hash where keyname=? order by seqid";
        QTest::newRow("checkpoint") << "kx_card_duizhang where cardid=?";
        QTest::newRow("login") << "kx_user where LogName=?";
    }
    void filtersUseIndexes() {
        QFETCH(QString, where);
        QStringList plan;
        Statement st(m_db, "explain query plan select * from " + where,
                     QVariantList(where.count('?'), "x"));
        while (st.next())
            plan << st.text(st.columnCount() - 1);
        QVERIFY2(plan.join(' ').contains("INDEX"), qPrintable(plan.join(" | ")));
    }

    void builtTemplateIsKeyedAndComplete() {
        const QString path = builtTemplate();
        QFile raw(path);
        QVERIFY2(raw.open(QIODevice::ReadOnly), qPrintable(path + " was not built"));
        QVERIFY(!raw.read(16).startsWith("SQLite format 3"));
        Db db;
        QString error;
        QVERIFY2(db.open(path, kDatabaseKey, &error), qPrintable(error));
        QCOMPARE(column(db, "select sql from sqlite_master where sql is not null order by name"),
                 column(m_db, "select sql from sqlite_master where sql is not null order by name"));
        for (const QString &table : kTables)
            QCOMPARE(column(db, "select count(*) from " + table), QStringList{"0"});
    }

    void builtTemplateNeedsTheKeyOnTheCommandLine() {
        const QString sqlite = QStandardPaths::findExecutable("sqlite3");
        const QString sqlcipher = QStandardPaths::findExecutable("sqlcipher");
        if (sqlite.isEmpty() || sqlcipher.isEmpty())
            QSKIP("sqlite3 and sqlcipher are both needed");
        QProcess plain;
        plain.start(sqlite, {builtTemplate(), ".tables"});
        QVERIFY(plain.waitForFinished(10000));
        QVERIFY(plain.exitCode() != 0);
        QVERIFY(plain.readAllStandardError().contains("not a database"));
        QProcess keyed;
        keyed.start(sqlcipher, {builtTemplate(), "PRAGMA key='plovk'; " + QString(kTableQuery)});
        QVERIFY(keyed.waitForFinished(10000));
        QCOMPARE(keyed.exitCode(), 0);
        QStringList listed =
            QString::fromUtf8(keyed.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        listed.removeAll("ok"); // some versions answer the key pragma
        QCOMPARE(listed, kTables);
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
