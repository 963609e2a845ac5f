#include "ledger/app/paths.h"
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
using ledger::test::ScopedPrompter;
using ledger::test::TempLedger;

namespace {

// Types text as a person would: Latin-1 characters as key presses, anything else as text
// committed by the input method.
void typeText(QWidget *widget, const QString &text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QInputMethodEvent event;
            event.setCommitString(QString(c));
            QCoreApplication::sendEvent(widget, &event);
        }
    }
}

} // namespace

class TstLogin : public QObject {
    Q_OBJECT

    struct Form {
        TfrmLogin dialog;
        QLineEdit *user;
        QLineEdit *pwd;
        Form()
            : user(dialog.findChild<QLineEdit *>(QStringLiteral("edt_user"))),
              pwd(dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"))) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
        QPushButton *button(const char *name) {
            return dialog.findChild<QPushButton *>(QString::fromLatin1(name));
        }
        void type(const QString &name, const QString &password) {
            user->clear();
            pwd->clear();
            typeText(user, name);
            typeText(pwd, password);
        }
    };

private slots:
    void init() { currentUserId = 0, currentLogName.clear(); }

    void windowLayout() {
        TempLedger ledger;
        Form f;
        QCOMPARE(f.dialog.windowTitle(), QStringLiteral("用户登录"));
        QCOMPARE(f.dialog.size(), QSize(280, 220));
        QVERIFY(f.user && f.pwd);
        QCOMPARE(f.pwd->echoMode(), QLineEdit::Password);
        QCOMPARE(f.button("btnReg")->text(), QStringLiteral("用户注册"));
        QCOMPARE(f.button("btn_OK")->text(), QStringLiteral("登录"));
        QCOMPARE(f.button("Btn_Cancel")->text(), QStringLiteral("取消"));
        // Every widget lies inside the dialog (nothing clipped at the fixed size).
        for (QWidget *w : f.dialog.findChildren<QWidget *>()) {
            if (w->isVisible() && w->parentWidget() == &f.dialog)
                QVERIFY2(f.dialog.rect().contains(w->geometry()), qPrintable(w->objectName()));
        }
    }

    void correctPasswordLogsIn() {
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.addUser(QStringLiteral("bob"), QStringLiteral("pw"));
        const int id = ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        Form f;
        f.type(QStringLiteral("  admin "), QStringLiteral(" 123456"));
        f.button("btn_OK")->click();
        QCOMPARE(f.dialog.result(), int(TfrmLogin::LoggedIn));
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(currentUserId, id);
        QCOMPARE(currentLogName, QStringLiteral("admin"));
        QVERIFY(prompter->calls().isEmpty());
    }

    void enterMovesFocusThenLogsIn() {
        ScopedPrompter prompter;
        TempLedger ledger;
        const int id = ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        Form f;
        f.user->setFocus();
        QTest::keyClicks(f.user, QStringLiteral("admin"));
        QTest::keyClick(f.user, Qt::Key_Return);
        QVERIFY(f.pwd->hasFocus());
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(currentUserId, 0);
        QVERIFY(prompter->calls().isEmpty()); // no login attempt yet
        QTest::keyClicks(f.pwd, QStringLiteral("123456"));
        QTest::keyClick(f.pwd, Qt::Key_Return);
        QCOMPARE(f.dialog.result(), int(TfrmLogin::LoggedIn));
        QCOMPARE(currentUserId, id);
    }

