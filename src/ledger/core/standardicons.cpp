#include "ledger/core/standardicons.h"

#include <QCoreApplication>
#include <QHash>
#include <QPair>
#include <QWidget>

namespace ledger {

namespace {

using IconKey = QPair<const QStyle *, int>;

QHash<IconKey, QIcon> *g_icons = nullptr;

} // namespace

QIcon standardIcon(const QWidget *widget, QStyle::StandardPixmap pixmap) {
    QStyle *style = widget->style();
    if (!g_icons) {
        g_icons = new QHash<IconKey, QIcon>;
        // The icons go with the application, before the pixmaps they hold could outlive it.
        qAddPostRoutine([] {
            delete g_icons;
            g_icons = nullptr;
        });
    }
    const IconKey key(style, int(pixmap));
    auto found = g_icons->constFind(key);
    if (found == g_icons->constEnd())
        found = g_icons->insert(key, style->standardIcon(pixmap));
    return *found;
}

} // namespace ledger
