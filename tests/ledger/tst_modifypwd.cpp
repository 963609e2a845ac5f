#include "ledger/app/paths.h"
#include "ledger/core/untvar.h"
#include "ledger/crypto/untdes.h"
#include "ledger/users/tfrmlogin.h"
#include "ledger/users/tfrmmodifypwd.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace ledger;
using ledger::test::ScopedPrompter;
using ledger::test::TempLedger;

class TstModifyPwd : public QObject {
    Q_OBJECT

    struct Form {
        TfrmModifyPwd dialog;
        Form() {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
        QLineEdit *edit(const char *name) {
            return dialog.findChild<QLineEdit *>(QString::fromLatin1(name));
        }
        void submit(const QString &oldPwd, const QString &newPwd, const QString &confirmation) {
            edit("edt_OldPwd")->setText(oldPwd);
            edit("edt_NewPwd")->setText(newPwd);
            edit("edt_NewPwdConfirm")->setText(confirmation);
            dialog.findChild<QPushButton *>(QStringLiteral("btn_ModifyPwd"))->click();
        }
    };

    // Logs in through the login dialog; true when it accepted.
    static bool logsIn(const QString &name, const QString &password) {
        ScopedPrompter quiet;
        TfrmLogin login;
        login.findChild<QLineEdit *>(QStringLiteral("edt_user"))->setText(name);
        login.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"))->setText(password);
        login.findChild<QPushButton *>(QStringLiteral("btn_OK"))->click();
        return login.result() == TfrmLogin::LoggedIn;
    }

    static QString storedForm(TempLedger &ledger, int id) {
        return ledger.scalar(QStringLiteral("select LogPwd from kx_user where UserId=?"), {id})
            .toString();
    }

private slots:
    void layoutAndPlacement() {
        TempLedger ledger;
        Form f;
        QCOMPARE(f.dialog.windowTitle(), QStringLiteral("修改密码"));
        QCOMPARE(f.dialog.size(), QSize(283, 235));
        for (const char *name : {"edt_OldPwd", "edt_NewPwd", "edt_NewPwdConfirm"})
            QCOMPARE(f.edit(name)->echoMode(), QLineEdit::Password);
        const QRect screen = f.dialog.screen()->geometry();
        // Centred across, two fifths of the free height above.
        QVERIFY(qAbs((f.dialog.x() - screen.x()) * 2 - (screen.width() - 283)) <= 1);
        QVERIFY(qAbs((f.dialog.y() - screen.y()) * 5 - (screen.height() - 235) * 2) <= 5);
    }

    void checksRunInOrder_data() {
        QTest::addColumn<QString>("oldPwd");
        QTest::addColumn<QString>("newPwd");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::newRow("old empty") << " "
                                   << "a"
                                   << "b"
                                   << "原密码不能为空。";
        QTest::newRow("differ") << "123456"
                                << "abc"
                                << "abd"
                                << "两次输入的密码不一致。";
        // Compared untrimmed, although both trim to the same text.
        QTest::newRow("leading blank") << "123456"
                                       << " abc"
                                       << "abc"
                                       << "两次输入的密码不一致。";
        QTest::newRow("new empty") << "123456"
                                   << "  "
                                   << "  "
                                   << "新密码不能为空。";
        QTest::newRow("old wrong") << "12345"
                                   << "abc"
                                   << "abc"
                                   << "原密码不正确。";
    }
    void checksRunInOrder() {
        QFETCH(QString, oldPwd);
        QFETCH(QString, newPwd);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        ScopedPrompter prompter;
        TempLedger ledger;
        const int id = ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        ledger.login(id);
        const QString before = storedForm(ledger, id);
        Form f;
        f.submit(oldPwd, newPwd, confirmation);
        QCOMPARE(prompter->infos(), QStringList{message});
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(storedForm(ledger, id), before);
    }

    void successfulChangeSwapsThePasswords() {
        ScopedPrompter prompter;
        TempLedger ledger;
        const int other = ledger.addUser(QStringLiteral("bob"), QStringLiteral("123456"));
        const int id = ledger.addUser(QStringLiteral("张三"), QStringLiteral("123456"));
        ledger.login(id);
        const QString bobBefore = storedForm(ledger, other);
        Form f;
        f.submit(QStringLiteral(" 123456 "), QStringLiteral("新pw"), QStringLiteral("新pw"));
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("密码修改成功。")});
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(storedForm(ledger, id),
                 desEncryptHex(QStringLiteral("张三新pw"), QString::fromLatin1(kPasswordKey)));
        QCOMPARE(storedForm(ledger, other), bobBefore);
        QVERIFY(!logsIn(QStringLiteral("张三"), QStringLiteral("123456")));
        QVERIFY(logsIn(QStringLiteral("张三"), QStringLiteral("新pw")));
        QVERIFY(logsIn(QStringLiteral("bob"), QStringLiteral("123456")));
    }

    void missingUserRowFailsAndStaysOpen() {
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        currentUserId = 99;
        currentLogName = QStringLiteral("admin");
        Form f;
        f.submit(QStringLiteral("123456"), QStringLiteral("x"), QStringLiteral("x"));
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("密码修改失败。")});
        QVERIFY(f.dialog.isVisible());
    }

    void databaseErrorFailsAndCloses() {
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.login(ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456")));
        ledger.db().close();
        Form f;
        f.submit(QStringLiteral("123456"), QStringLiteral("x"), QStringLiteral("x"));
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("密码修改失败。")});
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
    }

    void showClearsTheEdits() {
        TempLedger ledger;
        TfrmModifyPwd dialog;
        dialog.findChild<QLineEdit *>(QStringLiteral("edt_OldPwd"))->setText(QStringLiteral("x"));
        dialog.show();
        QVERIFY(dialog.findChild<QLineEdit *>(QStringLiteral("edt_OldPwd"))->text().isEmpty());
        dialog.findChild<QPushButton *>(QStringLiteral("btn_Close"))->click();
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TstModifyPwd)
#include "tst_modifypwd.moc"
