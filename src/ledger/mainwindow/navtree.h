#pragma once

#include <QColor>
#include <QTreeWidget>

namespace ledger {

// The navigation tree: a read-only tree whose selected row is painted across its whole
// width, indentation included, in the selection colour (also while the tree has no focus).
class NavTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit NavTree(QWidget *parent = nullptr);

    static QColor backgroundColor() { return QColor(237, 238, 238); }
    static QColor selectionColor() { return QColor(51, 153, 255); }
    static constexpr int kItemHeight = 32;
    // Blank strip above the first row, in the tree's colour (the tree's panel shows it).
    static constexpr int kTopGap = 4;

    // Every item of the tree gets the fixed row height.
    void applyItemHeight(int height);

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                 const QModelIndex &index) const override;
};

} // namespace ledger