    void emptyFieldsAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("both") << QString() << QString();
        QTest::newRow("name blank") << QStringLiteral("   ") << QStringLiteral("123456");
        QTest::newRow("password blank") << QStringLiteral(" admin ") << QStringLiteral("  ");
    }
    void emptyFieldsAreRefused() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        Form f;
        f.type(name, password);
        f.button("btn_OK")->click();
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("用户名、密码不能为空!")});
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), 0);
        // The typed name is kept even though the attempt failed.
        QCOMPARE(currentLogName, name.trimmed());
        QCOMPARE(currentUserId, 0);
    }

    void wrongPasswordAndUnknownNameLookAlike_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong password") << QStringLiteral("admin") << QStringLiteral("12345");
        QTest::newRow("unknown name") << QStringLiteral("nobody") << QStringLiteral("123456");
        QTest::newRow("other user's password") << QStringLiteral("bob") << QStringLiteral("123456");
        // The row is found (names compare without case), but the stored form was made
        // from the name as signed up.
        QTest::newRow("name in other case") << QStringLiteral("ADMIN") << QStringLiteral("123456");
    }
    void wrongPasswordAndUnknownNameLookAlike() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        ledger.addUser(QStringLiteral("bob"), QStringLiteral("secret"));
        Form f;
        f.type(name, password);
        f.button("btn_OK")->click();
        QCOMPARE(prompter->calls().size(), 1);
        const PromptCall call = prompter->calls().first();
        QCOMPARE(call.kind, PromptCall::Message);
        QCOMPARE(call.caption, QStringLiteral("登录失败"));
        QCOMPARE(call.text, QStringLiteral("用户名、密码不正确!"));
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), 0);
        QVERIFY(f.user->text().isEmpty());
        QVERIFY(f.pwd->text().isEmpty());
        QVERIFY(f.user->hasFocus());
        QCOMPARE(currentUserId, 0);
    }

    void everyNameThatSignsUpCanBeTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("chinese") << QStringLiteral("张三") << QStringLiteral("密码123");
        QTest::newRow("blank and symbols")
            << QStringLiteral("Mary Ann!@#") << QStringLiteral("a b$%");
        QTest::newRow("quote") << QStringLiteral("o'brien") << QStringLiteral("x'y");
    }
    void everyNameThatSignsUpCanBeTyped() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        ScopedPrompter prompter;
        TempLedger ledger;
        const int id = ledger.addUser(name, password);
        Form f;
        f.type(name, password);
        QCOMPARE(f.user->text(), name);
        QCOMPARE(f.pwd->text(), password);
        f.button("btn_OK")->click();
        QCOMPARE(f.dialog.result(), int(TfrmLogin::LoggedIn));
        QCOMPARE(currentUserId, id);
    }

    void controlCharactersAreRefused() {
        TempLedger ledger;
        Form f;
        for (QLineEdit *edit : {f.user, f.pwd}) {
            edit->clear();
            edit->insert(QStringLiteral("ab"));
            edit->insert(QStringLiteral("c\td"));
            edit->insert(QString(QChar(0x7f)));
            QCOMPARE(edit->text(), QStringLiteral("ab"));
            QApplication::clipboard()->setText(QStringLiteral("x\ny"));
            edit->paste();
            QCOMPARE(edit->text(), QStringLiteral("ab"));
        }
        QVERIFY(LoginKeyFilter::acceptsChar(QChar(0x5f20)));
        QVERIFY(LoginKeyFilter::acceptsChar(QLatin1Char(' ')));
        QVERIFY(!LoginKeyFilter::acceptsChar(QChar(0x1b)));
    }

    void cancelAndCloseEndWithoutLogin() {
        TempLedger ledger;
        {
            Form f;
            f.button("Btn_Cancel")->click();
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
        ScopedPrompter prompter;
        TempLedger ledger;
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
        f.button("btnReg")->click();
        QCOMPARE(seenTitle, QStringLiteral("用户注册"));
        QVERIFY(f.dialog.isVisible());
        // The sign-up dialog freed itself on close.
        QTRY_VERIFY(f.dialog.findChildren<TfrmReg *>().isEmpty());
    }

    void databaseErrorKeepsDialogOpenAndSaysSo() {
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        ledger.db().close();
        Form f;
        f.type(QStringLiteral("admin"), QStringLiteral("123456"));
        f.button("btn_OK")->click();
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), 0);
        QCOMPARE(currentUserId, 0);
        QCOMPARE(prompter->infos(), QStringList{TfrmDM::connectionFailedText()});
    }
};

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
