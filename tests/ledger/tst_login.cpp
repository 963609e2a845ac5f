#include "ledger/core/untvar.h"
#include "ledger/users/loginkeyfilter.h"
#include "ledger/users/tfrmlogin.h"
#include "ledger/users/tfrmreg.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
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
        QTest::newRow("blanks trimmed") << "admin"
                                        << "123456"
                                        << "  admin "
                                        << " 123456";
        QTest::newRow("chinese") << "张三"
                                 << "密码123"
                                 << "张三"
                                 << "密码123";
        QTest::newRow("blank and symbols") << "Mary Ann!@#"
                                           << "a b$%"
                                           << "Mary Ann!@#"
                                           << "a b$%";
        QTest::newRow("quote") << "o'brien"
                               << "x'y"
                               << "o'brien"
                               << "x'y";
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
        const QString empty = QStringLiteral("用户名、密码不能为空!");
        const QString wrong = QStringLiteral("用户名、密码不正确!");
        QTest::newRow("both empty") << ""
                                    << "" << empty;
        QTest::newRow("name blank") << "   "
                                    << "123456" << empty;
        QTest::newRow("password blank") << " admin "
                                        << "  " << empty;
        QTest::newRow("wrong password") << "admin"
                                        << "12345" << wrong;
        QTest::newRow("unknown name") << "nobody"
                                      << "123456" << wrong;
        QTest::newRow("other user's password") << "bob"
                                               << "123456" << wrong;
        // The row is found (names compare without case); the stored form is of "admin".
        QTest::newRow("name in other case") << "ADMIN"
                                            << "123456" << wrong;
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

    void registerButtonOpensSignUp() {
        Form f;
        QString seenTitle;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *reg = qobject_cast<TfrmReg *>(modal)) {
                seenTitle = reg->windowTitle();
                reg->reject();
            } else if (modal) {
                modal->close();
            }
        });
        f.click("btnReg");
        QCOMPARE(seenTitle, QStringLiteral("用户注册"));
        QVERIFY(f.dialog.isVisible());
        QTRY_VERIFY(f.dialog.findChildren<TfrmReg *>().isEmpty()); // freed on close
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
