#include "skin/window/twinsysbutton.h"

#include "skin/data/tdataskinsysbutton.h"

#include <utility>

namespace skin {

TWinSysButton::TWinSysButton(TNCTracker &tracker, const TDataSkinSysButton &data,
                             TRepaint repaintRect)
    : TNCObject(tracker), button(data), repaint(std::move(repaintRect)) {}

void TWinSysButton::PaintNC() {
    if (repaint)
        repaint(Rect());
}

int TWinSysButton::Action() const {
    return button.Action;
}

bool TWinSysButton::ShowsWindowIcon() const {
    return button.ShowsWindowIcon();
}

} // namespace skin
