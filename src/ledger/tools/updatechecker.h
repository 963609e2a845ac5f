#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

namespace ledger {

// Asks the developer's web server for the newest version ("/setup/new.txt", whose first line is
// the packed version number) without blocking the window. Every kind of failure (no network, an
// HTTP error, no answer within the time-out, a line that is no number) ends as Failed.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    enum class Result { Newer, Current, Failed };

    UpdateChecker(QNetworkAccessManager *http, QObject *parent = nullptr);
    ~UpdateChecker() override;

    void setTimeout(int ms) { m_timeoutMs = ms; }
    // Starts a check of host (e.g. "http://www.kexbora.example") against the local packed
    // version; finished() follows. False, and nothing starts, while a check is running.
    bool check(const QString &host, qint64 localVersion);
    bool isRunning() const { return !m_reply.isNull(); }

    // The answer of a server body (an empty body counts as current, as before).
    static Result judge(const QByteArray &body, qint64 localVersion);

signals:
    void finished(ledger::UpdateChecker::Result result);

private:
    void done(Result result);

    QNetworkAccessManager *m_http;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    qint64 m_local = 0;
    int m_timeoutMs;
};

} // namespace ledger
