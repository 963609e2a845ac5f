#include "ledger/data/cards.h"

#include "ledger/data/balancesql.h"
#include "ledger/data/checkpoints.h"
#include "ledger/data/db.h"

namespace ledger {

namespace {

const QString kCardColumns = QStringLiteral(
    "cardid, StaffName, CardCompany, FundsType, Account, Balance, InitBalance, IsValid, Memo, "
    "eventDate");

Card readCard(const Statement &row) {
    Card card;
    card.cardid = row.integer(0);
    card.staffName = row.text(1);
    card.cardCompany = row.text(2);
    card.fundsType = row.text(3);
    card.account = row.text(4);
    card.balance = row.number(5);
    card.initBalance = row.number(6);
    card.valid = row.text(7) != QStringLiteral("0");
    card.memo = row.text(8);
    card.eventDate = row.text(9);
    return card;
}

QString validText(bool valid) {
    return valid ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString normalizedAccount(const QString &account) {
    return account.trimmed();
}

QString Cards::fromWhere(QVariantList *params) const {
    QString sql = QStringLiteral(" FROM ") + balancesql::cardsWithCheckpoint();
    if (m_filter != Filter::All) {
        sql += QStringLiteral(" WHERE IsValid=?");
        *params << validText(m_filter == Filter::Valid);
    }
    return sql;
}

void Cards::keys(std::optional<QDate>, QVector<qint64> *out) const {
    QVariantList params;
    const QString from = fromWhere(&params);
    readRecordKeys(m_db,
                   QStringLiteral("SELECT cardid") + from +
                       QStringLiteral(" ORDER BY FundsType, cardid"),
                   params, out);
}

void Cards::rows(const QVector<qint64> &keys, RecordRows *out) const {
    QVariantList params;
    const QString in = keyList(keys, &params);
    readRecordRows(m_db,
                   QStringLiteral("SELECT cardid, FundsType, CardCompany, Account, Balance, ") +
                       balancesql::computedBalance() + QStringLiteral(", StaffName, Memo FROM ") +
                       balancesql::cardsWithCheckpoint() + QStringLiteral(" WHERE cardid") + in,
                   params, out);
}

RecordTotals Cards::totals(std::optional<QDate>) const {
    QVariantList params;
    const QString from = fromWhere(&params);
    Statement sums(m_db, QStringLiteral("SELECT count(*), ") + balancesql::totalOfBalances() + from,
                   params);
    return readRecordTotals(sums);
}

void Cards::remove(qint64 key) {
    throw DbError(QStringLiteral("accounts are never deleted (account %1)").arg(key),
                  DbError::Code::BadStatement);
}

std::optional<Card> Cards::find(qint64 cardid) const {
    Statement row(m_db,
                  QStringLiteral("SELECT ") + kCardColumns +
                      QStringLiteral(" FROM kx_Card WHERE cardid=?"),
                  {cardid});
    if (!row.next())
        return std::nullopt;
    return readCard(row);
}

bool Cards::exists(const QString &fundsType, const QString &account) const {
    Statement row(m_db, QStringLiteral("SELECT 1 FROM kx_Card WHERE FundsType=? AND Account=?"),
                  {fundsType.trimmed(), normalizedAccount(account)});
    return row.next();
}

QStringList Cards::validAccounts(const QString &fundsType) const {
    return firstColumnTexts(m_db,
                            QStringLiteral("SELECT Account FROM kx_Card WHERE IsValid='1' AND "
                                           "FundsType=? ORDER BY cardid"),
                            {fundsType.trimmed()});
}

QStringList Cards::validFundsTypes() const {
    return firstColumnTexts(m_db, QStringLiteral("SELECT distinct FundsType FROM kx_Card WHERE "
                                                 "IsValid='1' ORDER BY FundsType"));
}

qint64 Cards::insert(const Card &card, int userId) {
    Transaction transaction(m_db);
    m_db.exec(QStringLiteral("INSERT INTO kx_Card(StaffName, CardCompany, FundsType, Account, "
                             "Balance, InitBalance, IsValid, Memo, UserId) "
                             "VALUES(?,?,?,?,?,?,?,?,?)"),
              {card.staffName, card.cardCompany, card.fundsType.trimmed(),
               normalizedAccount(card.account), card.initBalance, card.initBalance,
               validText(card.valid), card.memo, userId});
    const qint64 cardid = m_db.lastInsertId();
    Checkpoints(m_db).write(cardid, card.initBalance, QVariant());
    transaction.commit();
    return cardid;
}

void Cards::updateStatusMemo(qint64 cardid, bool valid, const QString &memo) {
    if (m_db.exec(QStringLiteral("UPDATE kx_Card SET IsValid=?, Memo=? WHERE cardid=?"),
                  {validText(valid), memo, cardid}) == 0)
        throw DbError(QStringLiteral("no account %1").arg(cardid), DbError::Code::RecordMissing);
}

} // namespace ledger
