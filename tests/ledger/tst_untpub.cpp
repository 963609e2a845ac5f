#include "ledger/core/untpub.h"
#include "ledger/data/tfrmdm.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace ledger;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a modal message box showed, captured while it was up and then answered.
struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
};

void answerNextBox(SeenBox *seen, QMessageBox::StandardButton press) {
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen, press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->title = box->windowTitle();
        seen->text = box->text();
        for (QAbstractButton *button : box->buttons())
            seen->buttons << button->text();
        box->button(press)->click();
        poll->deleteLater();
    });
    poll->start(10);
    // Never leave a test waiting on a box that was not found.
    QTimer::singleShot(5000, poll, [poll] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        poll->deleteLater();
    });
}

} // namespace

class TestUntPub : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Text and number helpers.
    void hexToIntReadsHexWithOptionalDollar_data();
    void hexToIntReadsHexWithOptionalDollar();
    void hexToIntRefusesBadText();
    void removeAllCutsFirstOccurrencesRepeatedly_data();
    void removeAllCutsFirstOccurrencesRepeatedly();
    void isFloatIsStrict_data();
    void isFloatIsStrict();
    void parseDateTimeReadsYearMonthDay_data();
    void parseDateTimeReadsYearMonthDay();
    void parseDateTimeFallsBackToNow_data();
    void parseDateTimeFallsBackToNow();
    void versionHasFourNumbers_data();
    void versionHasFourNumbers();

    // File copy.
    void copyToTheSameFileLeavesItUntouched();
    void copyReplacesDestinationWhole();
    void copyFailuresCreateNothing();

    // Database helpers.
    void execSqlBindsAndReportsFailureQuietly();
    void execSqlWithoutConnectionIsFalse();
    void recordExistsIgnoresCaseAndBindsValue();
    void recordExistsRefusesNamesThatAreNotIdentifiers();
    void queryHasRowsTellsEmptyFromNonEmpty();
    void fillKeepsEditTextAndFiresNoSignal();
    void fillAppendsWithEmptyEntry();
    void fillKeepsSelectionOfDropDownList();
    void fillFailureLeavesComboAlone();

    // Messages.
    void showInfoGoesThroughThePrompter();
    void productionBoxesUseTheProgramsTexts();

private:
    std::unique_ptr<test::TempLedger> m_ledger;
    std::unique_ptr<test::ScopedPrompter> m_prompter;
};

void TestUntPub::init() {
    m_prompter = std::make_unique<test::ScopedPrompter>();
    m_ledger = std::make_unique<test::TempLedger>();
    QVERIFY2(m_ledger->isOpen(), qPrintable(m_ledger->error()));
}

void TestUntPub::cleanup() {
    m_ledger.reset();
    m_prompter.reset();
}

void TestUntPub::hexToIntReadsHexWithOptionalDollar_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << "1A" << qint64(26);
    QTest::newRow("dollar") << "$1A" << qint64(26);
    QTest::newRow("lower case") << "ff" << qint64(255);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("zero") << "$0" << qint64(0);
    QTest::newRow("wide") << "7FFFFFFFFF" << qint64(0x7FFFFFFFFF);
}

void TestUntPub::hexToIntReadsHexWithOptionalDollar() {
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(hexToInt(text), value);
}

void TestUntPub::hexToIntRefusesBadText() {
    for (const char *bad : {"xyz", "$", "$$1", "1G", " 1A", "-1", "0x1A", "12345678901234567"})
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, hexToInt(QString::fromLatin1(bad)));
}

void TestUntPub::removeAllCutsFirstOccurrencesRepeatedly_data() {
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("thousands") << ","
                               << "1,234,5"
                               << "12345";
    QTest::newRow("cut joins a new occurrence") << "ab"
                                                << "aabb"
                                                << "";
    QTest::newRow("nested twice") << "ab"
                                  << "aaabbb"
                                  << "";
    QTest::newRow("empty substring") << ""
                                     << "x"
                                     << "x";
    QTest::newRow("absent") << "yuan"
                            << "12.50"
                            << "12.50";
    QTest::newRow("chinese") << "元"
                             << "12元3元"
                             << "123";
}

void TestUntPub::removeAllCutsFirstOccurrencesRepeatedly() {
    QFETCH(QString, sub);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(removeAll(sub, text), result);
}

