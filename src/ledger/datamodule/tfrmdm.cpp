#include "ledger/datamodule/tfrmdm.h"

#include "common/atomicwrite.h"
#include "ledger/core/prompter.h"
#include "ledger/data/ledgerschemacheck.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkRequest>
#include <QUrl>

namespace ledger {

TfrmDM *frmDM = nullptr;

TfrmDM::TfrmDM(const DataPaths &paths, QObject *parent)
    : QObject(parent), m_paths(paths), m_http(new QNetworkAccessManager(this)) {
    m_http->setCookieJar(new QNetworkCookieJar(m_http));
    frmDM = this;
}

TfrmDM::~TfrmDM() {
    m_conn.close();
    if (frmDM == this)
        frmDM = nullptr;
}

TfrmDM::OpenResult TfrmDM::DataModuleCreate() {
    // What template copies cut short by an ended process left; not the copies under way.
    common::removeAbandonedCopies(m_paths.databaseFile);
    if (!QFileInfo::exists(m_paths.databaseFile)) {
        if (!QFileInfo::exists(m_paths.templateFile)) {
            showInfo(QStringLiteral("数据库文件不存在。"));
            return OpenResult::DatabaseMissing;
        }
        // The copy is opened before it takes the ledger's name, so a broken template leaves no
        // ledger behind; a ledger another instance made meanwhile is kept and opened.
        const auto opens = [](const QString &copy) {
            Db db;
            QString error;
            if (openLedger(db, copy, QByteArray(kDatabaseKey), &error))
                return true;
            qWarning("the template's copy %s cannot be opened: %s", qPrintable(copy),
                     qPrintable(error));
            return false;
        };
        QString error;
        if (common::copyFileToNewName(m_paths.templateFile, m_paths.databaseFile, opens, &error) ==
            common::NewFileCopy::Failed) {
            qWarning("template copy to %s failed: %s", qPrintable(m_paths.databaseFile),
                     qPrintable(error));
            showInfo(connectionFailedText());
            return OpenResult::ConnectionFailed;
        }
    }
    QString error;
    if (!openLedger(m_conn, m_paths.databaseFile, QByteArray(kDatabaseKey), &error)) {
        qWarning("cannot open %s: %s", qPrintable(m_paths.databaseFile), qPrintable(error));
        showInfo(connectionFailedText());
        return OpenResult::ConnectionFailed;
    }
    return OpenResult::Opened;
}

void TfrmDM::requireLedgerInPlace() {
    try {
        m_conn.requireFileInPlace();
    } catch (const DbError &) {
        emit ledgerReplaced();
        throw;
    }
}

Db &ledgerDb() {
    if (!frmDM || !frmDM->adoConn().isOpen())
        throw DbError(QStringLiteral("no open ledger"), DbError::Code::NoConnection);
    frmDM->requireLedgerInPlace();
    return frmDM->adoConn();
}

void requireLedgerInPlace() {
    if (frmDM)
        frmDM->requireLedgerInPlace();
}

QNetworkRequest TfrmDM::request(const QUrl &url) const {
    return makeRequest(url);
}

QNetworkRequest TfrmDM::makeRequest(const QUrl &url, int timeoutMs) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/html"));
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Mozilla/5.0 (compatible; Kexbora ledger)"));
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Automatic);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Automatic);
    return request;
}

QString TfrmDM::connectionFailedText() {
    return QStringLiteral("数据库连接失败,请与开发者(kexbora@users.example)联系!");
}

} // namespace ledger
