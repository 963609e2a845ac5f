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
