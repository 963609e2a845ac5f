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
    QByteArray status = "200 OK";
    QByteArray body = "ok";
    if (answers.contains(path)) {
        status = answers.value(path).status;
        body = answers.value(path).body;
        if (status.isEmpty())
            return;
    } else if (path == "/silent")
        return;
    else if (path == "/moved")
        status = "302 Found\r\nLocation: /missing";
    else if (path == "/missing")
        status = "404 Not Found";
    else if (path == "/getfails" && method != "HEAD")
        status = "500 Internal Server Error";
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n");
    if (method != "HEAD")
        socket->write(body);
    socket->disconnectFromHost();
}

} // namespace ledger::test
