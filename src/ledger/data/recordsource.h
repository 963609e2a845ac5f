#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>
#include <QVector>
#include <optional>

namespace ledger {

class Db;
class Statement;

// Rows of a record list as text, row-major: `columns` cells per row, the record's key in
// cell 0 of every row.
struct RecordRows {
    int columns = 0;
    QVector<QString> cells;

    int count() const { return columns > 0 ? int(cells.size() / columns) : 0; }
    QString text(int row, int column) const { return cells.at(qsizetype(row) * columns + column); }
};

// Number of records and the sum of their amounts.
struct RecordTotals {
    int count = 0;
    double total = 0;
};

// What a record page lists and deletes. The data class of the page's table implements it
// (TableRecords for the income, expense, transfer and loan records; Cards); the page chooses
// the period and shows the rows, the data class owns the SQL.
//
// A period is given by its first day: the records dated on or after it. std::nullopt stands
// for all records. Records dated after today belong to every period.
//
// A list reads the keys of its period first, in the list's order, and the rows of the keys it
// shows later, a few hundred at a time; so a list of a million records opens without reading
// them. Every call throws DbError.
class RecordSource {
public:
    // The most keys one rows() call takes (SQLite binds at most 999 values per statement).
    static constexpr int kMaxRowKeys = 500;

    virtual ~RecordSource() = default;

    // Replaces the keys in out with the keys of the period's listed records in list order.
    virtual void keys(std::optional<QDate> since, QVector<qint64> *out) const = 0;
    // Replaces the rows in out with the rows of the records with these keys (at most
    // kMaxRowKeys), in any order; cell c of a row is column c of the list. A key without a
    // record (deleted meanwhile) has no row. out's memory is reused.
    virtual void rows(const QVector<qint64> &keys, RecordRows *out) const = 0;
    // Count and amount total of the period's listed records.
    virtual RecordTotals totals(std::optional<QDate> since) const = 0;
    // Deletes one record; DbError::Code::RecordMissing when no record has that key.
    virtual void remove(qint64 key) = 0;
};

// Replaces the rows in out with every row of the statement, each column as Statement::text
// gives it, reusing out's memory. Throws DbError.
void readRecordRows(Statement &query, RecordRows *out);
// The same for a statement run on db with its values.
void readRecordRows(Db &db, const QString &sql, const QVariantList &params, RecordRows *out);
// Replaces the keys in out with column 0 of every row of the statement run on db with its
// values, reusing out's memory. Throws DbError.
void readRecordKeys(Db &db, const QString &sql, const QVariantList &params, QVector<qint64> *out);
// The count and total of the statement's first row (columns 0 and 1); zero without a row.
RecordTotals readRecordTotals(Statement &sums);
// A sum of the current row. SQLite gives an undefined sum (+inf and -inf added) as NULL: it
// reads NaN, never 0.
double sumNumber(const Statement &row, int column);
// " IN (?,?,...)" for the keys, which are appended to params.
QString keyList(const QVector<qint64> &keys, QVariantList *params);

// A RecordSource over one table: the rows meeting a condition, by key, within a period of
// EventDate; the total sums an amount expression. Table, column and condition texts are
// program constants; values are bound.
class TableRecords : public RecordSource {
public:
    struct Shape {
        QString table;
        QString key;
        QString columns;   // the listed columns, the key first
        QString amount;    // summed for the total
        QString condition; // e.g. "IsValid='1' and myType=?"
        QVariantList params;
        QString what; // the record's name in errors
    };

    void keys(std::optional<QDate> since, QVector<qint64> *out) const override;
    void rows(const QVector<qint64> &keys, RecordRows *out) const override;
    RecordTotals totals(std::optional<QDate> since) const override;
    void remove(qint64 key) override;

protected:
    TableRecords(Db &db, Shape shape);
    Db &db() const { return m_db; }
    // Throws RecordMissing when no row changed.
    void requireChanged(int changed, qint64 key) const;

private:
    QString fromWhere(std::optional<QDate> since, QVariantList *params) const;

    Db &m_db;
    Shape m_shape;
};

} // namespace ledger
