#include "ledger/app/datetext.h"
#include "ledger/core/exeversion.h"
#include "ledger/core/prompter.h"
#include "ledger/core/texttools.h"
#include "ledger/datamodule/dbstatements.h"
#include "ledger/datamodule/tfrmdm.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <limits>

using namespace ledger;

namespace {

// Answers the next modal message box with press and records its title, text and buttons.
void answerNextBox(QStringList *seen, QMessageBox::StandardButton press) {
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen, press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seen << box->windowTitle() << box->text();
        for (QAbstractButton *button : box->buttons())
            *seen << button->text();
        box->button(press)->click();
        poll->deleteLater();
    });
    poll->start(10);
    QTimer::singleShot(5000, poll, [poll] { // never leave a test waiting on a box
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        poll->deleteLater();
    });
}

} // namespace

class TestUntPub : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ScopedPrompter> m_prompter;
    std::unique_ptr<test::TempLedger> m_ledger;

private slots:
    void init() {
        m_prompter = std::make_unique<test::ScopedPrompter>();
        m_ledger = std::make_unique<test::TempLedger>();
        QVERIFY2(m_ledger->isOpen(), qPrintable(m_ledger->error()));
    }
    void cleanup() {
        m_ledger.reset();
        m_prompter.reset();
    }

    void hexToInt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value"); // -1: refused
        QTest::newRow("plain") << "1A" << qint64(26);
        QTest::newRow("dollar") << "$1A" << qint64(26);
        QTest::newRow("lower case") << "ff" << qint64(255);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("wide") << "7FFFFFFFFF" << qint64(0x7FFFFFFFFF);
        QTest::newRow("largest") << "$7FFFFFFFFFFFFFFF" << std::numeric_limits<qint64>::max();
        QTest::newRow("leading zeros") << "0000000000000000001A" << qint64(26);
        // Values beyond the type are refused, never wrapped to a negative number.
        for (const char *bad : {"xyz", "$", "$$1", "1G", " 1A", "-1", "0x1A", "8000000000000000",
                                "FFFFFFFFFFFFFFFF", "$10000000000000000"})
            QTest::newRow(bad) << bad << qint64(-1);
    }
    void hexToInt() {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        if (value < 0)
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ledger::hexToInt(text));
        else
            QCOMPARE(ledger::hexToInt(text), value);
    }

    void removeAllCutsRepeatedly_data() {
        QTest::addColumn<QString>("sub");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        const auto row = [](const char *tag, const char *sub, const char *text,
                            const char *result) {
            QTest::newRow(tag) << QString(sub) << QString(text) << QString(result);
        };
        row("thousands", ",", "1,234,5", "12345");
        row("cut joins a new occurrence", "ab", "aabb", "");
        row("nested twice", "ab", "aaabbb", "");
        row("empty substring", "", "x", "x");
        row("chinese", "元", "12元3元", "123");
    }
    void removeAllCutsRepeatedly() {
        QFETCH(QString, sub);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(removeAll(sub, text), result);
    }

    void isFloatIsStrict_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        for (const char *yes : {"12", "-3.25", "5.", ".5", " 5 ", "1e3"})
            QTest::newRow(yes) << yes << true;
        for (const char *no :
             {"", "  ", ".", "nan", "inf", "-inf", "1e999", "1,234", "1.2.3", "12a"})
            QTest::newRow(no) << no << false;
    }
    void isFloatIsStrict() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(isFloat(text), number);
    }

    void parseDateTime_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("when"); // invalid: now
        const QDate day(2024, 3, 5);
        QTest::newRow("unpadded date") << "2024-3-5" << QDateTime(day, QTime(0, 0));
        QTest::newRow("stored date") << "2024-03-05" << QDateTime(day, QTime(0, 0));
        QTest::newRow("date and time") << "2024-03-05 14:03:07" << QDateTime(day, QTime(14, 3, 7));
        QTest::newRow("no seconds") << "2024-03-05 9:5" << QDateTime(day, QTime(9, 5));
        QTest::newRow("leap day") << "2024-2-29" << QDateTime(QDate(2024, 2, 29), QTime(0, 0));
        for (const char *bad : {"garbage", "", "2023-2-29", "2024-03-05 25:00:00", "2024/03/05"})
            QTest::newRow(bad) << bad << QDateTime();
    }
    void parseDateTime() {
        QFETCH(QString, text);
        QFETCH(QDateTime, when);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        const QDateTime parsed = ledger::parseDateTime(text);
        if (when.isValid()) {
            QCOMPARE(parsed, when);
        } else {
            QVERIFY(parsed >= before);
            QVERIFY(parsed <= QDateTime::currentDateTime().addSecs(1));
        }
    }

    void versionHasFourNumbers_data() {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("version");
        const auto row = [](const char *project, const char *version) {
            QTest::newRow(project) << QString(project) << QString(version);
        };
        row("1.2.3.4", "1.2.3.4");
        row("2.7", "2.7.0.0");
        for (const char *bad : {"", "a.b", "70000.1", "1.2.3.4.5"})
            row(bad, "0.0.0.0");
    }
    void versionHasFourNumbers() {
        QFETCH(QString, project);
        QFETCH(QString, version);
        QCOMPARE(versionFromText(project), version);
        QVERIFY(
            QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$").match(getExeVersion()).hasMatch());
    }

    void databaseHelpers() {
        const QString memo = QStringLiteral("O'Neil: 10:30 %s ? 备注");
        int changed = -1;
        QVERIFY(execSQL("insert into kx_Card(Memo, Account, IsValid) values(?, ?, ?)",
                        {memo, "1", "1"}, &changed));
        QCOMPARE(changed, 1);
        QCOMPARE(m_ledger->scalar("select Memo from kx_Card").toString(), memo);
        QVERIFY(execSQL("update kx_Card set IsValid='0' where cardid=?", {99}, &changed));
        QCOMPARE(changed, 0);
        QVERIFY(!execSQL("insert into kx_nothing values(1)"));
        QVERIFY(!execSQL("insert into kx_Card(Memo) values(?)")); // value missing
        QCOMPARE((*m_prompter)->calls().size(), 0);               // quietly

        QVERIFY(queryHasRows("select * from kx_Card where IsValid=?", {"1"}));
        QVERIFY(!queryHasRows("select * from kx_Card where IsValid=?", {"0"}));
        QVERIFY_THROWS_EXCEPTION(DbError, queryHasRows("select * from kx_nothing"));

        m_ledger->addUser("o'hara", "1");
        QVERIFY(recordExists("KX_USER", "logName", "O'Hara"));
        QVERIFY(!recordExists("kx_user", "LogName", "o'har"));
        QVERIFY(!recordExists("kx_user", "LogName", "x' or '1'='1"));
        QVERIFY_THROWS_EXCEPTION(DbError, recordExists("kx_user where 1=1 --", "LogName", "a"));
        QVERIFY_THROWS_EXCEPTION(DbError, recordExists("kx_user", "LogName=LogName or 1", "a"));
        QVERIFY_THROWS_EXCEPTION(DbError, recordExists("kx_user", "NoSuchColumn", "a"));

        m_ledger.reset();
        QVERIFY(!execSQL("select 1")); // no connection
    }

    void fillComboKeepsWhatWasThere() {
        int seq = 0;
        for (const char *v : {"张三", "李四"})
            QVERIFY(execSQL("insert into kx_hash(keyname, keyvalue, seqid) values(?, ?, ?)",
                            {"StaffName", QString::fromUtf8(v), ++seq}));
        const QString sql = "select keyvalue from kx_hash where keyname=? order by seqid";
        QComboBox editable;
        editable.setEditable(true);
        editable.setEditText("typed");
        QSignalSpy text(&editable, &QComboBox::currentTextChanged);
        fillItemsFromQuery(sql, {"staffname"}, "KEYVALUE", &editable, true, false);
        QCOMPARE(editable.count(), 2);
        QCOMPARE(editable.itemText(1), QStringLiteral("李四"));
        QCOMPARE(editable.currentText(), QStringLiteral("typed"));
        QCOMPARE(text.count(), 0);

        QComboBox list; // not editable: the chosen item stays chosen
        list.addItem("现金");
        fillItemsFromQuery(sql, {"StaffName"}, "keyvalue", &list, false, false); // appended
        QCOMPARE(list.count(), 3);
        list.setCurrentIndex(2);
        QSignalSpy index(&list, &QComboBox::currentIndexChanged);
        fillItemsFromQuery(sql, {"StaffName"}, "keyvalue", &list, true, true);
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.itemText(0), QString()); // the empty entry
        QCOMPARE(list.currentText(), QStringLiteral("李四"));
        QCOMPARE(index.count(), 0);
        // A failing query or column leaves the combo as it was.
        QVERIFY_THROWS_EXCEPTION(
            DbError, fillItemsFromQuery("select a from kx_void", {}, "a", &list, true, true));
        QVERIFY_THROWS_EXCEPTION(
            DbError, fillItemsFromQuery(sql, {"StaffName"}, "keyname", &list, true, true));
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.currentText(), QStringLiteral("李四"));
    }

    void productionBoxesUseTheProgramsTexts() {
        auto recorder = Prompter::install(nullptr); // the production prompter
        QStringList info, question, failed;
        answerNextBox(&info, QMessageBox::Ok);
        showInfo("数据库文件不存在。");
        answerNextBox(&question, QMessageBox::Cancel);
        const bool cancelled = !Prompter::instance().confirm("确定要删除吗?", "删除");
        answerNextBox(&failed, QMessageBox::Ok);
        Prompter::instance().message("登录失败", "用户名、密码不正确!");
        Prompter::install(std::move(recorder));

        QCOMPARE(info, QStringList({"提示", "数据库文件不存在。", "确定"}));
        QCOMPARE(failed, QStringList({"登录失败", "用户名、密码不正确!", "确定"}));
        QCOMPARE(question.mid(0, 2), QStringList({"删除", "确定要删除吗?"}));
        QCOMPARE(QSet<QString>(question.begin() + 2, question.end()),
                 QSet<QString>({"确定", "取消"}));
        QVERIFY(cancelled);
    }
};

QTEST_MAIN(TestUntPub)
#include "tst_untpub.moc"