void TestUntPub::isFloatIsStrict_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::newRow("integer") << "12" << true;
    QTest::newRow("decimal") << "12.5" << true;
    QTest::newRow("negative") << "-3.25" << true;
    QTest::newRow("trailing point") << "5." << true;
    QTest::newRow("leading point") << ".5" << true;
    QTest::newRow("blanks around") << " 5 " << true;
    QTest::newRow("exponent") << "1e3" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "  " << false;
    QTest::newRow("point only") << "." << false;
    QTest::newRow("nan") << "nan" << false;
    QTest::newRow("inf") << "inf" << false;
    QTest::newRow("overflow") << "1e999" << false;
    QTest::newRow("group separator") << "1,234" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("letters") << "12a" << false;
    QTest::newRow("comma decimal") << "12,5" << false;
}

void TestUntPub::isFloatIsStrict() {
    QFETCH(QString, text);
    QFETCH(bool, number);
    QCOMPARE(isFloat(text), number);
}

void TestUntPub::parseDateTimeReadsYearMonthDay_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("when");
    QTest::newRow("unpadded date") << "2024-3-5" << QDateTime(QDate(2024, 3, 5), QTime(0, 0));
    QTest::newRow("stored date") << "2024-03-05" << QDateTime(QDate(2024, 3, 5), QTime(0, 0));
    QTest::newRow("date and time")
        << "2024-03-05 14:03:07" << QDateTime(QDate(2024, 3, 5), QTime(14, 3, 7));
    QTest::newRow("no seconds") << "2024-12-31 9:5" << QDateTime(QDate(2024, 12, 31), QTime(9, 5));
    QTest::newRow("leap day") << "2024-2-29" << QDateTime(QDate(2024, 2, 29), QTime(0, 0));
}

void TestUntPub::parseDateTimeReadsYearMonthDay() {
    QFETCH(QString, text);
    QFETCH(QDateTime, when);
    QCOMPARE(parseDateTime(text), when);
}

void TestUntPub::parseDateTimeFallsBackToNow_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("empty") << "";
    QTest::newRow("no such day") << "2023-2-29";
    QTest::newRow("no such hour") << "2024-03-05 25:00:00";
    QTest::newRow("slashes") << "2024/03/05";
    QTest::newRow("day first") << "05-03-2024x";
}

void TestUntPub::parseDateTimeFallsBackToNow() {
    QFETCH(QString, text);
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime parsed = parseDateTime(text);
    const QDateTime after = QDateTime::currentDateTime();
    QVERIFY(parsed >= before.addSecs(-1));
    QVERIFY(parsed <= after.addSecs(1));
}

void TestUntPub::versionHasFourNumbers_data() {
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("version");
    QTest::newRow("four parts") << "1.2.3.4"
                                << "1.2.3.4";
    QTest::newRow("two parts") << "2.7"
                               << "2.7.0.0";
    QTest::newRow("none") << ""
                          << "0.0.0.0";
    QTest::newRow("not numbers") << "a.b"
                                 << "0.0.0.0";
    QTest::newRow("over 16 bits") << "70000.1"
                                  << "0.0.0.0";
    QTest::newRow("five parts") << "1.2.3.4.5"
                                << "0.0.0.0";
}

void TestUntPub::versionHasFourNumbers() {
    QFETCH(QString, project);
    QFETCH(QString, version);
    QCOMPARE(versionFromText(project), version);
    QVERIFY(QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$").match(getExeVersion()).hasMatch());
}

void TestUntPub::copyToTheSameFileLeavesItUntouched() {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.db");
    QVERIFY(writeFile(file, "content"));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QVERIFY(QFile::link(file, dir.filePath("link.db")));
    for (const QString &other :
         {file, dir.path() + "/sub/../a.db", dir.path() + "//a.db", dir.filePath("link.db")}) {
        QVERIFY2(copyFileByStream(file, other), qPrintable(other));
        QCOMPARE(readFile(file), QByteArray("content"));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System),
             QStringList({"a.db", "link.db"}));
}

void TestUntPub::copyReplacesDestinationWhole() {
    QTemporaryDir dir;
    QByteArray big(300000, 'b');
    big[0] = '\0';
    QVERIFY(writeFile(dir.filePath("src"), big));
    QVERIFY(writeFile(dir.filePath("dst"), QByteArray(500000, 'x')));
    QVERIFY(copyFileByStream(dir.filePath("src"), dir.filePath("dst")));
    QCOMPARE(readFile(dir.filePath("dst")), big);
    QVERIFY(copyFileByStream(dir.filePath("src"), dir.filePath("new")));
    QCOMPARE(readFile(dir.filePath("new")), big);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"dst", "new", "src"}));
}

