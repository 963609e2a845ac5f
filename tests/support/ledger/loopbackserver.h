#pragma once

#include <QHash>
#include <QStringList>
#include <QTcpServer>

namespace ledger::test {

// A tiny HTTP server on 127.0.0.1. The path decides the answer: one set in answers, else
// /moved 302, /missing 404, /getfails 500 to GET but 200 to HEAD, /silent nothing at all,
// anything else 200.
class LoopbackServer : public QObject {
public:
    struct Answer {
        QByteArray status = "200 OK"; // empty: never answer
        QByteArray body;
    };
    LoopbackServer();
    bool listening() const { return m_server.isListening(); }
    QString base() const;        // "127.0.0.1:port"
    static QString closedBase(); // an address on this machine where nothing listens

    QStringList requests; // "METHOD /path"
    QList<QByteArray> userAgents;
    QHash<QByteArray, Answer> answers; // by path

private:
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace ledger::test
