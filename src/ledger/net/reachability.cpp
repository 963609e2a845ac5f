#include "ledger/net/reachability.h"

#include "ledger/core/webpane.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

namespace ledger {

namespace {

// One address test: a GET judged by its status line, then, when that fails, a HEAD that must
// complete without error. Each step ends after timeoutMs at the latest.
class ReachProbe : public QObject {
public:
    ReachProbe(const QUrl &url, QObject *context, std::function<void(bool)> done, int timeoutMs)
        : QObject(context), m_url(url), m_done(std::move(done)), m_timeoutMs(timeoutMs) {
        if (frmDM) {
            m_manager = frmDM->IdHTTP1();
        } else {
            m_manager = new QNetworkAccessManager(this);
        }
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_reply)
                m_reply->abort(); // finishes the reply with an error
            else
                report(false); // the client went away with its replies
        });
    }

    ~ReachProbe() override {
        if (m_reply) {
            m_reply->disconnect(this);
            m_reply->abort();
            m_reply->deleteLater();
        }
    }

    void start() {
        QNetworkRequest request = TfrmDM::makeRequest(m_url, m_timeoutMs);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        m_reply = m_manager->get(request);
        // The status line decides; the body is not needed.
        connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
            if (statusOk())
                finishGet(true);
        });
        connect(m_reply, &QNetworkReply::finished, this, [this] { finishGet(statusOk()); });
        m_timer.start(m_timeoutMs);
    }

private:
    bool statusOk() const {
        const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return status.isValid() && (status.toInt() == 200 || status.toInt() == 302);
    }

    void dropReply() {
        m_timer.stop();
        QNetworkReply *reply = m_reply.data();
        m_reply = nullptr;
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }

    void finishGet(bool ok) {
        if (!m_reply)
            return;
        dropReply();
        if (ok) {
            report(true);
            return;
        }
        QNetworkRequest request = TfrmDM::makeRequest(m_url, m_timeoutMs);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        m_reply = m_manager->head(request);
        connect(m_reply, &QNetworkReply::finished, this, [this] {
            const bool headOk = m_reply->error() == QNetworkReply::NoError;
            dropReply();
            report(headOk);
        });
        m_timer.start(m_timeoutMs);
    }

    void report(bool ok) {
        auto done = std::move(m_done);
        deleteLater();
        if (done)
            done(ok);
    }

    QUrl m_url;
    std::function<void(bool)> m_done;
    int m_timeoutMs;
    QNetworkAccessManager *m_manager = nullptr;
    QPointer<QNetworkReply> m_reply;
    QTimer m_timer;
};

} // namespace

void urlReachable(const QString &url, QObject *context, std::function<void(bool)> done,
                  int timeoutMs) {
    const QUrl address = QUrl::fromUserInput(url);
    if (!address.isValid() || address.host().isEmpty()) {
        QTimer::singleShot(0, context, [done = std::move(done)] {
            if (done)
                done(false);
        });
        return;
    }
    auto *probe = new ReachProbe(address, context, std::move(done), timeoutMs);
    probe->start();
}

void navigateWithFallback(WebPane *pane, const QString &url, const QString &fallbackFile,
                          QObject *context) {
    if (!pane)
        return;
    const QUrl address = QUrl::fromUserInput(url);
    const bool isAddress = fallbackFile.contains(QStringLiteral("://")) ||
                           fallbackFile.startsWith(QStringLiteral("about:"));
    const QUrl fallback = isAddress ? QUrl(fallbackFile) : QUrl::fromLocalFile(fallbackFile);
    urlReachable(url, context, [pane, address, fallback](bool reachable) {
        pane->navigate(reachable ? address : fallback);
    });
}

} // namespace ledger
