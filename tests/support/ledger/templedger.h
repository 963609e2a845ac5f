#pragma once

#include "ledger/app/paths.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QTemporaryDir>
#include <QVariant>
#include <memory>

namespace ledger::test {

// A throw-away ledger laid out like the installed program (bin/, Data/, other/1.html).
// Layout::Opened also runs a TfrmDM (the global frmDM) on it; the destructor deletes the data
// module and clears the current-user globals.
class TempLedger {
public:
    enum class Layout { Folders, TemplateOnly, Opened };

    explicit TempLedger(Layout layout = Layout::Opened);
    ~TempLedger();
    TempLedger(const TempLedger &) = delete;
    TempLedger &operator=(const TempLedger &) = delete;

    bool isOpen() const { return m_dm && m_dm->adoConn().isOpen(); }
    QString error() const { return m_error; }
    const DataPaths &paths() const { return m_paths; }

    // Creates the data module and runs DataModuleCreate(), messages recorded, not shown.
    TfrmDM::OpenResult createDataModule(QStringList *messages = nullptr);
    TfrmDM *dataModule() const { return m_dm.get(); }
    Db &db();

    int addUser(const QString &logName, const QString &password);
    void login(int userId); // currentUserId and currentLogName as a login leaves them
    QVariant scalar(const QString &sql, const QVariantList &params = {});
    int rowCount(const QString &table);

    // A keyed database file with the ledger's tables (the program's key unless given).
    static bool makeLedgerFile(const QString &path, QString *error = nullptr,
                               const QByteArray &key = QByteArray());

private:
    QTemporaryDir m_dir;
    DataPaths m_paths;
    std::unique_ptr<TfrmDM> m_dm;
    QString m_error;
};

} // namespace ledger::test
