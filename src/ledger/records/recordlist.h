#pragma once

#include <QList>
#include <QStringList>
#include <QTableView>

namespace ledger {

class RecordListModel;

// A record list: report style with grid lines, read-only, whole-row selection, rows 24 pixels
// high. Column 0 holds the key and is hidden; it is still part of the model (and of exports).
class RecordList : public QTableView {
    Q_OBJECT
public:
    explicit RecordList(QWidget *parent = nullptr);

    // Captions and widths of the columns; width 0 hides a column.
    void setColumns(const QStringList &captions, const QList<int> &widths);
    RecordListModel *records() const { return m_model; }

    int count() const;
    // Row of the selected item, -1 when none is selected.
    int selectedRow() const;
    // Key (column 0) of the selected item; false when no item is selected.
    bool selectedKey(qint64 *key) const;

private:
    RecordListModel *m_model;
};

} // namespace ledger
