#pragma once

#include "skin/window/tncobject.h"

#include <QImage>

namespace skin {

class TDataSkinSysButton;

// One caption button of a skinned window, shown from one caption-button section of the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm *form, const TDataSkinSysButton *button);

    void PaintNC() override;

    // The system-menu buttons (Action 3 and 11) show the window's icon.
    bool ShowsWindowIcon() const;
    // The strip the button shows and its frame count: a system-menu button without an image of
    // its own shows the window's icon image (one frame).
    QImage Image() const;
    int FrameCount() const;

    const TDataSkinSysButton *Button;
};

} // namespace skin
