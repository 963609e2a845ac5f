#pragma once

#include "skin/window/windowkinds.h"

#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <functional>

namespace skin {

class TDataSkinSysButton;

// What the caption-button rules read from a skinned window.
struct TCaptionFacts {
    bool SystemMenu = false; // S: the window has a system menu
    bool Minimize = false;   // N: a minimize box
    bool Maximize = false;   // X: a maximize box or a context-help button
    bool Active = true;
    TShowState ShowState = TShowState::Normal;
    TFrameKind FrameKind = TFrameKind::Sizable;
    bool IsDialog = false;
    // An MDI child of the window is maximized and the window has a skinned menu bar: the MDI
    // buttons show in that bar.
    bool MDIChildMaximized = false;
};

// Where the menu-bar strip is, for the buttons placed in it (the MDI buttons).
struct TMenuStrip {
    int Top = 0;        // the caption's height
    int Height = 0;     // the strip's
    int RightInset = 0; // the right border plus the left piece of the bar's image
};

// Asks the window whether a button of Visibility 1000..2000 is shown (SM_SKINBUTTONENABLED);
// greater than 0 means shown.
using TAskButtonEnabled = std::function<qintptr()>;

// One visibility rule: `value` is the button's Visibility (first) or Visibility1 (second).
bool CaptionVisibilityRule(int value, bool first, const TCaptionFacts &facts,
                           const TAskButtonEnabled &askWindow);

struct TCaptionButtonFlags {
    bool Visible = false;
    bool Enabled = true;
};

// Both visibility rules, then the button's Action: a close button needs a system menu, the
// maximize and minimize buttons are enabled only with their boxes, and dialog frames show no
// system-menu button. `enabled` is the button's enabled state before the rules.
TCaptionButtonFlags CaptionButtonVisible(const TDataSkinSysButton &button,
                                         const TCaptionFacts &facts, bool enabled,
                                         const TAskButtonEnabled &askWindow);

// Where a button of frame size `frame` sits in a window `windowWidth` wide whose caption text
// spans [textLeft, textRight); the MDI buttons sit in the menu-bar strip, from its right end.
QRect CaptionButtonRect(const TDataSkinSysButton &button, QSize frame, int windowWidth,
                        int textLeft, int textRight, const TMenuStrip &strip = {});

// The frame of a button's strip to show: its state (1 normal, 2 pressed, 3 hot) while the
// window is active and the button enabled, otherwise 4; a strip of fewer than 4 frames shows
// frame 1 instead of 4; buttons placed in the menu bar show 4 instead of 3.
int CaptionButtonFrame(int state, bool enabled, bool active, int frameCount, bool inMenuBar);

} // namespace skin
