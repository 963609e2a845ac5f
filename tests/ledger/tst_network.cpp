#include "ledger/net/reachability.h"
#include "support/ledger/loopbackserver.h"
#include "support/ledger/templedger.h"
#include "support/ledger/webpanestub.h"

#include <QNetworkProxy>
#include <QPointer>
#include <QtTest>

using namespace ledger;

class TestNetwork : public QObject {
    Q_OBJECT

    std::unique_ptr<test::LoopbackServer> m_server;

    // Runs the check; -1 when no answer came, else 0 or 1.
    int check(const QString &url, int timeoutMs) {
        int outcome = -1;
        urlReachable(
            url, this, [&outcome](bool ok) { outcome = ok ? 1 : 0; }, timeoutMs);
        return QTest::qWaitFor([&] { return outcome >= 0; }, 3 * timeoutMs + 2000) ? outcome : -1;
    }

private slots:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }
    void init() {
        m_server = std::make_unique<test::LoopbackServer>();
        QVERIFY(m_server->listening());
    }
    void cleanup() { m_server.reset(); }

    void reachability_data() {
        QTest::addColumn<QString>("url"); // %1: the server, %2: a closed port
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QStringList>("requests");
        QTest::newRow("200") << "http://%1/ok" << true << QStringList{"GET /ok"};
        QTest::newRow("302 is not followed")
            << "http://%1/moved" << true << QStringList{"GET /moved"};
        QTest::newRow("404 then HEAD 404")
            << "http://%1/missing" << false << QStringList{"GET /missing", "HEAD /missing"};
        QTest::newRow("HEAD rescues a failed GET")
            << "http://%1/getfails" << true << QStringList{"GET /getfails", "HEAD /getfails"};
        QTest::newRow("scheme added when missing") << "%1/ok" << true << QStringList{"GET /ok"};
        QTest::newRow("own scheme kept") << "ftp://%1/ok" << false << QStringList();
        QTest::newRow("empty") << "" << false << QStringList();
        QTest::newRow("closed port") << "http://%2/ok" << false << QStringList();
    }
    void reachability() {
        QFETCH(QString, url);
        QFETCH(bool, reachable);
        QFETCH(QStringList, requests);
        url.replace("%1", m_server->base()).replace("%2", test::LoopbackServer::closedBase());
        QCOMPARE(check(url, 1500), int(reachable));
        QCOMPARE(m_server->requests, requests);
    }

    void silentServerTimesOutWithoutBlocking() {
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(20);
        int outcome = -1;
        urlReachable(
            "http://" + m_server->base() + "/silent", this, [&outcome](bool ok) { outcome = ok; },
            300);
        QCOMPARE(outcome, -1); // the check does not wait for the answer
        QTRY_VERIFY_WITH_TIMEOUT(outcome >= 0, 5000);
        QCOMPARE(outcome, 0);
        QVERIFY2(ticks > 0, "the event loop kept running while waiting");
        QCOMPARE(m_server->requests, QStringList({"GET /silent", "HEAD /silent"}));
    }

    void requestsCarryTheClientHeaders() {
        test::TempLedger ledger;
        QVERIFY(ledger.isOpen());
        QCOMPARE(check(m_server->base() + "/ok", 3000), 1);
        QCOMPARE(m_server->userAgents,
                 QList<QByteArray>{"Mozilla/5.0 (compatible; Kexbora ledger)"});
    }

    void goneContextGetsNoAnswer() {
        bool called = false;
        auto *context = new QObject;
        urlReachable(
            "http://" + m_server->base() + "/silent", context, [&called](bool) { called = true; },
            200);
        QTRY_COMPARE(m_server->requests.size(), 1);
        // The running check belongs to its context and goes with it, its time-out included.
        const QList<QPointer<QObject>> probes(context->children().begin(),
                                              context->children().end());
        QCOMPARE(probes.size(), 1);
        delete context;
        QVERIFY(probes.first().isNull());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QVERIFY(!called);
    }

    void navigationFallsBackToTheLocalPage() {
        test::WebPaneStub pane;
        const QString fallback = QDir::temp().filePath("kexbora-test/other/1.html");
        navigateWithFallback(&pane, m_server->base() + "/ok", fallback, this);
        QTRY_COMPARE(pane.urls.size(), 1);
        QCOMPARE(pane.urls.first(), QUrl("http://" + m_server->base() + "/ok"));
        navigateWithFallback(&pane, m_server->base() + "/missing", fallback, this);
        QTRY_COMPARE(pane.urls.size(), 2);
        QCOMPARE(pane.urls.last(), QUrl::fromLocalFile(fallback));
        // Without a pane no check starts: nothing joins the context.
        QTRY_VERIFY(children().isEmpty()); // the finished checks are gone
        navigateWithFallback(nullptr, m_server->base() + "/ok", fallback, this);
        QVERIFY(children().isEmpty());
    }
};

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
