#pragma once

#include <QString>
#include <optional>

namespace ledger {

class Db;

// The users of kx_user. A password is stored as the DES form of name + password; the name in
// that form is the one typed, while names are compared ignoring ASCII case. Throws DbError.
class Users {
public:
    enum class PasswordCheck { Matches, Wrong, UnknownUser };

    explicit Users(Db &db);

    // The stored form of a password.
    static QString passwordForm(const QString &logName, const QString &password);

    // The id of the user the name and password log in as; none when they do not match.
    std::optional<int> logIn(const QString &logName, const QString &password) const;
    bool exists(const QString &logName) const;
    // Signs a new user up; returns the id.
    int add(const QString &logName, const QString &password);
    PasswordCheck checkPassword(int userId, const QString &logName, const QString &password) const;
    // RecordMissing when the user does not exist.
    void setPassword(int userId, const QString &logName, const QString &password);

private:
    // Whether a stored form is the one of this name and password, also as stored by versions
    // whose 8-bit form lost some invisible characters.
    static bool formMatches(const QString &stored, const QString &logName, const QString &password);

    Db &m_db;
};

} // namespace ledger
