#include "support/ledger/loopbackserver.h"

#include <QTcpSocket>

namespace ledger::test {

LoopbackServer::LoopbackServer() {
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
    m_server.listen(QHostAddress::LocalHost);
}

QString LoopbackServer::base() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

QString LoopbackServer::closedBase() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("127.0.0.1:%1").arg(port);
}

void LoopbackServer::serve(QTcpSocket *socket) {
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.clear();
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    const QByteArray method = first.value(0);
    const QByteArray path = first.value(1);
    requests << QString::fromLatin1(method + ' ' + path);
    for (const QByteArray &line : lines) {
        if (line.toLower().startsWith("user-agent:"))
            userAgents << line.mid(11).trimmed();
    }
    Answer answer{"200 OK", "ok"};
    if (answers.contains(path))
        answer = answers.value(path);
    else if (path == "/silent")
        answer.status.clear();
    else if (path == "/moved")
        answer.status = "302 Found\r\nLocation: /missing";
    else if (path == "/missing")
        answer.status = "404 Not Found";
    else if (path == "/getfails" && method != "HEAD")
        answer.status = "500 Internal Server Error";
    if (answer.status.isEmpty())
        return;
    socket->write("HTTP/1.1 " + answer.status + "\r\nContent-Type: text/html\r\nContent-Length: " +
                  QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n");
    if (method != "HEAD")
        socket->write(answer.body);
    socket->disconnectFromHost();
}

} // namespace ledger::test
