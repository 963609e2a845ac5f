#include "ledger/records/recordlistmodel.h"

#include "ledger/core/dbguard.h"

namespace ledger {

RecordListModel::RecordListModel(QObject *parent) : QAbstractTableModel(parent) {}

void RecordListModel::setCaptions(const QStringList &captions) {
    beginResetModel();
    m_captions = captions;
    m_cells.clear();
    m_rows = 0;
    m_keys.clear();
    m_read = nullptr;
    dropBlocks();
    endResetModel();
}

void RecordListModel::setRows(RecordRows rows) {
    const int columns = this->columns();
    beginResetModel();
    m_keys.clear();
    m_read = nullptr;
    dropBlocks();
    m_rows = rows.count();
    if (rows.columns == columns) {
        m_cells = std::move(rows.cells);
    } else {
        m_cells.clear();
        m_cells.reserve(qsizetype(m_rows) * columns);
        for (int r = 0; r < m_rows; ++r) {
            for (int c = 0; c < columns; ++c)
                m_cells.append(c < rows.columns ? rows.text(r, c) : QString());
        }
    }
    endResetModel();
}

RecordRows RecordListModel::takeRows() {
    beginResetModel();
    RecordRows rows{columns(), std::move(m_cells)};
    m_cells = {};
    m_rows = 0;
    endResetModel();
    return rows;
}

void RecordListModel::setKeys(QVector<qint64> keys, RowReader read) {
    beginResetModel();
    m_cells.clear();
    m_rows = 0;
    dropBlocks();
    m_keys = std::move(keys);
    m_read = std::move(read);
    endResetModel();
}

QVector<qint64> RecordListModel::takeKeys() {
    beginResetModel();
    QVector<qint64> keys = std::move(m_keys);
    m_keys = {};
    m_read = nullptr;
    dropBlocks();
    endResetModel();
    return keys;
}

void RecordListModel::clear() {
    beginResetModel();
    m_cells.clear();
    m_rows = 0;
    m_keys.clear();
    m_read = nullptr;
    dropBlocks();
    endResetModel();
}

void RecordListModel::addRow(const QStringList &cells) {
    const int columns = this->columns();
    const int row = rowCount();
    beginInsertRows({}, row, row);
    if (onDemand()) { // the list becomes one of held rows
        for (int r = 0; r < row; ++r) {
            for (int c = 0; c < columns; ++c)
                m_cells.append(text(r, c));
        }
        m_rows = row;
        m_keys.clear();
        m_read = nullptr;
        dropBlocks();
    }
    for (int c = 0; c < columns; ++c)
        m_cells.append(c < cells.size() ? cells.at(c) : QString());
    ++m_rows;
    endInsertRows();
}

void RecordListModel::dropBlocks() {
    m_blocks.clear();
    m_uses = 0;
}

const RecordListModel::Block &RecordListModel::block(int row) const {
    const int index = row / kBlockRows;
    auto found = m_blocks.find(index);
    if (found == m_blocks.end()) {
        if (m_blocks.size() >= kKeptBlocks) {
            auto oldest = m_blocks.begin();
            for (auto it = m_blocks.begin(); it != m_blocks.end(); ++it) {
                if (it->lastUse < oldest->lastUse)
                    oldest = it;
            }
            m_blocks.erase(oldest);
        }
        found = m_blocks.insert(index, Block());
        readBlock(index, &found.value());
    }
    found->lastUse = ++m_uses;
    return found.value();
}

void RecordListModel::readBlock(int index, Block *block) const {
    const int columns = this->columns();
    const int first = index * kBlockRows;
    const QVector<qint64> keys = m_keys.mid(first, kBlockRows);
    RecordRows rows;
    guardDbWhilePainting("record list rows", [&] { m_read(keys, &rows); });
    QHash<qint64, int> rowOfKey;
    for (int r = 0; r < rows.count(); ++r)
        rowOfKey.insert(rows.text(r, 0).toLongLong(), r);
    block->cells.resize(keys.size() * columns);
    for (int i = 0; i < keys.size(); ++i) {
        QString *cells = block->cells.data() + qsizetype(i) * columns;
        const int r = rowOfKey.value(keys.at(i), -1);
        if (r >= 0) {
            for (int c = 0; c < columns && c < rows.columns; ++c)
                cells[c] = std::move(rows.cells[qsizetype(r) * rows.columns + c]);
        } else if (columns > 0) { // deleted since the keys were read, or no ledger
            cells[0] = QString::number(keys.at(i));
        }
    }
}

QString RecordListModel::text(int row, int column) const {
    const int columns = this->columns();
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns)
        return {};
    if (onDemand())
        return block(row).cells.at(qsizetype(row % kBlockRows) * columns + column);
    return m_cells.at(qsizetype(row) * columns + column);
}

qint64 RecordListModel::key(int row) const {
    if (onDemand())
        return row >= 0 && row < m_keys.size() ? m_keys.at(row) : 0;
    bool ok = false;
    const qint64 value = text(row, 0).toLongLong(&ok);
    return ok ? value : 0;
}

int RecordListModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid())
        return 0;
    return onDemand() ? int(m_keys.size()) : m_rows;
}

int RecordListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : columns();
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return text(index.row(), index.column());
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_captions.size())
        return {};
    return m_captions.at(section);
}

} // namespace ledger
