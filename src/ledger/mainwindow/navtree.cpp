#include "ledger/mainwindow/navtree.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidgetItemIterator>

namespace ledger {

namespace {

// Paints a node flat: the selection colour behind a selected node, white text on it.
class NavItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const bool selected = opt.state & QStyle::State_Selected;
        painter->fillRect(opt.rect,
                          selected ? NavTree::selectionColor() : NavTree::backgroundColor());
        opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
        opt.backgroundBrush = Qt::NoBrush;
        if (selected)
            opt.palette.setColor(QPalette::Text, Qt::white);
        const QWidget *widget = opt.widget;
        QStyle *style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }
};

} // namespace

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
    setItemDelegate(new NavItemDelegate(this));
}

void NavTree::applyItemHeight(int height) {
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        (*it)->setSizeHint(0, QSize(0, height));
}

void NavTree::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                      const QModelIndex &index) const {
    // The row is painted here in full (no branch lines, no expand buttons, no focus frame), so
    // that the style adds nothing over the flat colours.
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    const QRect row(0, option.rect.y(), viewport()->width(), option.rect.height());
    painter->fillRect(row, selected ? selectionColor() : backgroundColor());
    QStyleOptionViewItem opt(option);
    const int left = visualRect(index).x();
    opt.rect = QRect(left, row.y(), row.width() - left, row.height());
    opt.state.setFlag(QStyle::State_Selected, selected);
    itemDelegateForIndex(index)->paint(painter, opt, index);
}

} // namespace ledger
