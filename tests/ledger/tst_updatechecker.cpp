#include "ledger/tools/updatechecker.h"
#include "ledger/tools/versionnumber.h"
#include "support/ledger/loopbackserver.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QtTest>

using namespace ledger;
using Result = UpdateChecker::Result;
Q_DECLARE_METATYPE(UpdateChecker::Result)

class TestUpdateChecker : public QObject {
    Q_OBJECT

    static constexpr qint64 kLocal = 16777216; // 1.0.0.0

private slots:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void packVersion_data() {
        QTest::addColumn<QString>("dotted");
        QTest::addColumn<qint64>("packed");
        QTest::newRow("1.0.0.0") << "1.0.0.0" << qint64(16777216);
        QTest::newRow("1.2.3.4") << "1.2.3.4" << qint64(0x01020304);
        QTest::newRow("short") << "2.1" << qint64(0x02010000);
        QTest::newRow("largest") << "255.255.255.255" << qint64(4294967295);
        QTest::newRow("part over a byte") << "1.2.300.4" << qint64(-1);
        QTest::newRow("five parts") << "1.2.3.4.5" << qint64(-1);
        QTest::newRow("not numbers") << "1.x" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
    }
    void packVersion() {
        QFETCH(QString, dotted);
        QFETCH(qint64, packed);
        QCOMPARE(ledger::packVersion(dotted), packed);
    }

    // The server's answer, judged against local version 1.0.0.0.
    void check_data() {
        QTest::addColumn<QByteArray>("status"); // empty: the server never answers
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Result>("result");
        QTest::newRow("older") << QByteArray("200 OK") << QByteArray("16777215") << Result::Current;
        QTest::newRow("same") << QByteArray("200 OK") << QByteArray("16777216") << Result::Current;
        QTest::newRow("newer") << QByteArray("200 OK") << QByteArray("16777217") << Result::Newer;
        QTest::newRow("newer in $-hex")
            << QByteArray("200 OK") << QByteArray("$1000001") << Result::Newer;
        QTest::newRow("newer, CR LF and notes")
            << QByteArray("200 OK") << QByteArray("\xEF\xBB\xBF 16777217 \r\nfixes\r\n")
            << Result::Newer;
        QTest::newRow("empty body") << QByteArray("200 OK") << QByteArray() << Result::Current;
        QTest::newRow("garbage") << QByteArray("200 OK") << QByteArray("abc") << Result::Failed;
        QTest::newRow("number and text")
            << QByteArray("200 OK") << QByteArray("16777217 beta") << Result::Failed;
        QTest::newRow("404") << QByteArray("404 Not Found") << QByteArray("16777217")
                             << Result::Failed;
        QTest::newRow("no answer") << QByteArray() << QByteArray() << Result::Failed;
        QTest::newRow("no server") << QByteArray("closed") << QByteArray() << Result::Failed;
    }
    void check() {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        QFETCH(Result, result);
        test::LoopbackServer server;
        QVERIFY(server.listening());
        server.answers.insert("/setup/new.txt", {status, body});
        const QString host =
            "http://" + (status == "closed" ? test::LoopbackServer::closedBase() : server.base());
        QNetworkAccessManager http;
        UpdateChecker checker(&http);
        checker.setTimeout(400);
        QList<Result> results;
        connect(&checker, &UpdateChecker::finished, this, [&](Result r) { results << r; });
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(10);

        QVERIFY(checker.check(host, kLocal));
        QVERIFY(!checker.check(host, kLocal)); // one check at a time
        QVERIFY(results.isEmpty());            // the answer comes later, through the loop
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 5000);
        QCOMPARE(results.first(), result);
        QVERIFY(!checker.isRunning());
        if (status.isEmpty())
            QVERIFY2(ticks >= 10, "the window kept working while the check waited");
        if (status != "closed")
            QCOMPARE(server.requests, QStringList{"GET /setup/new.txt"});
    }
};

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
