#include "ledger/datamodule/tfrmdm.h"

#include "ledger/core/files.h"
#include "ledger/core/prompter.h"

#include <QFile>
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
    bool copied = false;
    if (!QFileInfo::exists(m_paths.databaseFile)) {
        if (!QFileInfo::exists(m_paths.templateFile)) {
            showInfo(QStringLiteral("数据库文件不存在。"));
            return OpenResult::DatabaseMissing;
        }
        if (!copyFileByStream(m_paths.templateFile, m_paths.databaseFile)) {
            qWarning("template copy to %s failed", qPrintable(m_paths.databaseFile));
            showInfo(connectionFailedText());
            return OpenResult::ConnectionFailed;
        }
        copied = true;
    }
    QString error;
    if (!m_conn.open(m_paths.databaseFile, QByteArray(kDatabaseKey), &error, true)) {
        qWarning("cannot open %s: %s", qPrintable(m_paths.databaseFile), qPrintable(error));
        // A copy of a broken template must not block a repaired template next time.
        if (copied)
            QFile::remove(m_paths.databaseFile);
        showInfo(connectionFailedText());
        return OpenResult::ConnectionFailed;
    }
    return OpenResult::Opened;
}

Db &ledgerDb() {
    if (!frmDM || !frmDM->adoConn().isOpen())
        throw DbError(QStringLiteral("no open ledger"), DbError::Code::NoConnection);
    return frmDM->adoConn();
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
