// The users without a window: sign-up, login, password check and change, and passwords with
// characters that GBK lacks.
#include "ledger/data/db.h"
#include "ledger/data/users.h"
#include "support/ledger/templedger.h"

#include <QTest>

using namespace ledger;

class TestUsers : public QObject {
    Q_OBJECT
private slots:
    void signUpAndLogIn() {
        test::TempLedger ledger;
        Users users(ledger.db());
        const int admin = users.add("admin", "123456");
        QCOMPARE(ledger.scalar("select LogPwd from kx_user").toString(),
                 QString("B506197FFA00C7F5B346682FF251E1E0"));
        QVERIFY(users.exists("ADMIN"));
        QVERIFY(!users.exists("admi"));
        QCOMPARE(users.logIn("admin", "123456"), std::optional<int>(admin));
        QCOMPARE(users.logIn("admin", "1234567"), std::nullopt);
        QCOMPARE(users.logIn("nobody", "123456"), std::nullopt);
    }

    void passwordsOutsideGbkStayApart() {
        test::TempLedger ledger;
        Users users(ledger.db());
        QVERIFY(Users::passwordForm("u", "a😀") != Users::passwordForm("u", "a😁"));
        QVERIFY(Users::passwordForm("u", "a😀") != Users::passwordForm("u", "a?"));
        const int smile = users.add("u1", "a😀");
        const int grin = users.add("u2", "a😁");
        QCOMPARE(users.logIn("u1", "a😀"), std::optional<int>(smile));
        QCOMPARE(users.logIn("u2", "a😁"), std::optional<int>(grin));
        QCOMPARE(users.logIn("u1", "a😁"), std::nullopt);
        QCOMPARE(users.logIn("u2", "a😀"), std::nullopt);
        QCOMPARE(users.logIn("u1", "a?"), std::nullopt);
    }

    // Earlier versions stored forms without the characters GBK drops silently: such users still
    // log in with what they typed, while new forms keep those characters apart.
    void formsStoredWithoutInvisibleCharactersStillMatch() {
        test::TempLedger ledger;
        Users users(ledger.db());
        const QString typed = "pa\u200Bss\u00AD";
        QVERIFY(Users::passwordForm("old", typed) != Users::passwordForm("old", "pass"));
        const int id = users.add("old", "pass"); // the form an earlier version stored for typed
        QCOMPARE(users.logIn("old", typed), std::optional<int>(id));
        QCOMPARE(users.checkPassword(id, "old", typed), Users::PasswordCheck::Matches);
        const int fresh = users.add("new", typed);
        QCOMPARE(users.logIn("new", typed), std::optional<int>(fresh));
        QCOMPARE(users.logIn("new", "pass"), std::nullopt);
    }

    void changePassword() {
        test::TempLedger ledger;
        Users users(ledger.db());
        const int id = users.add("admin", "old");
        QCOMPARE(users.checkPassword(id, "admin", "old"), Users::PasswordCheck::Matches);
        QCOMPARE(users.checkPassword(id, "admin", "new"), Users::PasswordCheck::Wrong);
        QCOMPARE(users.checkPassword(id + 1, "admin", "old"), Users::PasswordCheck::UnknownUser);
        users.setPassword(id, "admin", "new");
        QCOMPARE(users.logIn("admin", "new"), std::optional<int>(id));
        try {
            users.setPassword(id + 1, "admin", "x");
            QFAIL("no error for a missing user");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::RecordMissing);
        }
    }
};

QTEST_GUILESS_MAIN(TestUsers)
#include "tst_users.moc"
