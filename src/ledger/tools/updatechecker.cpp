#include "ledger/tools/updatechecker.h"

#include "ledger/datamodule/tfrmdm.h"
#include "ledger/tools/versionnumber.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

namespace ledger {

namespace {
// The version text is one short line; a longer answer is not one.
constexpr qint64 kMaxBodyBytes = 64 * 1024;
} // namespace

UpdateChecker::UpdateChecker(QNetworkAccessManager *http, QObject *parent)
    : QObject(parent), m_http(http), m_timeoutMs(TfrmDM::kHttpTimeoutMs) {
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            m_reply->abort(); // finishes the reply with an error
    });
}

UpdateChecker::~UpdateChecker() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

bool UpdateChecker::check(const QString &host, qint64 localVersion) {
    if (isRunning())
        return false;
    m_local = localVersion;
    const QUrl url(host + QStringLiteral("/setup/new.txt"));
    QNetworkRequest request = TfrmDM::makeRequest(url, m_timeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    m_reply = m_http->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kMaxBodyBytes)
            m_reply->abort();
    });
    connect(m_reply, &QNetworkReply::finished, this, [this] {
        QNetworkReply *reply = m_reply.data();
        const bool ok = reply->error() == QNetworkReply::NoError;
        done(ok ? judge(reply->readAll(), m_local) : Result::Failed);
    });
    // The transfer time-out restarts with every byte; this one bounds the whole check.
    m_deadline.start(m_timeoutMs);
    return true;
}

UpdateChecker::Result UpdateChecker::judge(const QByteArray &body, qint64 localVersion) {
    if (body.isEmpty())
        return Result::Current;
    qint64 remote = 0;
    if (!parseVersionNumber(body, &remote) || localVersion < 0)
        return Result::Failed;
    return localVersion < remote ? Result::Newer : Result::Current;
}

void UpdateChecker::done(Result result) {
    m_deadline.stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    emit finished(result);
}

} // namespace ledger
