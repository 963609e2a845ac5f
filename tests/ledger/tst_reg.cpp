#include "ledger/app/paths.h"
#include "ledger/crypto/des.h"
#include "ledger/users/tfrmreg.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ledger;

class TstReg : public QObject {
    Q_OBJECT

    struct Form {
        test::ScopedPrompter prompter;
        test::TempLedger ledger;
        TfrmReg dialog;
        QLineEdit *user = dialog.findChild<QLineEdit *>(QStringLiteral("edt_User"));
        QLineEdit *pwd = dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"));
        QLineEdit *pwd2 = dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd2"));
        Form() {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
        void submit(const QString &name, const QString &password, const QString &confirmation) {
            user->setText(name);
            pwd->setText(password);
            pwd2->setText(confirmation);
            dialog.findChild<QPushButton *>(QStringLiteral("btn_OK"))->click();
        }
        int users() { return ledger.rowCount(QStringLiteral("kx_user")); }
        QString stored(const QString &name) {
            return ledger.scalar("select LogPwd from kx_user where LogName=?", {name}).toString();
        }
    };

private slots:
    void showClearsThePasswords() {
        test::TempLedger ledger;
        TfrmReg dialog;
        auto *pwd = dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"));
        QVERIFY(!pwd->text().isEmpty()); // design-time text
        dialog.show();
        QVERIFY(pwd->text().isEmpty());
    }

    void signUpStoresTheCipherForm() {
        Form f;
        f.submit(QStringLiteral(" admin "), QStringLiteral("123456 "), QStringLiteral("123456"));
        QCOMPARE(f.prompter->infos(), QStringList{QStringLiteral("注册成功!")});
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.users(), 1);
        // Reference value computed with an independent DES implementation.
        QCOMPARE(f.stored("admin"), QStringLiteral("B506197FFA00C7F5B346682FF251E1E0"));
    }

    void submitChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *tag, const QString &name, const QString &password,
                            const QString &confirmation, const QString &message) {
            QTest::newRow(tag) << name << password << confirmation << message;
        };
        const QString ok = "注册成功!", longName = "用户名最长20个字节!",
                      longPwd = "密码最长20个字节!";
        const QString a20(20, 'a'), a21(21, 'a'), c10(10, QChar(0x5f20)), c11(11, QChar(0x5f20));
        row("quote", "o'brien", "p'w", "p'w", ok);
        row("injection", "');delete--", "p'w", "p'w", ok);
        row("chinese", "张三", "密码", "密码", ok);
        row("name 20 ascii", a20, "pw", "pw", ok);
        row("name 21 ascii", a21, "pw", "pw", longName);
        row("name 10 chinese", c10, "pw", "pw", ok);
        row("name 11 chinese", c11, "pw", "pw", longName);
        row("name 1+10 mixed", "a" + c10, "pw", "pw", longName);
        row("pwd 20 bytes", "u", a20, a20, ok);
        row("pwd 21 bytes", "u", a21, a21, longPwd);
        row("pwd 11 chinese", "u", c11, c11, longPwd);
        // Checks run in order; only the first failing one speaks.
        row("everything empty", "", "", "", "用户名不能为空!");
        row("long name before empty pwd", a21, "", "", longName);
        row("empty confirmation", "bob", "pw", " ", "密码和确认密码不能为空!");
        row("mismatch before long pwd", "bob", a21, "x", "两次输入的密码不一致!");
        row("existing name in other case", "ADMIN", "pw", "pw", "该用户名已存在!");
    }
    void submitChecks() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        Form f;
        f.ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        f.submit(name, password, confirmation);
        QCOMPARE(f.prompter->infos(), QStringList{message});
        const bool ok = message == QStringLiteral("注册成功!");
        QCOMPARE(f.users(), ok ? 2 : 1);
        QCOMPARE(f.dialog.isVisible(), !ok);
        if (ok)
            QCOMPARE(f.stored(name), desEncryptHex(name + password, kPasswordKey));
    }

    void failedChecksClearTheirFields() {
        Form f;
        f.ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        f.submit(QStringLiteral("bob"), QStringLiteral("abc"), QStringLiteral("abd"));
        QCOMPARE(f.user->text(), QStringLiteral("bob"));
        QVERIFY(f.pwd->text().isEmpty() && f.pwd2->text().isEmpty());
        QVERIFY(f.pwd->hasFocus());
        f.submit(QStringLiteral("ADMIN"), QStringLiteral("x"), QStringLiteral("x"));
        QVERIFY(f.user->text().isEmpty());
        QVERIFY(f.user->hasFocus());
        QCOMPARE(f.pwd->text(), QStringLiteral("x"));
    }

    void databaseFailuresAreReported() {
        Form f;
        f.ledger.db().exec(QStringLiteral("create trigger refuse before insert on kx_user "
                                          "begin select raise(abort, 'refused'); end"));
        f.submit(QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("pw"));
        f.ledger.db().close(); // now the existence check fails too
        f.submit(QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("pw"));
        QCOMPARE(f.prompter->infos(), QStringList(2, QStringLiteral("注册失败!")));
        QVERIFY(f.dialog.isVisible());
    }
};

QTEST_MAIN(TstReg)
#include "tst_reg.moc"
