#include "ledger/core/untpub.h"
#include "support/ledger/recordingwebpane.h"
#include "support/ledger/templedger.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace ledger;

namespace {

// A tiny HTTP server on 127.0.0.1. The path decides the answer:
//   /ok 200, /moved 302, /missing 404, /getfails 500 to GET but 200 to HEAD, /silent nothing.
class LoopbackServer : public QObject {
public:
    LoopbackServer() {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }
    bool listening() const { return m_server.isListening(); }
    QString base() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }
    QStringList requests; // "METHOD /path"
    QList<QByteArray> userAgents;

private:
    void serve(QTcpSocket *socket) {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> first = lines.first().trimmed().split(' ');
        const QByteArray method = first.value(0);
        const QByteArray path = first.value(1);
        requests << QString::fromLatin1(method + ' ' + path);
        for (const QByteArray &line : lines) {
            if (line.toLower().startsWith("user-agent:"))
                userAgents << line.mid(11).trimmed();
        }
        buffer.clear();
        QByteArray status;
        if (path == "/ok")
            status = "200 OK";
        else if (path == "/moved")
            status = "302 Found\r\nLocation: /missing";
        else if (path == "/getfails")
            status = method == "HEAD" ? "200 OK" : "500 Internal Server Error";
        else if (path == "/silent")
            return;
        else
            status = "404 Not Found";
        socket->write("HTTP/1.1 " + status +
                      "\r\nContent-Type: text/html\r\nContent-Length: 2\r\n"
                      "Connection: close\r\n\r\n");
        if (method != "HEAD")
            socket->write("ok");
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

struct Outcome {
    bool called = false;
    bool reachable = false;
};

} // namespace

class TestNetwork : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void statusDecidesReachability_data();
    void statusDecidesReachability();
    void headRescuesAFailedGet();
    void schemeIsAddedOnlyWhenMissing();
    void closedPortIsUnreachable();
    void silentServerTimesOutWithoutBlocking();
    void requestsCarryTheClientHeaders();
    void goneContextGetsNoAnswer();
    void navigationFallsBackToTheLocalPage();

private:
    Outcome check(const QString &url, int timeoutMs = 3000);
    std::unique_ptr<LoopbackServer> m_server;
};

void TestNetwork::initTestCase() {
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestNetwork::init() {
    m_server = std::make_unique<LoopbackServer>();
    QVERIFY(m_server->listening());
}

void TestNetwork::cleanup() {
    m_server.reset();
}

Outcome TestNetwork::check(const QString &url, int timeoutMs) {
    Outcome outcome;
    urlReachable(
        url, this,
        [&outcome](bool ok) {
            outcome.called = true;
            outcome.reachable = ok;
        },
        timeoutMs);
    if (!QTest::qWaitFor([&] { return outcome.called; }, 3 * timeoutMs + 2000))
        qWarning("no answer for %s", qPrintable(url));
    return outcome;
}

void TestNetwork::statusDecidesReachability_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QStringList>("requests");
    QTest::newRow("200") << "/ok" << true << QStringList{"GET /ok"};
    QTest::newRow("302 is not followed") << "/moved" << true << QStringList{"GET /moved"};
    QTest::newRow("404 then HEAD 404")
        << "/missing" << false << QStringList({"GET /missing", "HEAD /missing"});
}

void TestNetwork::statusDecidesReachability() {
    QFETCH(QString, path);
    QFETCH(bool, reachable);
    QFETCH(QStringList, requests);
    const Outcome outcome = check("http://" + m_server->base() + path);
    QVERIFY(outcome.called);
    QCOMPARE(outcome.reachable, reachable);
    QCOMPARE(m_server->requests, requests);
}

void TestNetwork::headRescuesAFailedGet() {
    const Outcome outcome = check("http://" + m_server->base() + "/getfails");
    QVERIFY(outcome.called);
    QVERIFY(outcome.reachable);
    QCOMPARE(m_server->requests, QStringList({"GET /getfails", "HEAD /getfails"}));
}

void TestNetwork::schemeIsAddedOnlyWhenMissing() {
    Outcome outcome = check(m_server->base() + "/ok");
    QVERIFY(outcome.called);
    QVERIFY(outcome.reachable);
    QCOMPARE(m_server->requests, QStringList{"GET /ok"});
    // A text with its own scheme is not given a second one.
    outcome = check("ftp://" + m_server->base() + "/ok", 500);
    QVERIFY(outcome.called);
    QVERIFY(!outcome.reachable);
    QCOMPARE(m_server->requests, QStringList{"GET /ok"});
    outcome = check("", 500);
    QVERIFY(outcome.called);
    QVERIFY(!outcome.reachable);
}

void TestNetwork::closedPortIsUnreachable() {
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    QElapsedTimer clock;
    clock.start();
    const Outcome outcome = check(QStringLiteral("http://127.0.0.1:%1/ok").arg(port));
    QVERIFY(outcome.called);
    QVERIFY(!outcome.reachable);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
}

void TestNetwork::silentServerTimesOutWithoutBlocking() {
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(20);
    Outcome outcome;
    QElapsedTimer clock;
    clock.start();
    urlReachable(
        "http://" + m_server->base() + "/silent", this,
        [&outcome](bool ok) {
            outcome.called = true;
            outcome.reachable = ok;
        },
        300);
    QVERIFY2(clock.elapsed() < 100, "the check must not wait for the answer");
    QVERIFY(!outcome.called);
    QTRY_VERIFY_WITH_TIMEOUT(outcome.called, 5000);
    QVERIFY(!outcome.reachable);
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(ticks >= 10, "the event loop kept running while waiting");
    QCOMPARE(m_server->requests, QStringList({"GET /silent", "HEAD /silent"}));
}

void TestNetwork::requestsCarryTheClientHeaders() {
    test::TempLedger ledger;
    QVERIFY(ledger.isOpen());
    const Outcome outcome = check(m_server->base() + "/ok");
    QVERIFY(outcome.reachable);
    QCOMPARE(m_server->userAgents, QList<QByteArray>{"Mozilla/5.0 (compatible; Kexbora ledger)"});
}

void TestNetwork::goneContextGetsNoAnswer() {
    bool called = false;
    auto *context = new QObject;
    urlReachable(
        "http://" + m_server->base() + "/silent", context, [&called](bool) { called = true; }, 200);
    QTRY_COMPARE(m_server->requests.size(), 1);
    delete context;
    QTest::qWait(700);
    QVERIFY(!called);
}

void TestNetwork::navigationFallsBackToTheLocalPage() {
    test::RecordingWebPane pane;
    const QString fallback = QDir::temp().filePath("kexbora-test/other/1.html");
    navigateWithFallback(&pane, m_server->base() + "/ok", fallback, this);
    QTRY_COMPARE(pane.urls.size(), 1);
    QCOMPARE(pane.urls.first(), QUrl("http://" + m_server->base() + "/ok"));

    navigateWithFallback(&pane, m_server->base() + "/missing", fallback, this);
    QTRY_COMPARE(pane.urls.size(), 2);
    QCOMPARE(pane.urls.last(), QUrl::fromLocalFile(fallback));
    QVERIFY(pane.urls.last().isLocalFile());

    navigateWithFallback(nullptr, m_server->base() + "/ok", fallback, this); // no pane: no-op
    QTest::qWait(200);
    QCOMPARE(pane.urls.size(), 2);
}

QTEST_GUILESS_MAIN(TestNetwork)
#include "tst_network.moc"
