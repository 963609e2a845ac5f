#pragma once

#include <QDate>
#include <QString>
#include <QVector>
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

// What a record page lists and deletes. The data class of the page's table implements it
// (InOutRecords; the account, transfer and loan records likewise); the page chooses the period
// and shows the rows, the data class owns the SQL.
//
// A period is given by its first day: the records dated on or after it. std::nullopt stands
// for all records. Records dated after today belong to every period.
//
// rows() and totals() are separate calls over the same condition, so that a list can show the
// count and the total first and fetch its rows later or in parts. Every call throws DbError.
class RecordSource {
public:
    virtual ~RecordSource() = default;

    // Replaces the rows in out with the listed rows of the period in key order; cell c of a
    // row is column c of the list. out's memory is reused (lists refill often).
    virtual void rows(std::optional<QDate> since, RecordRows *out) const = 0;
    // Count and amount total of the same rows.
    virtual RecordTotals totals(std::optional<QDate> since) const = 0;
    // Deletes one record; DbError::Code::RecordMissing when no record has that key.
    virtual void remove(qint64 key) = 0;
};

// Replaces the rows in out with every row of the statement, each column as Statement::text
// gives it, reusing out's memory. Throws DbError.
void readRecordRows(Statement &query, RecordRows *out);

} // namespace ledger
