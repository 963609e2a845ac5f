#include "skin/controls/tskinlistview.h"

#include "skin/controls/tskinheader.h"

#include <QHeaderView>
#include <QTableView>
#include <QTreeView>

namespace skin {

TSkinListView::TSkinListView(QAbstractScrollArea *list) : TSkinScrollbar(list) {}

void TSkinListView::InitScrollbars() {
    TSkinScrollbar::InitScrollbars();
    QHeaderView *header = nullptr;
    if (auto *tree = qobject_cast<QTreeView *>(Control()))
        header = tree->isHeaderHidden() ? nullptr : tree->header();
    else if (auto *table = qobject_cast<QTableView *>(Control()))
        header = table->horizontalHeader()->isHidden() ? nullptr : table->horizontalHeader();
    if (!header || headerSkin)
        return;
    headerSkin = new TSkinHeader(header);
    headerSkin->setParent(this);
    headerSkin->InitSkin(SkinForm(), SkinData(), false);
}

void TSkinListView::Restore() {
    // The header's own look comes back with the list's, not when this object goes.
    if (headerSkin)
        headerSkin->Detach();
    TSkinScrollbar::Restore();
}

} // namespace skin
