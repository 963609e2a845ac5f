// CSV export: exact bytes of the format, quoting of values that would break a row, the file
// name rule, the replace question, atomic replacement, and a round trip through Python's csv
// module.
#include "ledger/records/csvexport.h"
#include "ledger/records/inoutpage.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <csignal>
#include <sys/resource.h>

using namespace ledger;

namespace {

const QStringList kIncomeCaptions = {"编号",     "收入者",   "收款日期", "收入来源",
                                     "收入金额", "收入形式", "卡号",     "备注"};

QByteArray gbk(const QString &text) {
    return QStringEncoder("GBK").encode(text);
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs with a file-size limit, so that writes past it fail as on a full disk.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT
private slots:
    void emptyListIsHeaderOnly();
    void commasAreRemoved();
    void breakingValuesAreQuoted();
    void fileNameRule_data();
    void fileNameRule();
    void cancelledDialogWritesNothing();
    void replaceQuestion();
    void failedWriteKeepsOldFile();
    void pageExportReadsInPython();
};

void TestCsvExport::emptyListIsHeaderOnly() {
    RecordListModel model;
    model.setCaptions(kIncomeCaptions);
    QCOMPARE(listCsvText(model),
             gbk("编号,收入者,收款日期,收入来源,收入金额,收入形式,卡号,备注,\r\n"));
    // GBK, not UTF-8: "编" is B1 E0.
    QCOMPARE(listCsvText(model).left(2), QByteArray("\xB1\xE0"));
}

void TestCsvExport::commasAreRemoved() {
    RecordListModel model;
    model.setCaptions({"a,b", "c"}); // captions stay as they are
    model.addRow({"a,b", "1,234.50"});
    model.addRow({",,", ""});
    QCOMPARE(listCsvText(model), QByteArray("a,b,c,\r\nab,1234.50,\r\n,,\r\n"));
}

void TestCsvExport::breakingValuesAreQuoted() {
    RecordListModel model;
    model.setCaptions({"k", "memo"});
    model.addRow({"1", "line1\nline2"});
    model.addRow({"2", "say \"hi\", ok"});
    model.addRow({"3", "cr\rhere"});
    model.addRow({"4", "plain 'quote'"});
    QCOMPARE(listCsvText(model), QByteArray("k,memo,\r\n"
                                            "1,\"line1\nline2\",\r\n"
                                            "2,\"say \"\"hi\"\" ok\",\r\n"
                                            "3,\"cr\rhere\",\r\n"
                                            "4,plain 'quote',\r\n"));
}

void TestCsvExport::fileNameRule_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "data"
                           << "data.csv";
    QTest::newRow("upper case") << "data.CSV"
                                << "data.CSV.csv";
    QTest::newRow("inside") << "a.csv.txt"
                            << "a.csv.txt";
    QTest::newRow("already") << "b.csv"
                             << "b.csv";
}

void TestCsvExport::fileNameRule() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(csvFileName(chosen), written);

    test::ScopedPrompter prompter;
    QTemporaryDir dir;
    RecordListModel model;
    model.setCaptions({"x"});
    prompter->queueSaveFile(dir.filePath(chosen));
    QVERIFY(exportListView(model));
    QCOMPARE(prompter->infos(), QStringList{"保存成功。"});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(readFile(dir.filePath(written)), QByteArray("x,\r\n"));
    QCOMPARE(prompter->calls().first().filter, QString("Excel files(*.csv)"));
}

void TestCsvExport::cancelledDialogWritesNothing() {
    test::ScopedPrompter prompter;
    RecordListModel model;
    model.setCaptions({"x"});
    QVERIFY(!exportListView(model)); // unscripted: cancelled
    QCOMPARE(prompter->infos(), QStringList());
}

