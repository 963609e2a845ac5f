#pragma once

#include <QDate>
#include <QString>
#include <QVector>
#include <limits>
#include <optional>

namespace ledger {

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

// The records whose keys lie from first to last, both included; by default every key.
struct KeyRange {
    qint64 first = std::numeric_limits<qint64>::min();
    qint64 last = std::numeric_limits<qint64>::max();

    bool isAll() const {
        return first == std::numeric_limits<qint64>::min() &&
               last == std::numeric_limits<qint64>::max();
    }
};

// What a record page lists and deletes. The data class of the page's table implements it
// (InOutRecords; the account, transfer and loan records likewise); the page chooses the period
// and shows the rows, the data class owns the SQL.
//
// A period is given by its first day: the records dated on or after it. std::nullopt stands
// for all records. Records dated after today belong to every period.
//
// A list reads the keys of its period first and the rows of the keys it shows later, a range
// of keys at a time; keys(), rows() and totals() therefore select the same records in the same
// key order. Every call throws DbError.
class RecordSource {
public:
    virtual ~RecordSource() = default;

    // Replaces the keys in out with the keys of the period's listed records in key order.
    virtual void keys(std::optional<QDate> since, QVector<qint64> *out) const = 0;
    // Replaces the rows in out with the period's listed rows whose keys lie in range, in key
    // order; cell c of a row is column c of the list. out's memory is reused.
    virtual void rows(std::optional<QDate> since, const KeyRange &range, RecordRows *out) const = 0;
    // Count and amount total of the period's listed records.
    virtual RecordTotals totals(std::optional<QDate> since) const = 0;
    // Deletes one record; DbError::Code::RecordMissing when no record has that key.
    virtual void remove(qint64 key) = 0;
};

// Replaces the rows in out with every row of the statement, each column as Statement::text
// gives it, reusing out's memory. Throws DbError.
void readRecordRows(Statement &query, RecordRows *out);
// Replaces the keys in out with column 0 of every row of the statement. Throws DbError.
void readRecordKeys(Statement &query, QVector<qint64> *out);

} // namespace ledger
