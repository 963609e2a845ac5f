#include "ledger/tools/externaltools.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/testfiles.h"
#include "support/ledger/urlcatcher.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ledger;

class TestExternalTools : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UrlCatcher> m_catcher;
    const QString m_host = "http://www.kexbora.example";

private slots:
    void init() { m_catcher = std::make_unique<test::UrlCatcher>(); }
    void cleanup() { m_catcher.reset(); }

    void feedbackOpensTheForumOnlyOnOk() {
        test::ScopedPrompter prompter;
        prompter->queueConfirm(false);
        askFeedback(m_host);
        QVERIFY(m_catcher->opened.isEmpty());
        askFeedback(m_host);
        QCOMPARE(m_catcher->addresses(),
                 QStringList{m_host + "/forum.php?mod=forumdisplay&fid=48"});
        QCOMPARE(prompter->calls().first().text,
                 QString("有问题请联系我(kexbora@users.example)！\n是否进入专题讨论板块？"));
        QVERIFY(prompter->infos().isEmpty());
        // No browser to hand the address to: the user is told, for help as for feedback.
        m_catcher.reset();
        askFeedback(m_host);
        QVERIFY(!openInBrowser(forumAddress(m_host)));
        QCOMPARE(prompter->infos(), QStringList(2, noBrowserText()));
    }

    void updateResultsAreTold() {
        test::ScopedPrompter prompter;
        prompter->queueConfirm(false);
        announceUpdate(UpdateChecker::Result::Newer, m_host); // cancelled
        announceUpdate(UpdateChecker::Result::Newer, m_host);
        announceUpdate(UpdateChecker::Result::Current, m_host);
        announceUpdate(UpdateChecker::Result::Failed, m_host);
        QCOMPARE(prompter->texts(),
                 QStringList({"发现新版本,是否打开下载页面？", "发现新版本,是否打开下载页面？",
                              "您当前使用的已经是最新版本。", "检查更新失败，请稍后再试。"}));
        // "%3D" reaches the browser as it stands.
        QCOMPARE(m_catcher->addresses(),
                 QStringList{m_host + "/forum.php?mod=viewthread&tid=1325&extra=page%3D1"});
    }

    void calculatorStartsTheFirstProgramOnPath() {
        QTemporaryDir bin;
        const QString marker = bin.filePath("started");
        const QString script = bin.filePath(calculatorPrograms().at(1));
        QVERIFY(test::writeFile(script, "#!/bin/sh\necho started > '" + marker.toUtf8() + "'\n"));
        QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
        const QByteArray path = qgetenv("PATH");
        test::ScopedPrompter prompter;
        qputenv("PATH", bin.path().toUtf8());
        QVERIFY(startCalculator());
        QTRY_VERIFY(QFile::exists(marker));
        QFile::remove(script);
        const bool startedWithout = startCalculator();
        qputenv("PATH", path);
        QVERIFY(!startedWithout);
        QCOMPARE(prompter->infos(),
                 QStringList{"没有找到计算器程序，请先安装一个（例如 gnome-calculator）。"});
    }
};

QTEST_MAIN(TestExternalTools)
#include "tst_externaltools.moc"