void TestUntPub::copyFailuresCreateNothing() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("src"), "data"));
    QVERIFY(!copyFileByStream(dir.filePath("missing"), dir.filePath("dst")));
    QVERIFY(!QFile::exists(dir.filePath("dst")));
    QVERIFY(!copyFileByStream(dir.filePath("src"), dir.filePath("no/such/folder/dst")));
    QVERIFY(QDir(dir.path()).mkdir("taken"));
    QVERIFY(!copyFileByStream(dir.filePath("src"), dir.filePath("taken")));
    QVERIFY(QFileInfo(dir.filePath("taken")).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"src"});
}

void TestUntPub::execSqlBindsAndReportsFailureQuietly() {
    const QString memo = QStringLiteral("O'Neil: 10:30 %s ? 备注");
    int changed = -1;
    QVERIFY(execSQL("insert into kx_InAndOut(Memo, FundsNum, myType) values(?, ?, ?)",
                    {memo, 3.5, 1}, &changed));
    QCOMPARE(changed, 1);
    QCOMPARE(m_ledger->scalar("select Memo from kx_InAndOut").toString(), memo);
    QVERIFY(execSQL("update kx_InAndOut set IsValid='0' where id=?", {99}, &changed));
    QCOMPARE(changed, 0);
    QVERIFY(!execSQL("insert into kx_nothing values(1)"));
    QVERIFY(!execSQL("insert into kx_InAndOut(Memo) values(?)")); // value missing
    QCOMPARE((*m_prompter)->calls().size(), 0);
}

void TestUntPub::execSqlWithoutConnectionIsFalse() {
    m_ledger.reset();
    QVERIFY(frmDM == nullptr);
    QVERIFY(!execSQL("select 1"));
    QVERIFY_THROWS_EXCEPTION(DbError, queryHasRows("select 1"));
}

void TestUntPub::recordExistsIgnoresCaseAndBindsValue() {
    m_ledger->addUser("admin", "1");
    m_ledger->addUser("o'hara", "1");
    QVERIFY(recordExists("kx_user", "logName", "admin"));
    QVERIFY(recordExists("kx_user", "LogName", "ADMIN"));
    QVERIFY(recordExists("KX_USER", "LogName", "O'Hara"));
    QVERIFY(!recordExists("kx_user", "LogName", "adm"));
    QVERIFY(!recordExists("kx_user", "LogName", "x' or '1'='1"));
}

void TestUntPub::recordExistsRefusesNamesThatAreNotIdentifiers() {
    QVERIFY_THROWS_EXCEPTION(DbError, recordExists("kx_user where 1=1 --", "LogName", "a"));
    QVERIFY_THROWS_EXCEPTION(DbError, recordExists("kx_user", "LogName=LogName or 1", "a"));
    QVERIFY_THROWS_EXCEPTION(DbError, recordExists("kx_user", "NoSuchColumn", "a"));
    QVERIFY_THROWS_EXCEPTION(DbError, recordExists("", "LogName", "a"));
}

void TestUntPub::queryHasRowsTellsEmptyFromNonEmpty() {
    QVERIFY(!queryHasRows("select * from kx_Card where IsValid=?", {"1"}));
    QVERIFY(execSQL("insert into kx_Card(Account, IsValid) values(?, ?)", {"1", "1"}));
    QVERIFY(queryHasRows("select * from kx_Card where IsValid=?", {"1"}));
    QVERIFY(!queryHasRows("select * from kx_Card where IsValid=?", {"0"}));
    QVERIFY_THROWS_EXCEPTION(DbError, queryHasRows("select * from kx_nothing"));
}

void TestUntPub::fillKeepsEditTextAndFiresNoSignal() {
    for (const char *name : {"张三", "李四"})
        QVERIFY(execSQL("insert into kx_hash(keyname, keyvalue, seqid) values('StaffName', ?, ?)",
                        {QString::fromUtf8(name), m_ledger->rowCount("kx_hash")}));
    QComboBox combo;
    combo.setEditable(true);
    combo.setEditText("typed");
    QSignalSpy text(&combo, &QComboBox::currentTextChanged);
    QSignalSpy index(&combo, &QComboBox::currentIndexChanged);
    fillItemsFromQuery("select keyvalue from kx_hash where keyname=? order by seqid", {"staffname"},
                       "KEYVALUE", &combo, true, false);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QStringLiteral("张三"));
    QCOMPARE(combo.itemText(1), QStringLiteral("李四"));
    QCOMPARE(combo.currentText(), QStringLiteral("typed"));
    QCOMPARE(text.count(), 0);
    QCOMPARE(index.count(), 0);
}

