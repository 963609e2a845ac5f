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

    void periodFilterComparesPaddedDates() {
        for (const char *date : {"2024-03-04", "2024-03-05", "2024-03-05 10:00:00", "2024-12-31"})
            m_db.exec("insert into kx_InAndOut(FundsNum, EventDate) values(1, ?)", {date});
        QCOMPARE(column(m_db, "select EventDate from kx_InAndOut where EventDate>=? order by id",
                        {QDate(2024, 3, 5)}),
                 QStringList({"2024-03-05", "2024-03-05 10:00:00", "2024-12-31"}));
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
            if (table != "kx_hash")
                QCOMPARE(column(db, "select count(*) from " + table), QStringList{"0"});
        // Starting choice lists, none for the people; the account types without cash.
        QCOMPARE(column(db, "select keyname || count(*) from kx_hash group by keyname order by 1"),
                 QStringList({"CardCompany7", "FundsType3", "IncomeType5", "OutType9"}));
        QCOMPARE(
            column(db, "select keyvalue from kx_hash where keyname='FundsType' order by seqid"),
            QStringList({"储蓄卡", "信用卡", "存折"}));
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
