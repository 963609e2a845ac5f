#include "ledger/core/untvar.h"
#include "ledger/data/tfrmdm.h"
#include "ledger/main/startup.h"
#include "ledger/main/tfrmmain.h"
#include "ledger/users/tfrmlogin.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"
#include "support/ledger/webpanestub.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace ledger;
using ledger::test::ScopedPrompter;
using ledger::test::TempLedger;
using ledger::test::WebPaneStub;

namespace {

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstStartup : public QObject {
    Q_OBJECT

    // A start-up whose login step is scripted; loginRuns counts how often it was reached.
    struct Run {
        Startup startup;
        int loginRuns = 0;
        explicit Run(const DataPaths &paths, std::function<int(TfrmLogin &)> login)
            : startup(paths, WebPaneStub::factory()) {
            startup.runLogin = [this, login](TfrmLogin &dialog) {
                ++loginRuns;
                return login(dialog);
            };
        }
    };

private slots:
    void cleanup() {
        currentUserId = 0;
        currentLogName.clear();
    }

    void missingDatabaseEndsBeforeLogin() {
        ScopedPrompter prompter;
        TempLedger ledger(TempLedger::Layout::Folders);
        Run run(ledger.paths(), [](TfrmLogin &) { return int(TfrmLogin::LoggedIn); });
        QCOMPARE(run.startup.begin(), std::optional<int>(1));
        QCOMPARE(run.loginRuns, 0);
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("数据库文件不存在。")});
        QVERIFY(!QFile::exists(ledger.paths().databaseFile));
        QVERIFY(!run.startup.mainWindow());
    }

    void wrongKeyEndsBeforeLogin() {
        ScopedPrompter prompter;
        TempLedger ledger(TempLedger::Layout::Folders);
        QVERIFY(TempLedger::makeLedgerFile(ledger.paths().databaseFile, nullptr, "other"));
        Run run(ledger.paths(), [](TfrmLogin &) { return int(TfrmLogin::LoggedIn); });
        QCOMPARE(run.startup.begin(), std::optional<int>(1));
        QCOMPARE(run.loginRuns, 0);
        QCOMPARE(prompter->infos(), QStringList{TfrmDM::connectionFailedText()});
        QVERIFY(prompter->lastInfo().startsWith(QStringLiteral("数据库连接失败,请与开发者")));
        QVERIFY(prompter->lastInfo().endsWith(QStringLiteral("联系!")));
    }

    void firstStartCopiesTheTemplateAndCancelEnds() {
        ScopedPrompter prompter;
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        Run run(ledger.paths(), [](TfrmLogin &) { return int(TfrmLogin::Cancelled); });
        QCOMPARE(run.startup.begin(), std::optional<int>(0));
        QCOMPARE(run.loginRuns, 1);
        QVERIFY(prompter->calls().isEmpty());
        QVERIFY(!run.startup.mainWindow());
        QCOMPARE(fileBytes(ledger.paths().databaseFile), fileBytes(ledger.paths().templateFile));
        QVERIFY(!fileBytes(ledger.paths().templateFile).isEmpty());
    }

    void closedLoginEnds() {
        ScopedPrompter prompter;
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        Run run(ledger.paths(), [](TfrmLogin &) { return 0; });
        QCOMPARE(run.startup.begin(), std::optional<int>(0));
        QVERIFY(!run.startup.mainWindow());
    }

    void loginBringsUpTheMainWindow() {
        ScopedPrompter prompter;
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        Run run(ledger.paths(), [](TfrmLogin &dialog) {
            // Sign-up is not needed: the user is added through the data module once it is open.
            frmDM->adoConn().exec(
                QStringLiteral("insert into kx_user(LogName, LogPwd) values(?, ?)"),
                {QStringLiteral("admin"), QStringLiteral("B506197FFA00C7F5B346682FF251E1E0")});
            dialog.findChild<QLineEdit *>(QStringLiteral("edt_user"))->setText("admin");
            dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"))->setText("123456");
            dialog.findChild<QPushButton *>(QStringLiteral("btn_OK"))->click();
            return dialog.result();
        });
        QCOMPARE(run.startup.begin(), std::nullopt);
        QCOMPARE(run.loginRuns, 1);
        TfrmMain *main = run.startup.mainWindow();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("Quorvane"));
        QCOMPARE(main->statusPanelText(0), QStringLiteral("当前用户:admin"));
        QVERIFY(currentUserId > 0);
        QCOMPARE(frmDM, run.startup.dataModule());
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
