#include "ledger/app/paths.h"
#include "ledger/core/currentuser.h"
#include "ledger/crypto/des.h"
#include "ledger/users/tfrmlogin.h"
#include "ledger/users/tfrmmodifypwd.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ledger;

class TstModifyPwd : public QObject {
    Q_OBJECT

    struct Form {
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        int id = ledger.addUser(QStringLiteral("张三"), QStringLiteral("123456"));
        std::unique_ptr<TfrmModifyPwd> dialog;
        Form() {
            ledger.login(id);
            dialog = std::make_unique<TfrmModifyPwd>();
            dialog->show();
        }
        void submit(const QString &oldPwd, const QString &newPwd, const QString &confirmation) {
            dialog->findChild<QLineEdit *>(QStringLiteral("edt_OldPwd"))->setText(oldPwd);
            dialog->findChild<QLineEdit *>(QStringLiteral("edt_NewPwd"))->setText(newPwd);
            dialog->findChild<QLineEdit *>(QStringLiteral("edt_NewPwdConfirm"))
                ->setText(confirmation);
            dialog->findChild<QPushButton *>(QStringLiteral("btn_ModifyPwd"))->click();
        }
        QString stored(int user) {
            return ledger.scalar("select LogPwd from kx_user where UserId=?", {user}).toString();
        }
    };

    // Logs in through the login dialog; true when it accepted.
    static bool logsIn(const QString &name, const QString &password) {
        test::ScopedPrompter quiet;
        TfrmLogin login;
        login.findChild<QLineEdit *>(QStringLiteral("edt_user"))->setText(name);
        login.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"))->setText(password);
        login.findChild<QPushButton *>(QStringLiteral("btn_OK"))->click();
        return login.result() == TfrmLogin::LoggedIn;
    }

private slots:
    void checksRunInOrder_data() {
        QTest::addColumn<QString>("oldPwd");
        QTest::addColumn<QString>("newPwd");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *tag, const char *oldPwd, const char *newPwd,
                            const char *confirmation, const char *message) {
            QTest::newRow(tag) << QString(oldPwd) << QString(newPwd) << QString(confirmation)
                               << QString(message);
        };
        row("old empty", " ", "a", "b", "原密码不能为空。");
        row("differ", "123456", "abc", "abd", "两次输入的密码不一致。");
        // Compared untrimmed, although both trim to the same text.
        row("leading blank", "123456", " abc", "abc", "两次输入的密码不一致。");
        row("new empty", "123456", "  ", "  ", "新密码不能为空。");
        row("old wrong", "12345", "abc", "abc", "原密码不正确。");
    }
    void checksRunInOrder() {
        QFETCH(QString, oldPwd);
        QFETCH(QString, newPwd);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        Form f;
        const QString before = f.stored(f.id);
        f.submit(oldPwd, newPwd, confirmation);
        QCOMPARE(f.prompter->infos(), QStringList{message});
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.stored(f.id), before);
    }

    void successfulChangeSwapsThePasswords() {
        Form f;
        const int bob = f.ledger.addUser(QStringLiteral("bob"), QStringLiteral("123456"));
        const QString bobBefore = f.stored(bob);
        f.submit(QStringLiteral(" 123456 "), QStringLiteral("新pw"), QStringLiteral("新pw"));
        QCOMPARE(f.prompter->infos(), QStringList{QStringLiteral("密码修改成功。")});
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.stored(f.id), desEncryptHex(QStringLiteral("张三新pw"), kPasswordKey));
        QCOMPARE(f.stored(bob), bobBefore);
        QVERIFY(!logsIn(QStringLiteral("张三"), QStringLiteral("123456")));
        QVERIFY(logsIn(QStringLiteral("张三"), QStringLiteral("新pw")));
        QVERIFY(logsIn(QStringLiteral("bob"), QStringLiteral("123456")));
    }

    void failures() {
        Form f;
        currentUserId = 99; // the row is gone: failure, the dialog stays
        f.submit(QStringLiteral("123456"), QStringLiteral("x"), QStringLiteral("x"));
        QCOMPARE(f.prompter->infos(), QStringList{QStringLiteral("密码修改失败。")});
        QVERIFY(f.dialog->isVisible());
        f.ledger.login(f.id); // a database error: failure, and the dialog closes
        f.ledger.db().close();
        f.submit(QStringLiteral("123456"), QStringLiteral("x"), QStringLiteral("x"));
        QCOMPARE(f.prompter->infos(), QStringList(2, QStringLiteral("密码修改失败。")));
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
    }

    void showClearsTheEdits() {
        Form f;
        f.dialog->hide();
        auto *old = f.dialog->findChild<QLineEdit *>(QStringLiteral("edt_OldPwd"));
        old->setText(QStringLiteral("x"));
        f.dialog->show();
        QVERIFY(old->text().isEmpty());
    }
};

QTEST_MAIN(TstModifyPwd)
#include "tst_modifypwd.moc"
