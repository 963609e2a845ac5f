#pragma once

// A throw-away ledger laid out like the installed program, for tests that need a real database.
//
//     ledger::test::ScopedPrompter prompter;        // messages are recorded, never shown
//     ledger::test::TempLedger ledger;              // bin/, Data/init.db, Data/Kexbora.db, other/
//     QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
//     const int id = ledger.addUser("admin", "123456");
//     ledger.login(id);                             // sets currentUserId and currentLogName
//     ... drive the widgets ...
//     QCOMPARE(ledger.scalar("select count(*) from kx_InAndOut where UserId=?", {id}).toInt(), 1);
//
// Layout::Opened (the default) creates a TfrmDM on the folder (the global frmDM) and runs its
// DataModuleCreate(); TemplateOnly and Folders leave that to the test (dataModule() then is
// null until createDataModule()). The destructor deletes the data module and clears the
// current-user globals.

#include "ledger/app/paths.h"
#include "ledger/data/tfrmdm.h"

#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <memory>

namespace ledger::test {

class TempLedger {
public:
    enum class Layout {
        Folders,      // bin/, Data/ and other/1.html only
        TemplateOnly, // plus Data/init.db made from the schema
        Opened,       // plus a TfrmDM that has opened Data/Kexbora.db
    };

    explicit TempLedger(Layout layout = Layout::Opened);
    ~TempLedger();
    TempLedger(const TempLedger &) = delete;
    TempLedger &operator=(const TempLedger &) = delete;

    bool isValid() const { return m_error.isEmpty(); }
    bool isOpen() const;
    QString error() const { return m_error; }
    QString root() const { return m_dir.path(); }
    const DataPaths &paths() const { return m_paths; }

    // Creates the data module on the folder and runs DataModuleCreate() with the messages
    // recorded (not shown); the result and messages are returned.
    TfrmDM::OpenResult createDataModule(QStringList *messages = nullptr);
    TfrmDM *dataModule() const { return m_dm.get(); }
    Db &db(); // the data module's connection

    // Rows and values.
    int addUser(const QString &logName, const QString &password);
    void login(int userId); // currentUserId and currentLogName as a login leaves them
    QVariant scalar(const QString &sql, const QVariantList &params = {});
    int rowCount(const QString &table);

    // A keyed database file with the ledger's tables (key: the program's, unless given).
    static bool makeLedgerFile(const QString &path, QString *error = nullptr,
                               const QByteArray &key = QByteArray());

private:
    QTemporaryDir m_dir;
    DataPaths m_paths;
    std::unique_ptr<TfrmDM> m_dm;
    QString m_error;
};

} // namespace ledger::test
