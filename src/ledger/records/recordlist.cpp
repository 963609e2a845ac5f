#include "ledger/records/recordlist.h"

#include "ledger/records/recordlistmodel.h"

#include <QHeaderView>
#include <QItemSelectionModel>

namespace ledger {

namespace {
constexpr int kRowHeight = 24;
}

RecordList::RecordList(QWidget *parent) : QTableView(parent), m_model(new RecordListModel(this)) {
    setModel(m_model);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setAlternatingRowColors(false);
    setSortingEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
}

void RecordList::setColumns(const QStringList &captions, const QList<int> &widths) {
    m_model->setCaptions(captions);
    int last = -1;
    for (int c = 0; c < captions.size(); ++c) {
        const int width = c < widths.size() ? widths.at(c) : 0;
        setColumnHidden(c, width <= 0);
        if (width > 0)
            last = c;
    }
    // The last column takes the width that is left, so that a list whose other columns fit
    // needs no horizontal scroll bar; given a width of its own, it would keep at least that.
    for (int c = 0; c < last; ++c) {
        if (!isColumnHidden(c))
            setColumnWidth(c, widths.at(c));
    }
}

int RecordList::count() const {
    return m_model->rowCount();
}

int RecordList::selectedRow() const {
    // Selected cells rather than selectedRows(): the hidden key column is not always part of a
    // row's selection.
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

bool RecordList::selectedKey(qint64 *key) const {
    const int row = selectedRow();
    if (row < 0)
        return false;
    *key = m_model->key(row);
    return true;
}

} // namespace ledger