void TestCsvExport::replaceQuestion() {
    test::ScopedPrompter prompter;
    QTemporaryDir dir;
    const QString path = dir.filePath("old.csv");
    writeFile(path, "old");
    RecordListModel model;
    model.setCaptions({"x"});

    prompter->queueSaveFile(path);
    prompter->queueConfirm(false);
    QVERIFY(!exportListView(model));
    QCOMPARE(readFile(path), QByteArray("old"));
    QCOMPARE(prompter->calls().at(1).text, QString("该文件已经存在，是否替换？"));
    QCOMPARE(prompter->calls().at(1).caption, QString("覆盖确认..."));
    QCOMPARE(prompter->infos(), QStringList());

    prompter->clear();
    prompter->queueSaveFile(path);
    prompter->queueConfirm(true);
    QVERIFY(exportListView(model));
    QCOMPARE(readFile(path), QByteArray("x,\r\n"));
    QCOMPARE(prompter->infos(), QStringList{"保存成功。"});
}

void TestCsvExport::failedWriteKeepsOldFile() {
    test::ScopedPrompter prompter;
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.csv");
    writeFile(path, "precious");
    RecordListModel model;
    model.setCaptions({"k", "memo"});
    for (int i = 0; i < 2000; ++i)
        model.addRow({QString::number(i), QString(40, QLatin1Char('m'))});
    prompter->queueSaveFile(path);
    prompter->queueConfirm(true);
    {
        FileSizeLimit limit(4096);
        QVERIFY(!exportListView(model));
    }
    QCOMPARE(prompter->infos(), QStringList{"保存失败。"});
    QCOMPARE(readFile(path), QByteArray("precious"));
    // No half-written file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.csv"});
}

void TestCsvExport::pageExportReadsInPython() {
    test::ScopedPrompter prompter;
    test::TempLedger ledger;
    QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
    ledger.db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                     "Account, Memo, EventDate, myType) values(?,?,?,?,?,?,?,1)",
                     {"张三", "工资", 1234.5, "CCB", "6222", "多行\n备注, \"引号\"", "2024-03-01"});
    ledger.db().exec("insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                     "Account, Memo, EventDate, myType) values(?,?,?,?,?,?,?,1)",
                     {"李四", "奖金", 100.0, "现金", "", "", "2024-03-02"});
    InOutPage page(InOutKind::income());
    page.showCurrentPeriod();
    QTemporaryDir dir;
    const QString path = dir.filePath("income.csv");
    prompter->queueSaveFile(path);
    page.findChild<QToolButton *>("sbtn_income_cvs")->click();
    QCOMPARE(prompter->infos(), QStringList{"保存成功。"});

    QProcess python;
    python.start("python3", {"-c",
                             "import csv, json, sys\n"
                             "rows = list(csv.reader(open(sys.argv[1], encoding='gbk', "
                             "newline='')))\n"
                             "print(json.dumps(rows))\n",
                             path});
    QVERIFY(python.waitForFinished(20000));
    QCOMPARE(python.exitCode(), 0);
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), 3);
    QJsonArray header = rows.at(0).toArray();
    QCOMPARE(header.size(), 9); // eight columns and the trailing comma's empty field
    for (int c = 0; c < kIncomeCaptions.size(); ++c)
        QCOMPARE(header.at(c).toString(), kIncomeCaptions.at(c));
    const QJsonArray first = rows.at(1).toArray();
    QCOMPARE(first.size(), 9);
    QVERIFY(first.at(0).toString().toInt() > 0); // the hidden key column is exported
    QCOMPARE(first.at(1).toString(), QString("张三"));
    QCOMPARE(first.at(4).toString(), QString("1234.5"));
    QCOMPARE(first.at(6).toString(), QString("6222"));
    QCOMPARE(first.at(7).toString(), QString("多行\n备注 \"引号\""));
    QCOMPARE(first.at(8).toString(), QString());
    QCOMPARE(rows.at(2).toArray().at(1).toString(), QString("李四"));
    QCOMPARE(rows.at(2).toArray().at(4).toString(), QString("100"));
}

QTEST_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