void TestUntPub::fillAppendsWithEmptyEntry() {
    QVERIFY(execSQL("insert into kx_hash(keyname, keyvalue, seqid) values(?, ?, ?)",
                    {"FundsType", "信用卡", 1}));
    QComboBox combo;
    combo.addItem("现金");
    fillItemsFromQuery("select keyvalue from kx_hash where keyname=?", {"FundsType"}, "keyvalue",
                       &combo, false, false);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.currentText(), QStringLiteral("现金"));
    fillItemsFromQuery("select keyvalue from kx_hash where keyname=?", {"FundsType"}, "keyvalue",
                       &combo, true, true);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QString());
    QCOMPARE(combo.itemText(1), QStringLiteral("信用卡"));
}

void TestUntPub::fillKeepsSelectionOfDropDownList() {
    for (const char *v : {"A", "B", "C"})
        QVERIFY(execSQL("insert into kx_hash(keyname, keyvalue, seqid) values('OutType', ?, 0)",
                        {QString::fromLatin1(v)}));
    const QString sql = "select keyvalue from kx_hash where keyname='OutType' order by keyvalue";
    QComboBox combo; // not editable
    fillItemsFromQuery(sql, {}, "keyvalue", &combo, true, false);
    QCOMPARE(combo.currentIndex(), -1); // nothing was chosen, nothing is chosen now
    combo.setCurrentIndex(1);
    QSignalSpy index(&combo, &QComboBox::currentIndexChanged);
    fillItemsFromQuery(sql, {}, "keyvalue", &combo, true, true);
    QCOMPARE(combo.currentText(), QStringLiteral("B"));
    QCOMPARE(index.count(), 0);
}

void TestUntPub::fillFailureLeavesComboAlone() {
    QComboBox combo;
    combo.addItems({"x", "y"});
    combo.setCurrentIndex(1);
    QVERIFY_THROWS_EXCEPTION(
        DbError, fillItemsFromQuery("select nothing from kx_void", {}, "a", &combo, true, true));
    QVERIFY_THROWS_EXCEPTION(DbError, fillItemsFromQuery("select keyvalue from kx_hash", {},
                                                         "keyname", &combo, true, true));
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.currentText(), QStringLiteral("y"));
}

void TestUntPub::showInfoGoesThroughThePrompter() {
    showInfo("保存成功!");
    QCOMPARE((*m_prompter)->calls().size(), 1);
    QCOMPARE((*m_prompter)->calls().first().kind, test::PromptCall::Info);
    QCOMPARE((*m_prompter)->calls().first().caption, QStringLiteral("提示"));
    QCOMPARE((*m_prompter)->lastInfo(), QStringLiteral("保存成功!"));
}

void TestUntPub::productionBoxesUseTheProgramsTexts() {
    auto recorder = Prompter::install(nullptr); // the production prompter
    SeenBox info;
    answerNextBox(&info, QMessageBox::Ok);
    showInfo("数据库文件不存在。");
    SeenBox question;
    answerNextBox(&question, QMessageBox::Cancel);
    const bool confirmed = Prompter::instance().confirm("确定要删除吗?", "删除");
    SeenBox accepted;
    answerNextBox(&accepted, QMessageBox::Ok);
    const bool ok = Prompter::instance().confirm("确定要恢复吗?", "恢复");
    SeenBox failed;
    answerNextBox(&failed, QMessageBox::Ok);
    Prompter::instance().message("登录失败", "用户名、密码不正确!");
    Prompter::install(std::move(recorder));

    QCOMPARE(failed.title, QStringLiteral("登录失败"));
    QCOMPARE(failed.text, QStringLiteral("用户名、密码不正确!"));
    QCOMPARE(failed.buttons, QStringList{"确定"});

    QCOMPARE(info.title, QStringLiteral("提示"));
    QCOMPARE(info.text, QStringLiteral("数据库文件不存在。"));
    QCOMPARE(info.buttons, QStringList{"确定"});
    QCOMPARE(question.title, QStringLiteral("删除"));
    QCOMPARE(question.buttons.size(), 2);
    QVERIFY(question.buttons.contains("确定"));
    QVERIFY(question.buttons.contains("取消"));
    QVERIFY(!confirmed);
    QVERIFY(ok);
}

QTEST_MAIN(TestUntPub)
#include "tst_untpub.moc"
