#include "benchledger.h"

#include "ledger/data/db.h"
#include "ledger/data/schema.h"

#include <QDir>
#include <map>
#include <memory>
#include <optional>

using namespace ledger;

namespace bench {

GeneratedLedger::GeneratedLedger(int rows) {
    QDir(m_dir.path()).mkpath(QStringLiteral("bin"));
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    m_paths = DataPaths::fromProgramDir(m_dir.path() + QStringLiteral("/bin/"));
    Db db;
    QString error;
    if (!db.create(m_paths.databaseFile, kDatabaseKey, &error))
        qFatal("cannot create ledger: %s", qPrintable(error));
    createSchema(db);
    static const char *const staff[] = {"张三", "李四", "王五", "赵六"};
    static const char *const items[] = {"工资", "奖金", "利息", "兼职", "报销"};
    static const char *const forms[] = {"现金", "CCB", "ICBC"};
    const QDate first = QDate::currentDate().addYears(-10);
    Transaction transaction(db);
    const int total = rows + rows / 10;
    const QString sql = QStringLiteral("insert into kx_InAndOut(staffname,ProjectName,FundsNum,"
                                       "FundsType,Account,[Memo],EventDate,myType,UserId) "
                                       "values(?,?,?,?,?,?,?,?,1)");
    std::optional<Statement> insert;
    for (int i = 0; i < total; ++i) {
        const bool income = i % 11 != 10;
        const int form = i % 3;
        const QVariantList values = {QString::fromUtf8(staff[i % 4]),
                                     QString::fromUtf8(items[i % 5]),
                                     double(1 + (i * 37) % 100000) / 100.0,
                                     QString::fromUtf8(forms[form]),
                                     form == 0 ? QString() : QStringLiteral("6222%1").arg(i % 50),
                                     i % 7 == 0 ? QStringLiteral("备注 %1, 第二项").arg(i)
                                                : QString(),
                                     first.addDays((qint64(i) * 3650) / total).toString(kDateFmt),
                                     income ? 1 : -1};
        if (insert) {
            insert->reset();
            insert->bindAll(values);
        } else {
            insert.emplace(db, sql, values);
        }
        insert->next();
    }
    transaction.commit();
    db.close();
}

TfrmDM &openLedger(int rows) {
    static std::map<int, std::unique_ptr<GeneratedLedger>> ledgers;
    static std::unique_ptr<TfrmDM> module;
    static int openRows = -1;
    if (openRows != rows) {
        module.reset();
        auto &ledger = ledgers[rows];
        if (!ledger)
            ledger = std::make_unique<GeneratedLedger>(rows);
        module = std::make_unique<TfrmDM>(ledger->paths());
        if (module->DataModuleCreate() != TfrmDM::OpenResult::Opened)
            qFatal("cannot open generated ledger");
        openRows = rows;
    }
    return *module;
}

} // namespace bench
