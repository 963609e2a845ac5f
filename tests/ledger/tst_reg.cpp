#include "ledger/app/paths.h"
#include "ledger/crypto/untdes.h"
#include "ledger/users/tfrmreg.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ledger;
using ledger::test::ScopedPrompter;
using ledger::test::TempLedger;

namespace {

const QString kKey = QString::fromLatin1(kPasswordKey);

} // namespace

class TstReg : public QObject {
    Q_OBJECT

    struct Form {
        TfrmReg dialog;
        QLineEdit *user;
        QLineEdit *pwd;
        QLineEdit *pwd2;
        Form()
            : user(dialog.findChild<QLineEdit *>(QStringLiteral("edt_User"))),
              pwd(dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"))),
              pwd2(dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd2"))) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
        void submit(const QString &name, const QString &password, const QString &confirmation) {
            user->setText(name);
            pwd->setText(password);
            pwd2->setText(confirmation);
            dialog.findChild<QPushButton *>(QStringLiteral("btn_OK"))->click();
        }
    };

    static int users(TempLedger &ledger) { return ledger.rowCount(QStringLiteral("kx_user")); }

private slots:
    void showClearsTheDesignTimeText() {
        TempLedger ledger;
        TfrmReg dialog;
        auto *pwd = dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd"));
        auto *pwd2 = dialog.findChild<QLineEdit *>(QStringLiteral("edt_Pwd2"));
        QCOMPARE(pwd->text(), QStringLiteral("vanterloqsid"));
        QCOMPARE(pwd2->echoMode(), QLineEdit::Password);
        dialog.show();
        QVERIFY(pwd->text().isEmpty());
        QVERIFY(pwd2->text().isEmpty());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("用户注册"));
    }

    void signUpStoresTheCipherForm() {
        ScopedPrompter prompter;
        TempLedger ledger;
        Form f;
        f.submit(QStringLiteral(" admin "), QStringLiteral("123456 "), QStringLiteral("123456"));
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("注册成功!")});
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(users(ledger), 1);
        QCOMPARE(ledger.scalar(QStringLiteral("select LogName from kx_user")).toString(),
                 QStringLiteral("admin"));
        // Reference value computed with an independent DES implementation.
        QCOMPARE(ledger.scalar(QStringLiteral("select LogPwd from kx_user")).toString(),
                 QStringLiteral("B506197FFA00C7F5B346682FF251E1E0"));
    }

    void namesWithQuotesAndChineseSignUp_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("quote") << QStringLiteral("o'brien");
        QTest::newRow("injection") << QStringLiteral("');delete--");
        QTest::newRow("chinese") << QStringLiteral("张三");
    }
    void namesWithQuotesAndChineseSignUp() {
        QFETCH(QString, name);
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.addUser(QStringLiteral("first"), QStringLiteral("1"));
        Form f;
        f.submit(name, QStringLiteral("p'w"), QStringLiteral("p'w"));
        QCOMPARE(prompter->lastInfo(), QStringLiteral("注册成功!"));
        QCOMPARE(users(ledger), 2);
        QCOMPARE(ledger.scalar(QStringLiteral("select LogPwd from kx_user where LogName=?"), {name})
                     .toString(),
                 desEncryptHex(name + QStringLiteral("p'w"), kKey));
    }

    void byteLimitsCountGbkBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        const QString ok = QStringLiteral("注册成功!");
        const QString longName = QStringLiteral("用户名最长20个字节!");
        const QString longPwd = QStringLiteral("密码最长20个字节!");
        QTest::newRow("name 20 ascii") << QString(20, QLatin1Char('a')) << "pw" << ok;
        QTest::newRow("name 21 ascii") << QString(21, QLatin1Char('a')) << "pw" << longName;
        QTest::newRow("name 10 chinese") << QString(10, QChar(0x5f20)) << "pw" << ok;
        QTest::newRow("name 11 chinese") << QString(11, QChar(0x5f20)) << "pw" << longName;
        QTest::newRow("name 1+10 mixed")
            << QStringLiteral("a") + QString(10, QChar(0x5f20)) << "pw" << longName;
        QTest::newRow("pwd 20 bytes") << "u" << QString(20, QLatin1Char('9')) << ok;
        QTest::newRow("pwd 21 bytes") << "u" << QString(21, QLatin1Char('9')) << longPwd;
        QTest::newRow("pwd 11 chinese") << "u" << QString(11, QChar(0x5bc6)) << longPwd;
    }
    void byteLimitsCountGbkBytes() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        ScopedPrompter prompter;
        TempLedger ledger;
        Form f;
        f.submit(name, password, password);
        QCOMPARE(prompter->infos(), QStringList{message});
        const bool ok = message == QStringLiteral("注册成功!");
        QCOMPARE(users(ledger), ok ? 1 : 0);
        QCOMPARE(f.dialog.isVisible(), !ok);
    }

    void checksRunInOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::newRow("everything empty") << ""
                                          << ""
                                          << ""
                                          << "用户名不能为空!";
        QTest::newRow("long name before empty pwd") << QString(21, QLatin1Char('n')) << ""
                                                    << ""
                                                    << "用户名最长20个字节!";
        QTest::newRow("empty confirmation") << "bob"
                                            << "pw"
                                            << " "
                                            << "密码和确认密码不能为空!";
        QTest::newRow("mismatch before long pwd") << "bob" << QString(21, QLatin1Char('p')) << "x"
                                                  << "两次输入的密码不一致!";
        QTest::newRow("existing name before insert") << "Admin"
                                                     << "pw"
                                                     << "pw"
                                                     << "该用户名已存在!";
    }
    void checksRunInOrder() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        Form f;
        f.submit(name, password, confirmation);
        QCOMPARE(prompter->infos(), QStringList{message});
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(users(ledger), 1);
    }

    void mismatchClearsBothPasswords() {
        ScopedPrompter prompter;
        TempLedger ledger;
        Form f;
        f.submit(QStringLiteral("bob"), QStringLiteral("abc"), QStringLiteral("abd"));
        QCOMPARE(f.user->text(), QStringLiteral("bob"));
        QVERIFY(f.pwd->text().isEmpty());
        QVERIFY(f.pwd2->text().isEmpty());
        QVERIFY(f.pwd->hasFocus());
    }

    void existingNameIgnoresCaseAndClearsTheName() {
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.addUser(QStringLiteral("admin"), QStringLiteral("123456"));
        Form f;
        f.submit(QStringLiteral("ADMIN"), QStringLiteral("x"), QStringLiteral("x"));
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("该用户名已存在!")});
        QVERIFY(f.user->text().isEmpty());
        QVERIFY(f.user->hasFocus());
        QCOMPARE(f.pwd->text(), QStringLiteral("x"));
    }

    void failedInsertKeepsDialogOpen() {
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.db().exec(QStringLiteral("create trigger refuse before insert on kx_user "
                                        "begin select raise(abort, 'refused'); end"));
        Form f;
        f.submit(QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("pw"));
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("注册失败!")});
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(users(ledger), 0);
    }

    void failedExistenceCheckIsReportedAsFailure() {
        ScopedPrompter prompter;
        TempLedger ledger;
        ledger.db().close();
        Form f;
        f.submit(QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("pw"));
        QCOMPARE(prompter->infos(), QStringList{QStringLiteral("注册失败!")});
        QVERIFY(f.dialog.isVisible());
    }
};

QTEST_MAIN(TstReg)
#include "tst_reg.moc"
