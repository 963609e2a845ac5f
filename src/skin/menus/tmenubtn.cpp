#include "skin/menus/tmenubtn.h"

#include "skin/window/twinskinform.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace skin {

TMenuBtn::TMenuBtn(TWinSkinForm *form, QAction *item, int index)
    : TNCObject(form), Item(item), Index(index), Caption(item->text()), Submenu(item->menu()) {
    Visible = item->isVisible();
    Enabled = item->isEnabled();
}

void TMenuBtn::PaintNC() {
    if (Form && Form->Handle && !Rect.isEmpty())
        Form->Handle->update(Rect);
}

} // namespace skin
