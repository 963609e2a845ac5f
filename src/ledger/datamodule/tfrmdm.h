#pragma once

#include "ledger/app/paths.h"
#include "ledger/data/db.h"

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkRequest;
class QUrl;

namespace ledger {

// The data module: owns the one database connection and the HTTP client for the whole run.
class TfrmDM : public QObject {
    Q_OBJECT
public:
    enum class OpenResult { Opened, DatabaseMissing, ConnectionFailed };

    explicit TfrmDM(const DataPaths &paths, QObject *parent = nullptr);
    ~TfrmDM() override;

    // Finds or creates the database file (a copy of the template that opens, never replacing
    // a ledger) and connects; a file that is there is never changed or removed. Template copies
    // that ended processes left are removed first, ones under way in other instances kept. Shows
    // "数据库文件不存在。" or the connection-failure message through the prompter on failure;
    // the caller ends the program then.
    OpenResult DataModuleCreate();

    Db &adoConn() { return m_conn; }
    // Throws DbError (Replaced) when another instance's restore has replaced the open ledger's
    // file since it was opened, telling ledgerReplaced first; nothing when no ledger is open.
    void requireLedgerInPlace();
    QNetworkAccessManager *IdHTTP1() const { return m_http; }
    // A request carrying the client's fixed headers and transfer time-out.
    QNetworkRequest request(const QUrl &url) const;
    static QNetworkRequest makeRequest(const QUrl &url, int timeoutMs = kHttpTimeoutMs);
    static constexpr int kHttpTimeoutMs = 5000;
    const DataPaths &paths() const { return m_paths; }

    static QString connectionFailedText();

signals:
    // The open ledger was found replaced: nothing read through it is the ledger any more.
    void ledgerReplaced();

private:
    DataPaths m_paths;
    Db m_conn;
    QNetworkAccessManager *m_http = nullptr;
};

// The global instance, set while a TfrmDM exists.
extern TfrmDM *frmDM;

// The data module's open connection; throws DbError: NoConnection when there is none,
// Replaced when its file is no longer the ledger (requireLedgerInPlace).
Db &ledgerDb();
// frmDM->requireLedgerInPlace() while there is a data module; nothing otherwise.
void requireLedgerInPlace();

} // namespace ledger
