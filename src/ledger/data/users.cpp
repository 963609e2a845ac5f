#include "ledger/data/users.h"

#include "common/gbktext.h"
#include "ledger/app/paths.h"
#include "ledger/crypto/des.h"
#include "ledger/data/db.h"

namespace ledger {

Users::Users(Db &db) : m_db(db) {}

QString Users::passwordForm(const QString &logName, const QString &password) {
    return desEncryptHex(logName + password, QString::fromLatin1(kPasswordKey));
}

bool Users::formMatches(const QString &stored, const QString &logName, const QString &password) {
    const QString key = QString::fromLatin1(kPasswordKey);
    const QByteArray bytes = common::toGbkText(logName + password);
    if (stored == desEncryptHex(bytes, key))
        return true;
    // Forms stored before the 8-bit form kept every character.
    const QByteArray earlier = common::toEarlierGbkText(logName + password);
    return earlier != bytes && stored == desEncryptHex(earlier, key);
}

std::optional<int> Users::logIn(const QString &logName, const QString &password) const {
    Statement query(m_db, QStringLiteral("select UserId, LogPwd from KX_USER where LogName=?"),
                    {logName});
    if (query.next() && formMatches(query.text(1), logName, password))
        return int(query.integer(0));
    return std::nullopt;
}

bool Users::exists(const QString &logName) const {
    Statement query(m_db, QStringLiteral("select count(*) from kx_user where logName=?"),
                    {logName});
    return query.next() && query.integer(0) != 0;
}

int Users::add(const QString &logName, const QString &password) {
    m_db.exec(QStringLiteral("insert into kx_user(logname, logpwd) values(?, ?)"),
              {logName, passwordForm(logName, password)});
    return int(m_db.lastInsertId());
}

Users::PasswordCheck Users::checkPassword(int userId, const QString &logName,
                                          const QString &password) const {
    Statement query(m_db, QStringLiteral("select LogPwd from kx_user where userid=?"), {userId});
    if (!query.next())
        return PasswordCheck::UnknownUser;
    return formMatches(query.text(0), logName, password) ? PasswordCheck::Matches
                                                         : PasswordCheck::Wrong;
}

void Users::setPassword(int userId, const QString &logName, const QString &password) {
    const int changed = m_db.exec(QStringLiteral("update kx_User set LogPwd=? where userid=?"),
                                  {passwordForm(logName, password), userId});
    if (changed != 1)
        throw DbError(QStringLiteral("no user %1").arg(userId), DbError::Code::RecordMissing);
}

} // namespace ledger
