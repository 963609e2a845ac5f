#include "support/ledger/templedger.h"

#include "ledger/core/currentuser.h"
#include "ledger/crypto/des.h"
#include "ledger/data/schema.h"
#include "support/ledger/recordingprompter.h"

#include <QDir>
#include <QFile>

namespace ledger::test {

TempLedger::TempLedger(Layout layout) {
    const QDir root(m_dir.path());
    if (!m_dir.isValid() || !root.mkpath("bin") || !root.mkpath("Data") || !root.mkpath("other")) {
        m_error = QStringLiteral("cannot make the program folders");
        return;
    }
    m_paths = DataPaths::fromProgramDir(root.filePath(QStringLiteral("bin")));
    QFile page(m_paths.fallbackPage);
    if (!page.open(QIODevice::WriteOnly) || page.write("<html><body>Kexbora</body></html>\n") < 0) {
        m_error = QStringLiteral("cannot write ") + m_paths.fallbackPage;
        return;
    }
    page.close();
    if (layout == Layout::Folders || !makeLedgerFile(m_paths.templateFile, &m_error))
        return;
    QStringList messages;
    if (layout == Layout::Opened && createDataModule(&messages) != TfrmDM::OpenResult::Opened)
        m_error = QStringLiteral("DataModuleCreate failed: ") + messages.join(QLatin1Char(' '));
}

TempLedger::~TempLedger() {
    m_dm.reset();
    currentUserId = 0;
    currentLogName.clear();
}

TfrmDM::OpenResult TempLedger::createDataModule(QStringList *messages) {
    m_dm.reset();
    ScopedPrompter prompter;
    m_dm = std::make_unique<TfrmDM>(m_paths);
    const TfrmDM::OpenResult result = m_dm->DataModuleCreate();
    if (messages)
        *messages = prompter->texts();
    return result;
}

Db &TempLedger::db() {
    if (!m_dm)
        throw DbError(QStringLiteral("the temporary ledger has no data module"),
                      DbError::Code::NoConnection);
    return m_dm->adoConn();
}

int TempLedger::addUser(const QString &logName, const QString &password) {
    db().exec(QStringLiteral("insert into kx_user(LogName, LogPwd) values(?, ?)"),
              {logName, desEncryptHex(logName + password, QString::fromLatin1(kPasswordKey))});
    return int(db().lastInsertId());
}

void TempLedger::login(int userId) {
    currentUserId = userId;
    currentLogName =
        scalar(QStringLiteral("select LogName from kx_user where UserId=?"), {userId}).toString();
}

QVariant TempLedger::scalar(const QString &sql, const QVariantList &params) {
    Statement statement(db(), sql, params);
    return statement.next() ? statement.value(0) : QVariant();
}

int TempLedger::rowCount(const QString &table) {
    return scalar(QStringLiteral("select count(*) from ") + table).toInt();
}

bool TempLedger::makeLedgerFile(const QString &path, QString *error, const QByteArray &key) {
    Db db;
    if (!db.create(path, key.isEmpty() ? QByteArray(kDatabaseKey) : key, error))
        return false;
    try {
        createSchema(db);
    } catch (const DbError &e) {
        if (error)
            *error = QString::fromStdString(e.what());
        return false;
    }
    return true;
}

} // namespace ledger::test
