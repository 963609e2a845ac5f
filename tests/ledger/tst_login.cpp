#include "ledger/core/currentuser.h"
#include "ledger/users/loginkeyfilter.h"
#include "ledger/users/tfrmlogin.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ledger;
using ledger::test::PromptCall;
using ledger::test::TempLedger;

class TstLogin : public QObject {
    Q_OBJECT

    struct Form {
        test::ScopedPrompter prompter;
        TempLedger ledger;
        TfrmLogin dialog;
        QLineEdit *user = dialog.findChild<QLineEdit *>(QStringLiteral("edt_user"));
        QLineEdit *pwd = dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"));
        Form() {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
        void click(const char *name) {
            dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click();
        }
        // Types as a person would: ASCII as key presses, the rest through the input method.
        void type(const QString &name, const QString &password) {
            for (auto [edit, text] : {std::pair{user, name}, std::pair{pwd, password}}) {
                edit->clear();
                for (QChar c : text) {
                    if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
                        QTest::keyClick(edit, char(c.unicode()));
                    } else {
                        QInputMethodEvent event;
                        event.setCommitString(QString(c));
                        QCoreApplication::sendEvent(edit, &event);
                    }
                }
                QCOMPARE(edit->text(), text);
            }
        }
    };

private slots:
    void namesThatSignUpLogIn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedPassword");
        const auto row = [](const char *tag, const char *name, const char *password,
                            const char *typedName, const char *typedPassword) {
            QTest::newRow(tag) << QString(name) << QString(password) << QString(typedName)
                               << QString(typedPassword);
        };
        row("blanks trimmed", "admin", "123456", "  admin ", " 123456");
        row("chinese", "张三", "密码123", "张三", "密码123");
        row("blank and symbols", "Mary Ann!@#", "a b$%", "Mary Ann!@#", "a b$%");
        row("quote", "o'brien", "x'y", "o'brien", "x'y");
    }
    void namesThatSignUpLogIn() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, typedName);
        QFETCH(QString, typedPassword);
        Form f;
        f.ledger.addUser(QStringLiteral("bob"), QStringLiteral("pw"));
        const int id = f.ledger.addUser(name, password);
        f.type(typedName, typedPassword);
        f.click("btn_OK");
        QCOMPARE(f.dialog.result(), int(TfrmLogin::LoggedIn));
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(currentUserId, id);
        QCOMPARE(currentLogName, name);
        QCOMPARE(f.prompter->calls().size(), 0);
    }

    void enterMovesFocusThenLogsIn() {
        Form f;
        const int id = f.ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        f.user->setFocus();
        QTest::keyClicks(f.user, QStringLiteral("admin"));
        QTest::keyClick(f.user, Qt::Key_Return);
        QVERIFY(f.pwd->hasFocus());
        QCOMPARE(f.prompter->calls().size(), 0); // no login attempt yet
        QTest::keyClicks(f.pwd, QStringLiteral("123456"));
        QTest::keyClick(f.pwd, Qt::Key_Return);
        QCOMPARE(f.dialog.result(), int(TfrmLogin::LoggedIn));
        QCOMPARE(currentUserId, id);
    }

    void refusedLogins_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *tag, const char *name, const char *password, bool empty) {
            QTest::newRow(tag) << QString(name) << QString(password)
                               << QString(empty ? "用户名、密码不能为空!" : "用户名、密码不正确!");
        };
        row("both empty", "", "", true);
        row("name blank", "   ", "123456", true);
        row("password blank", " admin ", "  ", true);
        row("wrong password", "admin", "12345", false);
        row("unknown name", "nobody", "123456", false);
        row("other user's password", "bob", "123456", false);
        // The row is found (names compare without case); the stored form is of "admin".
        row("name in other case", "ADMIN", "123456", false);
    }
    void refusedLogins() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        Form f;
        f.ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        f.ledger.addUser(QStringLiteral("bob"), QStringLiteral("secret"));
        f.type(name, password);
        f.click("btn_OK");
        QCOMPARE(f.prompter->texts(), QStringList{message});
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), 0);
        QCOMPARE(currentUserId, 0);
        if (f.prompter->calls().first().kind == PromptCall::Message) {
            QCOMPARE(f.prompter->calls().first().caption, QStringLiteral("登录失败"));
            QVERIFY(f.user->text().isEmpty() && f.pwd->text().isEmpty());
            QVERIFY(f.user->hasFocus());
        } else {
            QCOMPARE(currentLogName, name.trimmed()); // kept although the attempt failed
        }
    }

    void controlCharactersAreRefused() {
        Form f;
        for (QLineEdit *edit : {f.user, f.pwd}) {
            edit->insert(QStringLiteral("ab"));
            edit->insert(QStringLiteral("c\td"));
            edit->insert(QString(QChar(0x7f)));
            QApplication::clipboard()->setText(QStringLiteral("x\ny"));
            edit->paste();
            QCOMPARE(edit->text(), QStringLiteral("ab"));
        }
        QVERIFY(LoginKeyFilter::acceptsChar(QChar(0x5f20)));
        QVERIFY(LoginKeyFilter::acceptsChar(QLatin1Char(' ')));
        QVERIFY(!LoginKeyFilter::acceptsChar(QChar(0x1b)));
    }

    void cancelAndCloseEndWithoutLogin() {
        {
            Form f;
            f.click("Btn_Cancel");
            QCOMPARE(f.dialog.result(), int(TfrmLogin::Cancelled));
            QVERIFY(!f.dialog.isVisible());
        }
        {
            Form f;
            f.dialog.close();
            QVERIFY(!f.dialog.isVisible());
            QVERIFY(f.dialog.result() != TfrmLogin::LoggedIn);
        }
        QCOMPARE(currentUserId, 0);
    }

    void databaseErrorKeepsDialogOpenAndSaysSo() {
        Form f;
        f.ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        f.ledger.db().close();
        f.type(QStringLiteral("admin"), QStringLiteral("123456"));
        f.click("btn_OK");
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(currentUserId, 0);
        QCOMPARE(f.prompter->infos(), QStringList{TfrmDM::connectionFailedText()});
    }
};

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
