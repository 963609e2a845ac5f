#include "ledger/main/navtree.h"

#include <QPainter>
#include <QTreeWidgetItemIterator>

namespace ledger {

NavTree::NavTree(QWidget *parent) : QTreeWidget(parent) {
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Base, backgroundColor());
        pal.setColor(group, QPalette::Window, backgroundColor());
        pal.setColor(group, QPalette::Highlight, selectionColor());
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    setPalette(pal);
    setIconSize(QSize(24, 24));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

void NavTree::applyItemHeight(int height) {
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        (*it)->setSizeHint(0, QSize(0, height));
}

void NavTree::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                      const QModelIndex &index) const {
    if (selectionModel() && selectionModel()->isSelected(index))
        painter->fillRect(QRect(0, option.rect.y(), viewport()->width(), option.rect.height()),
                          selectionColor());
    QTreeWidget::drawRow(painter, option, index);
}

} // namespace ledger
