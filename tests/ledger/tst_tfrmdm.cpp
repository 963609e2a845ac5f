#include "ledger/data/tfrmdm.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QDir>
#include <QFile>
#include <QNetworkRequest>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace ledger;
using test::TempLedger;

namespace {

QByteArray bytesOf(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kMissingText = QStringLiteral("数据库文件不存在。");

// Limits the size of files this process may write, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace

class TestTfrmDM : public QObject {
    Q_OBJECT

private slots:
    void firstStartCopiesTheTemplate();
    void existingDatabaseIsNotReplaced();
    void wrongKeyIsAConnectionFailure();
    void foreignFilesAreConnectionFailures_data();
    void foreignFilesAreConnectionFailures();
    void bothMissingCreatesNothing();
    void brokenTemplateCopyIsNotKept();
    void failedCopyLeavesNoPartialDatabase();
    void globalInstanceFollowsLifetime();
    void requestsCarryTheClientHeaders();
    void pathsDeriveFromTheProgramFolder();
};

void TestTfrmDM::firstStartCopiesTheTemplate() {
    TempLedger ledger(TempLedger::Layout::TemplateOnly);
    QVERIFY2(ledger.isValid(), qPrintable(ledger.error()));
    const QByteArray templateBytes = bytesOf(ledger.paths().templateFile);
    QVERIFY(!QFile::exists(ledger.paths().databaseFile));
    QStringList messages;
    QCOMPARE(ledger.createDataModule(&messages), TfrmDM::OpenResult::Opened);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('|')));
    QVERIFY(ledger.isOpen());
    QCOMPARE(ledger.dataModule()->adoConn().path(), ledger.paths().databaseFile);
    QCOMPARE(bytesOf(ledger.paths().databaseFile), templateBytes);
    QCOMPARE(bytesOf(ledger.paths().templateFile), templateBytes);
    QCOMPARE(QDir(ledger.paths().dataDir).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase),
             QStringList({"init.db", "Kexbora.db"}));
}

void TestTfrmDM::existingDatabaseIsNotReplaced() {
    TempLedger ledger(TempLedger::Layout::TemplateOnly);
    QVERIFY(TempLedger::makeLedgerFile(ledger.paths().databaseFile));
    { // mark the template so that a copy would show
        Db db;
        QVERIFY(db.open(ledger.paths().templateFile, kDatabaseKey));
        db.exec("insert into kx_user(LogName) values('from-template')");
    }
    const QByteArray before = bytesOf(ledger.paths().databaseFile);
    QCOMPARE(ledger.createDataModule(), TfrmDM::OpenResult::Opened);
    QCOMPARE(ledger.rowCount("kx_user"), 0);
    QCOMPARE(bytesOf(ledger.paths().databaseFile), before);
}

void TestTfrmDM::wrongKeyIsAConnectionFailure() {
    TempLedger ledger(TempLedger::Layout::TemplateOnly);
    QVERIFY(TempLedger::makeLedgerFile(ledger.paths().databaseFile, nullptr, "other"));
    test::ScopedPrompter prompter;
    TfrmDM dm(ledger.paths());
    QCOMPARE(dm.DataModuleCreate(), TfrmDM::OpenResult::ConnectionFailed);
    QCOMPARE(prompter->infos(), QStringList{TfrmDM::connectionFailedText()});
    QCOMPARE(prompter->calls().first().caption, QStringLiteral("提示"));
    QVERIFY(
        TfrmDM::connectionFailedText().startsWith(QStringLiteral("数据库连接失败,请与开发者(")));
    QVERIFY(TfrmDM::connectionFailedText().endsWith(QStringLiteral(")联系!")));
    QVERIFY(!dm.adoConn().isOpen());
    // The user's file is left as it was (it was not made from the template).
    QVERIFY(QFile::exists(ledger.paths().databaseFile));
}

void TestTfrmDM::foreignFilesAreConnectionFailures_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("plain text") << "text";
    QTest::newRow("keyed, not a ledger") << "other";
    QTest::newRow("a folder") << "folder";
}

void TestTfrmDM::foreignFilesAreConnectionFailures() {
    QFETCH(QString, kind);
    TempLedger ledger(TempLedger::Layout::TemplateOnly);
    const QString target = ledger.paths().databaseFile;
    if (kind == "text") {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Standard Jet DB\n");
    } else if (kind == "other") {
        Db db;
        QVERIFY(db.create(target, kDatabaseKey));
        db.exec("create table notes(a)");
    } else {
        QVERIFY(QDir().mkdir(target));
    }
    QStringList messages;
    QCOMPARE(ledger.createDataModule(&messages), TfrmDM::OpenResult::ConnectionFailed);
    QCOMPARE(messages, QStringList{TfrmDM::connectionFailedText()});
    QVERIFY(QFileInfo::exists(target)); // not the template's copy: left alone
}

