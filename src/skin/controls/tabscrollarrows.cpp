#include "skin/controls/tabscrollarrows.h"

#include "skin/controls/tskinupdown.h"
#include "skin/window/skinmessageevent.h"

#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace skin {

QTabBar *TTabScrollArrows::BarOf(QWidget *control) {
    if (auto *bar = qobject_cast<QTabBar *>(control))
        return bar;
    if (auto *widget = qobject_cast<QTabWidget *>(control))
        return widget->tabBar();
    return control ? control->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void TTabScrollArrows::Attach(QTabBar *bar, TWinSkinForm *form, TSkinData *data) {
    if (!bar)
        return;
    for (QToolButton *arrow : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        if (SendSkinMessage(arrow, SM_SKINQUERY) == 1)
            continue;
        auto *skin = new TSkinUpDown(arrow);
        skin->InitSkin(form, data, false);
        skins.append(skin);
    }
}

void TTabScrollArrows::Detach() {
    for (const QPointer<TSkinControl> &skin : std::as_const(skins))
        if (skin) {
            skin->Detach();
            skin->deleteLater();
        }
    skins.clear();
}

} // namespace skin
