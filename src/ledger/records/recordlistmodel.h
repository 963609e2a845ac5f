#pragma once

#include "ledger/data/recordsource.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace ledger {

// The rows of a record list, every cell as text. Rows are either held (setRows, addRow: lists
// built in code) or read on demand: the list knows the keys of all its records and reads the
// rows of a block of keys when one of them is first shown, keeping a bounded number of blocks,
// so that a list of a million records opens and scrolls without reading them all.
class RecordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Reads the rows of the given keys, in any order (a RecordSource's rows()).
    using RowReader = std::function<void(const QVector<qint64> &, RecordRows *)>;
    // Rows read per block, and the most blocks kept.
    static constexpr int kBlockRows = 256;
    static_assert(kBlockRows <= RecordSource::kMaxRowKeys);
    static constexpr int kKeptBlocks = 64;

    explicit RecordListModel(QObject *parent = nullptr);

    void setCaptions(const QStringList &captions);
    QStringList captions() const { return m_captions; }

    // Replaces all rows; cell c of a row is column c of the list (missing cells are empty,
    // extra cells are dropped).
    void setRows(RecordRows rows);
    // Empties the list and hands over its rows, so that their memory can serve the next fill.
    RecordRows takeRows();
    // Lists one record per key, in the keys' order; their rows are read by read when shown.
    // A key whose row cannot be read (deleted meanwhile, no ledger) shows only its key.
    void setKeys(QVector<qint64> keys, RowReader read);
    // Empties the list and hands over its keys, so that their memory can serve the next fill.
    QVector<qint64> takeKeys();
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
    struct Block {
        QVector<QString> cells; // row-major, columns() cells per row
        quint64 lastUse = 0;
    };
    int columns() const { return int(m_captions.size()); }
    bool onDemand() const { return bool(m_read); }
    // The block holding row, read when it is not kept.
    const Block &block(int row) const;
    void readBlock(int index, Block *block) const;
    void dropBlocks();

    QStringList m_captions;
    // Held rows.
    QVector<QString> m_cells; // row-major, columns() cells per row
    int m_rows = 0;
    // Rows read on demand.
    QVector<qint64> m_keys;
    RowReader m_read;
    mutable QHash<int, Block> m_blocks;
    mutable quint64 m_uses = 0;
};

} // namespace ledger
