#include "skin/menus/tmenubtn.h"

namespace skin {

TMenuBtn::TMenuBtn(TNCTracker &tracker, QAction *item, int index, TRepaint repaint)
    : TNCObject(tracker), Item(item), Index(index), Caption(item->text()), Submenu(item->menu()),
      repaint(std::move(repaint)) {}

void TMenuBtn::PaintNC() {
    if (repaint && !Rect().isEmpty())
        repaint(Rect());
}

} // namespace skin
