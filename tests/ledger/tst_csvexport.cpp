#include "common/atomicwrite.h"
#include "ledger/core/dbguard.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/inoutpage.h"
#include "ledger/records/recordlistmodel.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"
#include "support/ledger/testfiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cerrno>
#include <cstring>

using namespace ledger;
using test::readFile;

namespace {

std::unique_ptr<RecordListModel> model(const QStringList &captions,
                                       const QList<QStringList> &rows = {}) {
    auto m = std::make_unique<RecordListModel>();
    m->setCaptions(captions);
    for (const QStringList &row : rows)
        m->addRow(row);
    return m;
}

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT
private slots:
    void csvText() {
        const QStringList captions = {"编号",     "收入者",   "收款日期", "收入来源",
                                      "收入金额", "收入形式", "卡号",     "备注"};
        // An empty list is the header only, in GBK ("编" is B1 E0).
        const QByteArray header = listCsvText(*model(captions));
        QCOMPARE(header, QStringEncoder("GBK").encode(captions.join(',') + ",\r\n"));
        QVERIFY(header.startsWith("\xB1\xE0"));
        // Amounts lose their separators; text with a comma is quoted; captions stay as they are.
        QCOMPARE(listCsvText(*model({"a,b", "c"}, {{"a,b", "-1,234,567.50"}, {",,", "1,23"}})),
                 QByteArray("a,b,c,\r\n\"a,b\",-1234567.50,\r\n\",,\",\"1,23\",\r\n"));
        // Values that would break a row are quoted with doubled quotes.
        QCOMPARE(listCsvText(*model({"k", "memo"}, {{"1", "line1\nline2"},
                                                    {"2", "say \"hi\", ok"},
                                                    {"3", "cr\rhere"},
                                                    {"4", "plain 'quote'"}})),
                 QByteArray("k,memo,\r\n1,\"line1\nline2\",\r\n2,\"say \"\"hi\"\", ok\",\r\n"
                            "3,\"cr\rhere\",\r\n4,plain 'quote',\r\n"));
        // Characters outside GBK are kept (GB18030 reads them back), not turned into "?".
        // So are the format characters GBK leaves out without a trace, also with no surrogate.
        for (const QString &memo : {QStringLiteral("a😀 𠮷野家 café"),
                                    QStringLiteral("x\u200By\u202Ez\u2060w\u00ADv\u200Dq")}) {
            const QByteArray text = listCsvText(*model({"k", "memo"}, {{"1", memo}}));
            QCOMPARE(QStringDecoder("GB18030").decode(text.mid(text.indexOf('\n') + 1)),
                     "1," + memo + ",\r\n");
        }
    }

