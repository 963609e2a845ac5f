// Local pages in the light view with no web engine made; the engine's pane made once, for the
// first remote page, and used for every later one.
#include "ledger/mainwindow/lazywebpane.h"
#include "support/ledger/webpanestub.h"

#include <QStackedLayout>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace ledger;

class TestLazyWebPane : public QObject {
    Q_OBJECT
private slots:
    void engineOnlyForRemotePages() {
        QTemporaryDir dir;
        QFile page(dir.filePath("1.html"));
        QVERIFY(page.open(QFile::WriteOnly));
        page.write(
            "<html><body><p>本地首页</p><a href=\"http://host.example/a\">a</a></body></html>");
        page.close();

        QList<test::WebPaneStub *> engines;
        const WebPaneWidget made =
            LazyWebPane::factory(test::WebPaneStub::factory(&engines))(nullptr);
        std::unique_ptr<QWidget> owner(made.widget);
        auto *stack = qobject_cast<QStackedLayout *>(made.widget->layout());
        auto *light = made.widget->findChild<QTextBrowser *>("lightView");

        made.pane->navigate(QUrl::fromLocalFile(page.fileName()));
        made.pane->navigate(QUrl("about:blank"));
        QVERIFY(light->toPlainText().isEmpty());
        made.pane->navigate(QUrl::fromLocalFile(page.fileName()));
        QVERIFY(light->toPlainText().contains("本地首页"));
        QVERIFY(engines.isEmpty());
        QCOMPARE(stack->currentWidget(), light);

        emit light->anchorClicked(QUrl("http://host.example/a")); // a link on the local page
        made.pane->navigate(QUrl("http://host.example/b"));
        QCOMPARE(engines.size(), 1);
        QCOMPARE(engines[0]->urls,
                 QList<QUrl>({QUrl("http://host.example/a"), QUrl("http://host.example/b")}));
        QCOMPARE(stack->currentWidget(), engines[0]);
        made.pane->navigate(QUrl::fromLocalFile(page.fileName()));
        QCOMPARE(stack->currentWidget(), light);
    }
};

QTEST_MAIN(TestLazyWebPane)
#include "tst_lazywebpane.moc"
