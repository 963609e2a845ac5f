#pragma once

#include "ledger/data/recordsource.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <QVector>

namespace ledger {

// The rows of a record list as fetched from the database: every cell as text, kept in one flat
// vector so that lists of a million rows stay cheap to fill and to scroll.
class RecordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordListModel(QObject *parent = nullptr);

    void setCaptions(const QStringList &captions);
    QStringList captions() const { return m_captions; }

    // Replaces all rows; cell c of a row is column c of the list (missing cells are empty,
    // extra cells are dropped).
    void setRows(RecordRows rows);
    // Empties the list and hands over its rows, so that their memory can serve the next fill.
    RecordRows takeRows();
    void clear();
    // Appends one row (the account history and summary lists build theirs in code).
    void addRow(const QStringList &cells);

    QString text(int row, int column) const;
    // Column 0 as a key; 0 when the row is out of range or the text is not a number.
    qint64 key(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_captions;
    QVector<QString> m_cells; // row-major, m_captions.size() cells per row
    int m_rows = 0;
};

} // namespace ledger
