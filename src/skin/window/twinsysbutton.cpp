#include "skin/window/twinsysbutton.h"

#include "skin/data/tdataskinsysbutton.h"
#include "skin/window/twinskinform.h"

namespace skin {

TWinSysButton::TWinSysButton(TWinSkinForm *form, const TDataSkinSysButton *button)
    : TNCObject(form), Button(button) {}

void TWinSysButton::PaintNC() {
    Form->PaintCaptionButton(this);
}

bool TWinSysButton::ShowsWindowIcon() const {
    return Button->ShowsWindowIcon();
}

QImage TWinSysButton::Image() const {
    if (ShowsWindowIcon() && !Button->HasImage())
        return Form->IconImage;
    return Button->Image;
}

int TWinSysButton::FrameCount() const {
    if (ShowsWindowIcon())
        return 1;
    return Button->FrameCount();
}

} // namespace skin
