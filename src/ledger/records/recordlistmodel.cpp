#include "ledger/records/recordlistmodel.h"

namespace ledger {

RecordListModel::RecordListModel(QObject *parent) : QAbstractTableModel(parent) {}

void RecordListModel::setCaptions(const QStringList &captions) {
    beginResetModel();
    m_captions = captions;
    m_cells.clear();
    m_rows = 0;
    endResetModel();
}

void RecordListModel::setRows(RecordRows rows) {
    const int columns = int(m_captions.size());
    beginResetModel();
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
    RecordRows rows{int(m_captions.size()), std::move(m_cells)};
    m_cells = {};
    m_rows = 0;
    endResetModel();
    return rows;
}

void RecordListModel::clear() {
    beginResetModel();
    m_cells.clear();
    m_rows = 0;
    endResetModel();
}

void RecordListModel::addRow(const QStringList &cells) {
    const int columns = int(m_captions.size());
    beginInsertRows({}, m_rows, m_rows);
    for (int c = 0; c < columns; ++c)
        m_cells.append(c < cells.size() ? cells.at(c) : QString());
    ++m_rows;
    endInsertRows();
}

QString RecordListModel::text(int row, int column) const {
    const int columns = int(m_captions.size());
    if (row < 0 || row >= m_rows || column < 0 || column >= columns)
        return {};
    return m_cells.at(qsizetype(row) * columns + column);
}

qint64 RecordListModel::key(int row) const {
    bool ok = false;
    const qint64 value = text(row, 0).toLongLong(&ok);
    return ok ? value : 0;
}

int RecordListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int RecordListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_captions.size());
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