    void fileNameRule_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << QString("data") << QString("data.csv");
        QTest::newRow("upper case") << QString("data.CSV") << QString("data.CSV.csv");
        QTest::newRow("inside") << QString("a.csv.txt") << QString("a.csv.txt");
        QTest::newRow("already") << QString("b.csv") << QString("b.csv");
    }
    void fileNameRule() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        test::ScopedPrompter prompter;
        QTemporaryDir dir;
        prompter->queueSaveFile(dir.filePath(chosen));
        QVERIFY(exportListView(*model({"x"})));
        QCOMPARE(prompter->infos(), QStringList{"保存成功。"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        QCOMPARE(readFile(dir.filePath(written)), QByteArray("x,\r\n"));
        QCOMPARE(prompter->calls().first().filter, QString("Excel files(*.csv)"));
    }

    void replaceQuestion() {
        test::ScopedPrompter prompter;
        QVERIFY(!exportListView(*model({"x"}))); // unscripted: the dialog was cancelled
        QCOMPARE(prompter->infos(), QStringList());
        QTemporaryDir dir;
        const QString path = dir.filePath("old.csv");
        QVERIFY(test::writeFile(path, "old"));
        prompter->queueSaveFile(path);
        prompter->queueConfirm(false);
        QVERIFY(!exportListView(*model({"x"})));
        QCOMPARE(readFile(path), QByteArray("old"));
        QCOMPARE(prompter->calls().last().text, QString("该文件已经存在，是否替换？"));
        QCOMPARE(prompter->calls().last().caption, QString("覆盖确认..."));
        QCOMPARE(prompter->infos(), QStringList());
        prompter->queueSaveFile(path);
        prompter->queueConfirm(true);
        QVERIFY(exportListView(*model({"x"})));
        QCOMPARE(readFile(path), QByteArray("x,\r\n"));
        QCOMPARE(prompter->infos(), QStringList{"保存成功。"});
    }

    void failedWriteKeepsOldFile() {
        test::ScopedPrompter prompter;
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.csv");
        QVERIFY(test::writeFile(path, "precious"));
        auto big = model({"k", "memo"});
        for (int i = 0; i < 2000; ++i)
            big->addRow({QString::number(i), QString(40, QLatin1Char('m'))});
        prompter->queueSaveFile(path);
        // The log tells the cause; the box only that the save failed.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^csv export: cannot write .*keep\\.csv.*: " +
                                                QRegularExpression::escape(std::strerror(EFBIG)) +
                                                "$"));
        {
            test::FileSizeLimit limit(4096);
            QVERIFY(!exportListView(*big));
        }
        QCOMPARE(prompter->infos(), QStringList{"保存失败。"});
        QCOMPARE(readFile(path), QByteArray("precious"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.csv"}); // no leftovers
    }

    // Rows shown from a ledger another instance replaced are not written out, also over a file
    // the user agreed to replace.
    void replacedLedgerIsNotExported() {
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
        // A new file takes the ledger's name, as another instance's restore does.
        QVERIFY(common::copyFileAtomically(ledger.db().path(), ledger.db().path()));
        QTemporaryDir dir;
        const QString path = dir.filePath("rows.csv");
        QVERIFY(test::writeFile(path, "old"));
        prompter->queueSaveFile(path);
        prompter->queueConfirm(true);
        QVERIFY(!exportListView(*model({"x"}, {{"1"}})));
        QCOMPARE(prompter->infos(), QStringList{ledgerReplacedText()});
        QCOMPARE(readFile(path), QByteArray("old"));
    }

    void pageExportReadsInPython() {
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        QVERIFY2(ledger.isOpen(), qPrintable(ledger.error()));
        const QString sql = "insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, "
                            "Account, Memo, EventDate, myType) values(?,?,?,?,?,?,?,1)";
        ledger.db().exec(sql, {"张三", "工资, 年终", 1234.5, "CCB", "6222", "多行\n备注, \"引号\"",
                               "2024-03-01"});
        ledger.db().exec(
            sql, {"王五", "工资", 1000.0, "CCB", "6222", "1,000 元 给小王, 小李", "2024-03-03"});
        ledger.db().exec(sql, {"李四", "奖金", 100.0, "现金", "", "", "2024-03-02"});
        InOutPage page(InOutKind::income());
        page.showCurrentPeriod();
        QTemporaryDir dir;
        prompter->queueSaveFile(dir.filePath("income.csv"));
        page.findChild<QToolButton *>("sbtn_income_cvs")->click();
        QCOMPARE(prompter->infos(), QStringList{"保存成功。"});

        QProcess python;
        python.start("python3", {"-c",
                                 "import csv, json, sys\n"
                                 "f = open(sys.argv[1], encoding='gbk', newline='')\n"
                                 "print(json.dumps(list(csv.reader(f))))\n",
                                 dir.filePath("income.csv")});
        QVERIFY(python.waitForFinished(20000));
        QCOMPARE(python.exitCode(), 0);
        const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(0).toArray().size(), 9); // eight columns and the trailing comma's field
        QCOMPARE(rows.at(0).toArray().at(1).toString(), QString("收入者"));
        QMap<QString, QJsonArray> byName;
        for (const QJsonValue &row : rows)
            byName[row.toArray().at(1).toString()] = row.toArray();
        const QJsonArray first = byName["张三"];
        QCOMPARE(first.size(), 9);
        QVERIFY(first.at(0).toString().toInt() > 0); // the hidden key column is exported
        QCOMPARE(first.at(3).toString(), QString("工资, 年终"));
        QCOMPARE(first.at(4).toString(), QString("1234.5"));
        QCOMPARE(first.at(6).toString(), QString("6222"));
        QCOMPARE(first.at(7).toString(), QString("多行\n备注, \"引号\""));
        QCOMPARE(byName["李四"].at(4).toString(), QString("100"));
        QCOMPARE(byName["王五"].at(7).toString(), QString("1,000 元 给小王, 小李"));
    }
};

QTEST_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
