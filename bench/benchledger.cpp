#include "benchledger.h"

#include "ledger/app/paths.h"
#include "ledger/data/schema.h"

#include <QDir>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace ledger::bench {

namespace {

class GeneratedLedger {
public:
    explicit GeneratedLedger(const std::function<void(Db &)> &fill) {
        QDir(m_dir.path()).mkpath(QStringLiteral("bin"));
        QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
        m_paths = DataPaths::fromProgramDir(m_dir.path() + QStringLiteral("/bin/"));
        Db db;
        QString error;
        if (!db.create(m_paths.databaseFile, kDatabaseKey, &error))
            qFatal("cannot create ledger: %s", qPrintable(error));
        createSchema(db);
        Transaction transaction(db);
        fill(db);
        transaction.commit();
        db.close();
    }
    const DataPaths &paths() const { return m_paths; }

private:
    QTemporaryDir m_dir;
    DataPaths m_paths;
};

} // namespace

TfrmDM &openLedger(const QString &name, const std::function<void(Db &)> &fill) {
    static std::map<QString, std::unique_ptr<GeneratedLedger>> ledgers;
    static std::unique_ptr<TfrmDM> module;
    static QString openName;
    if (!module || openName != name) {
        module.reset();
        auto &ledger = ledgers[name];
        if (!ledger)
            ledger = std::make_unique<GeneratedLedger>(fill);
        module = std::make_unique<TfrmDM>(ledger->paths());
        if (module->DataModuleCreate() != TfrmDM::OpenResult::Opened)
            qFatal("cannot open generated ledger");
        openName = name;
    }
    return *module;
}

namespace {

// `rows` income rows over the last ten years plus a tenth as many expense rows.
void fillIncome(Db &db, int rows) {
    static const char *const staff[] = {"张三", "李四", "王五", "赵六"};
    static const char *const items[] = {"工资", "奖金", "利息", "兼职", "报销"};
    static const char *const forms[] = {"现金", "CCB", "ICBC"};
    const QDate first = QDate::currentDate().addYears(-10);
    const int total = rows + rows / 10;
    RowInserter insert(db, QStringLiteral("insert into kx_InAndOut(staffname,ProjectName,"
                                          "FundsNum,FundsType,Account,[Memo],EventDate,"
                                          "myType,UserId) values(?,?,?,?,?,?,?,?,1)"));
    for (int i = 0; i < total; ++i) {
        const bool income = i % 11 != 10;
        const int form = i % 3;
        insert.insert({QString::fromUtf8(staff[i % 4]), QString::fromUtf8(items[i % 5]),
                       double(1 + (i * 37) % 100000) / 100.0, QString::fromUtf8(forms[form]),
                       form == 0 ? QString() : QStringLiteral("6222%1").arg(i % 50),
                       i % 7 == 0 ? QStringLiteral("备注 %1, 第二项").arg(i) : QString(),
                       first.addDays((qint64(i) * 3650) / total).toString(QLatin1String(kDateFmt)),
                       income ? 1 : -1});
    }
}

} // namespace

TfrmDM &openIncomeLedger(int rows) {
    return openLedger(QStringLiteral("income-%1").arg(rows),
                      [rows](Db &db) { fillIncome(db, rows); });
}

void RowInserter::insert(const QVariantList &values) {
    if (m_statement) {
        m_statement->reset();
        m_statement->bindAll(values);
    } else {
        m_statement.emplace(m_db, m_sql, values);
    }
    m_statement->next();
}

} // namespace ledger::bench
