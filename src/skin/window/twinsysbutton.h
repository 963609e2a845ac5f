#pragma once

#include "skin/window/tncobject.h"

#include <functional>

namespace skin {

class TDataSkinSysButton;

// One caption button of a skinned window, shown from one caption-button section of the skin.
class TWinSysButton : public TNCObject {
public:
    using TRepaint = std::function<void(const QRect &)>;
    TWinSysButton(TNCTracker &tracker, const TDataSkinSysButton &button, TRepaint repaint);

    void PaintNC() override;

    const TDataSkinSysButton &Button() const { return button; }
    int Action() const;
    // The system-menu buttons (Action 3 and 11) show the window's icon.
    bool ShowsWindowIcon() const;

private:
    const TDataSkinSysButton &button;
    TRepaint repaint;
};

} // namespace skin
