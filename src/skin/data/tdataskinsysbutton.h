#pragma once

#include "skin/data/tdataskinobject.h"

namespace skin {

// What a click on a caption button does: the `Action` of its section. Several codes share one
// effect; a code not listed here is passed on to the window as it stands.
enum TCaptionButtonAction : int {
    cbaNone = -1, // a section kept only for its visibility rules; never clicked
    cbaClose = 0,
    cbaMaximize = 1, // maximize, or restore a maximized window
    cbaMinimize = 2, // minimize, or restore a minimized window
    cbaSystemMenu = 3,
    cbaHelp = 4,
    cbaMDIMinimize = 7, // the active MDI child's buttons
    cbaMDIRestore = 8,
    cbaMDIClose = 9,
    cbaSystemMenu2 = 11,
    cbaSystemMenu3 = 12,
    cbaMaximize2 = 22,
    cbaMinimize2 = 23,
    cbaMDIMinimize2 = 60,
    cbaMDIRestore2 = 61,
    cbaMDIClose2 = 62,
};

// Align, Visibility and Visibility1 of the three MDI buttons: placed in the menu bar, shown only
// while an MDI child is maximized.
inline constexpr int MDIButtonPlacement = 100;

// A caption button ([BUTTON...] sections and the three MDI buttons). `Action` holds a
// TCaptionButtonAction code (any other value read from the skin stays as read); what Align,
// the coordinates and the visibilities mean is the painters'.
class TDataSkinSysButton : public TDataSkinObject {
public:
    explicit TDataSkinSysButton(const QString &name);
    ~TDataSkinSysButton() override;

    int Action = cbaClose;
    int Align = 0;
    int Xcoord = 0;
    int Ycoord = 0;
    int CombineOp = -1;
    int Visibility = 0;
    int Visibility1 = 0;

    // Buttons with Action 3 or 11 show the window's icon instead of an image.
    bool ShowsWindowIcon() const { return Action == cbaSystemMenu || Action == cbaSystemMenu2; }
};

} // namespace skin
