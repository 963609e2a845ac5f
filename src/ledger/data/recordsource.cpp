#include "ledger/data/recordsource.h"

#include "ledger/app/paths.h"
#include "ledger/data/db.h"

#include <limits>

namespace ledger {

void readRecordRows(Statement &query, RecordRows *out) {
    out->cells.clear(); // keeps the capacity
    out->columns = query.columnCount();
    while (query.next()) {
        for (int c = 0; c < out->columns; ++c)
            out->cells.append(query.text(c));
    }
}

void readRecordRows(Db &db, const QString &sql, const QVariantList &params, RecordRows *out) {
    Statement query(db, sql, params);
    readRecordRows(query, out);
}

void readRecordKeys(Db &db, const QString &sql, const QVariantList &params, QVector<qint64> *out) {
    Statement query(db, sql, params);
    out->clear(); // keeps the capacity
    while (query.next())
        out->append(query.integer(0));
}

RecordTotals readRecordTotals(Statement &sums) {
    RecordTotals totals;
    if (sums.next()) {
        totals.count = int(sums.integer(0));
        totals.total = sumNumber(sums, 1);
    }
    return totals;
}

double sumNumber(const Statement &row, int column) {
    return row.isNull(column) ? std::numeric_limits<double>::quiet_NaN() : row.number(column);
}

QString keyList(const QVector<qint64> &keys, QVariantList *params) {
    if (keys.size() > RecordSource::kMaxRowKeys)
        throw DbError(QStringLiteral("%1 keys in one read").arg(keys.size()),
                      DbError::Code::BadStatement);
    QString list = QStringLiteral(" IN (");
    for (int i = 0; i < keys.size(); ++i) {
        list += i ? QStringLiteral(",?") : QStringLiteral("?");
        *params << keys.at(i);
    }
    return list + QLatin1Char(')');
}

TableRecords::TableRecords(Db &db, Shape shape) : m_db(db), m_shape(std::move(shape)) {}

QString TableRecords::fromWhere(std::optional<QDate> since, QVariantList *params) const {
    QString where =
        QStringLiteral(" from ") + m_shape.table + QStringLiteral(" where ") + m_shape.condition;
    *params = m_shape.params;
    if (since) {
        where += QStringLiteral(" and EventDate >= ?");
        *params << since->toString(QLatin1String(kDateFmt));
    }
    return where;
}

void TableRecords::keys(std::optional<QDate> since, QVector<qint64> *out) const {
    QVariantList params;
    const QString where = fromWhere(since, &params);
    readRecordKeys(m_db,
                   QStringLiteral("SELECT ") + m_shape.key + where + QStringLiteral(" ORDER BY ") +
                       m_shape.key,
                   params, out);
}

void TableRecords::rows(const QVector<qint64> &keys, RecordRows *out) const {
    QVariantList params;
    const QString in = keyList(keys, &params);
    readRecordRows(m_db,
                   QStringLiteral("SELECT ") + m_shape.columns + QStringLiteral(" from ") +
                       m_shape.table + QStringLiteral(" where ") + m_shape.key + in,
                   params, out);
}

RecordTotals TableRecords::totals(std::optional<QDate> since) const {
    QVariantList params;
    const QString where = fromWhere(since, &params);
    Statement sums(m_db,
                   QStringLiteral("SELECT count(*), total(") + m_shape.amount +
                       QStringLiteral(")") + where,
                   params);
    return readRecordTotals(sums);
}

void TableRecords::remove(qint64 key) {
    requireChanged(m_db.exec(QStringLiteral("delete from ") + m_shape.table +
                                 QStringLiteral(" where ") + m_shape.key + QStringLiteral("=?"),
                             {key}),
                   key);
}

void TableRecords::requireChanged(int changed, qint64 key) const {
    if (changed == 0)
        throw DbError(QStringLiteral("no %1 %2").arg(m_shape.what).arg(key),
                      DbError::Code::RecordMissing);
}

} // namespace ledger
