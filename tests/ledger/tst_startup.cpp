#include "ledger/core/currentuser.h"
#include "ledger/core/webpane.h"
#include "ledger/data/dbbackup.h"
#include "ledger/mainwindow/startup.h"
#include "ledger/mainwindow/tfrmmain.h"
#include "ledger/mainwindow/webenginemodule.h"
#include "ledger/users/tfrmlogin.h"
#include "skin/window/tskinmanage.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"
#include "support/ledger/webpanestub.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QPushButton>
#include <QtTest>
#include <unistd.h>

using namespace ledger;
using ledger::test::TempLedger;

// Records as RecordingPrompter does, and shows each message in a box as the program would,
// noting whether the skin took the box.
class BoxShowingPrompter : public test::RecordingPrompter {
public:
    void info(const QString &text) override {
        RecordingPrompter::info(text);
        QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text);
        box.show();
        QCoreApplication::processEvents();
        skinned.append(skin::SkinManager()->FindSkinnedWindow(&box) != nullptr);
    }
    QList<bool> skinned;
};

class TstStartup : public QObject {
    Q_OBJECT

    // A start-up whose login step is scripted; loginRuns counts how often it was reached.
    struct Run {
        Startup startup;
        int loginRuns = 0;
        Run(const DataPaths &paths, std::function<int(TfrmLogin &)> login)
            : startup(paths, test::WebPaneStub::factory()) {
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

    void endsWithoutMainWindow_data() {
        QTest::addColumn<QString>("database");
        QTest::addColumn<int>("loginResult");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("loginRuns");
        QTest::addColumn<QString>("message");
        QTest::newRow("both missing") << "none" << 1 << 1 << 0 << "数据库文件不存在。";
        QTest::newRow("wrong key") << "other key" << 1 << 1 << 0 << TfrmDM::connectionFailedText();
        QTest::newRow("login cancelled") << "template" << int(TfrmLogin::Cancelled) << 0 << 1 << "";
        QTest::newRow("login closed") << "template" << 0 << 0 << 1 << "";
    }
    void endsWithoutMainWindow() {
        QFETCH(QString, database);
        QFETCH(int, loginResult);
        QFETCH(int, exitCode);
        QFETCH(int, loginRuns);
        QFETCH(QString, message);
        test::ScopedPrompter prompter;
        TempLedger ledger(database == "template" ? TempLedger::Layout::TemplateOnly
                                                 : TempLedger::Layout::Folders);
        if (database == "other key")
            QVERIFY(TempLedger::makeLedgerFile(ledger.paths().databaseFile, nullptr, "other"));
        Run run(ledger.paths(), [loginResult](TfrmLogin &) { return loginResult; });
        QCOMPARE(run.startup.begin(), std::optional<int>(exitCode));
        QCOMPARE(run.loginRuns, loginRuns);
        QCOMPARE(prompter->infos(), message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(!run.startup.mainWindow());
        QCOMPARE(QFile::exists(ledger.paths().databaseFile), database != "none");
    }

    // Before any window shows, the login window made first carries the program's skin.
    void boxesBeforeAnyWindowAreSkinned() {
        skin::TSkinManage skinManager; // as the program installs it
        auto *boxes = new BoxShowingPrompter;
        std::unique_ptr<Prompter> previous = Prompter::install(std::unique_ptr<Prompter>(boxes));
        TempLedger missing(TempLedger::Layout::Folders), otherKey(TempLedger::Layout::Folders);
        QVERIFY(TempLedger::makeLedgerFile(otherKey.paths().databaseFile, nullptr, "other"));
        for (const TempLedger *ledger : {&missing, &otherKey})
            QCOMPARE(Run(ledger->paths(), [](TfrmLogin &) { return 1; }).startup.begin(),
                     std::optional<int>(1));
        const QList<bool> skinned = boxes->skinned;
        Prompter::install(std::move(previous));
        QCOMPARE(skinned, QList<bool>({true, true}));
    }

    void loginBringsUpTheMainWindow() {
        test::ScopedPrompter prompter;
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        Run run(ledger.paths(), [](TfrmLogin &dialog) {
            frmDM->adoConn().exec(
                QStringLiteral("insert into kx_user(LogName, LogPwd) values(?, ?)"),
                {QStringLiteral("admin"), QStringLiteral("B506197FFA00C7F5B346682FF251E1E0")});
            dialog.findChild<QLineEdit *>(QStringLiteral("edt_user"))->setText("admin");
            dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"))->setText("123456");
            dialog.findChild<QPushButton *>(QStringLiteral("btn_OK"))->click();
            return dialog.result();
        });
        // What backups and restores cut short by a crash left is gone at the next start.
        QStringList leftovers;
        for (const char *name : {"20261206125500.db.part", "20261206125500.db.part-42-0badcafe"})
            leftovers << ledger.paths().backupDir + name;
        for (const char *suffix :
             {".restore-new", ".restore-new-42-0badcafe", ".restore-old.copy-42-0badcafe"})
            leftovers << ledger.paths().databaseFile + suffix;
        QVERIFY(QDir().mkpath(ledger.paths().backupDir));
        for (const QString &leftover : leftovers)
            QVERIFY(QFile(leftover).open(QFile::WriteOnly));
        QCOMPARE(run.startup.begin(), std::nullopt);
        for (const QString &leftover : leftovers)
            QVERIFY2(!QFile::exists(leftover), qPrintable(leftover));
        QCOMPARE(run.loginRuns, 1);
        TfrmMain *main = run.startup.mainWindow();
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->statusPanelText(0), QStringLiteral("当前用户:admin"));
        QVERIFY(currentUserId > 0);
        QCOMPARE(frmDM, run.startup.dataModule());
    }

    // A start while another instance's restore is between its staging and its swap leaves the
    // staged copy alone, and the restore completes.
    void startDuringAnotherRestore() {
        test::ScopedPrompter prompter;
        TempLedger other;
        const QString chosen = DbBackup::backup(other.db().path(), other.db().key(),
                                                other.paths().backupDir, QDateTime());
        other.addUser("admin", "123456");
        StagedRestore staged = DbBackup::stageRestore(other.db().path(), other.db().key(), chosen);
        QCOMPARE(Run(other.paths(), [](TfrmLogin &) { return 0; }).startup.begin(),
                 std::optional<int>(0));
        QVERIFY(QFile::exists(staged.copy()));
        DbBackup::swapIn(other.db(), std::move(staged));
        QCOMPARE(other.rowCount("kx_user"), 0);
    }

    // What a restore cut short left beside the ledger is settled before the ledger opens: a
    // second link of the ledger goes; another ledger joins the backups under a free name of its
    // time, never replacing one; with no ledger, the previous one is the ledger again.
    void restoreLeftoversAreSettled_data() {
        QTest::addColumn<QString>("ledgerFile");
        QTest::addColumn<QStringList>("backups");
        const QString earlier = "20261206125500.db";
        QTest::newRow("second link") << "link" << QStringList{earlier};
        QTest::newRow("another ledger") << "other" << QStringList{"20261206125500-2.db", earlier};
        QTest::newRow("no ledger") << "none" << QStringList{earlier};
    }
    void restoreLeftoversAreSettled() {
        QFETCH(QString, ledgerFile);
        QFETCH(QStringList, backups);
        test::ScopedPrompter prompter;
        TempLedger ledger(TempLedger::Layout::TemplateOnly);
        const DataPaths &paths = ledger.paths();
        const QString kept = paths.databaseFile + ".restore-old";
        QVERIFY(TempLedger::makeLedgerFile(kept));
        QFile keptFile(kept);
        QVERIFY(keptFile.open(QFile::ReadWrite) &&
                keptFile.setFileTime(QDateTime(QDate(2026, 12, 6), QTime(12, 55)),
                                     QFileDevice::FileModificationTime));
        keptFile.close();
        QVERIFY(QDir().mkpath(paths.backupDir));
        QVERIFY(test::writeFile(paths.backupDir + backups.last(), "an earlier backup"));
        if (ledgerFile == "link")
            QCOMPARE(::link(QFile::encodeName(kept), QFile::encodeName(paths.databaseFile)), 0);
        else if (ledgerFile == "other")
            QVERIFY(TempLedger::makeLedgerFile(paths.databaseFile));
        const QByteArray previous = test::readFile(kept);
        const QByteArray current =
            ledgerFile == "other" ? test::readFile(paths.databaseFile) : previous;

        Run run(paths, [](TfrmLogin &) { return int(TfrmLogin::Cancelled); });
        QCOMPARE(run.startup.begin(), std::optional<int>(0));
        QCOMPARE(prompter->infos(), QStringList());
        QCOMPARE(QDir(paths.dataDir).entryList(QDir::Files),
                 QStringList({"init.db", "Kexbora.db"}));
        QCOMPARE(QDir(paths.backupDir).entryList(QDir::Files), backups);
        QCOMPARE(test::readFile(paths.databaseFile), current);
        QCOMPARE(test::readFile(paths.backupDir + backups.first()),
                 backups.size() > 1 ? previous : "an earlier backup");
    }

    // The web engine composes its pages in OpenGL contexts that share Qt's global context;
    // the program makes that context when it loads the engine, through Qt's own setter.
    void sharedOpenGLContextIsMadeOnDemand() {
        QVERIFY(!QOpenGLContext::globalShareContext());
        WebEngineModule::ensureShareContext();
        QVERIFY2(QOpenGLContext::globalShareContext(),
                 "Qt no longer takes the global share context from qt_gl_set_global_share_context");
    }

    void browserPaneWithoutItsModule() {
        // No module beside the test program: the main window still gets panes, empty ones.
        QWidget host;
        const WebPaneWidget pane = WebEngineModule::create(&host);
        QVERIFY(pane.widget && pane.pane);
        QCOMPARE(pane.widget->parentWidget(), &host);
        pane.pane->navigate(QUrl(QStringLiteral("about:blank")));
        QVERIFY(!WebEngineModule::preload());
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