void TestTfrmDM::bothMissingCreatesNothing() {
    TempLedger ledger(TempLedger::Layout::Folders);
    QStringList messages;
    QCOMPARE(ledger.createDataModule(&messages), TfrmDM::OpenResult::DatabaseMissing);
    QCOMPARE(messages, QStringList{kMissingText});
    QVERIFY(!ledger.isOpen());
    QVERIFY(QDir(ledger.paths().dataDir).isEmpty());
}

void TestTfrmDM::brokenTemplateCopyIsNotKept() {
    TempLedger ledger(TempLedger::Layout::Folders);
    QFile broken(ledger.paths().templateFile);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(2048, '\x01'));
    broken.close();
    QStringList messages;
    QCOMPARE(ledger.createDataModule(&messages), TfrmDM::OpenResult::ConnectionFailed);
    QCOMPARE(messages, QStringList{TfrmDM::connectionFailedText()});
    QVERIFY(!QFile::exists(ledger.paths().databaseFile));
    // A good template put in its place works on the next start.
    QVERIFY(QFile::remove(ledger.paths().templateFile));
    QVERIFY(TempLedger::makeLedgerFile(ledger.paths().templateFile));
    QCOMPARE(ledger.createDataModule(), TfrmDM::OpenResult::Opened);
}

void TestTfrmDM::failedCopyLeavesNoPartialDatabase() {
    TempLedger ledger(TempLedger::Layout::TemplateOnly);
    const qint64 templateSize = QFileInfo(ledger.paths().templateFile).size();
    QVERIFY(templateSize > 8192);
    TfrmDM::OpenResult result;
    QStringList messages;
    {
        // The disk "fills" after 4 KiB: the copy breaks off in the middle.
        FileSizeLimit limit(4096);
        QVERIFY(limit.ok());
        result = ledger.createDataModule(&messages);
    }
    QCOMPARE(result, TfrmDM::OpenResult::ConnectionFailed);
    QCOMPARE(messages, QStringList{TfrmDM::connectionFailedText()});
    QCOMPARE(QDir(ledger.paths().dataDir).entryList(QDir::Files | QDir::Hidden),
             QStringList{"init.db"});
    // With room again the next start copies the whole template.
    QCOMPARE(ledger.createDataModule(), TfrmDM::OpenResult::Opened);
    QCOMPARE(QFileInfo(ledger.paths().databaseFile).size(), templateSize);
}

void TestTfrmDM::globalInstanceFollowsLifetime() {
    QVERIFY(frmDM == nullptr);
    TempLedger ledger(TempLedger::Layout::Folders);
    {
        TfrmDM dm(ledger.paths());
        QCOMPARE(frmDM, &dm);
        QVERIFY(dm.IdHTTP1() != nullptr);
        QCOMPARE(dm.paths().databaseFile, ledger.paths().databaseFile);
    }
    QVERIFY(frmDM == nullptr);
}

void TestTfrmDM::requestsCarryTheClientHeaders() {
    TempLedger ledger(TempLedger::Layout::Folders);
    TfrmDM dm(ledger.paths());
    const QNetworkRequest request = dm.request(QUrl("http://127.0.0.1/x"));
    QCOMPARE(request.url(), QUrl("http://127.0.0.1/x"));
    QCOMPARE(request.header(QNetworkRequest::ContentTypeHeader).toString(),
             QStringLiteral("text/html"));
    QCOMPARE(request.rawHeader("Accept"), QByteArray("text/html, */*"));
    QCOMPARE(request.header(QNetworkRequest::UserAgentHeader).toString(),
             QStringLiteral("Mozilla/5.0 (compatible; Kexbora ledger)"));
    QVERIFY(request.transferTimeout() > 0);
    QVERIFY(request.transferTimeout() <= 10000);
    QVERIFY(dm.IdHTTP1()->cookieJar() != nullptr);
}

void TestTfrmDM::pathsDeriveFromTheProgramFolder() {
    const DataPaths paths = DataPaths::fromProgramDir("/opt/kexbora/bin");
    QCOMPARE(paths.programDir, QStringLiteral("/opt/kexbora/bin/"));
    QCOMPARE(paths.dataDir, QStringLiteral("/opt/kexbora/Data/"));
    QCOMPARE(paths.databaseFile, QStringLiteral("/opt/kexbora/Data/Kexbora.db"));
    QCOMPARE(paths.templateFile, QStringLiteral("/opt/kexbora/Data/init.db"));
    QCOMPARE(paths.fallbackPage, QStringLiteral("/opt/kexbora/other/1.html"));
    QCOMPARE(DataPaths::fromProgramDir("/opt/kexbora/bin/").dataDir, paths.dataDir);
}

QTEST_GUILESS_MAIN(TestTfrmDM)
#include "tst_tfrmdm.moc"
