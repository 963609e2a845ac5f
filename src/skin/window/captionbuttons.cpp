#include "skin/window/captionbuttons.h"

#include "skin/data/tdataskinsysbutton.h"

namespace skin {

namespace {

bool IsSystemMenuAction(int action) {
    return action == cbaSystemMenu || action == cbaSystemMenu2 || action == cbaSystemMenu3;
}

} // namespace

bool CaptionVisibilityRule(int value, bool first, const TCaptionFacts &f,
                           const TAskButtonEnabled &askWindow) {
    const bool maximized = f.ShowState == TShowState::Maximized;
    switch (value) {
    case -1:
    case 5:
        return false;
    case 0:
        return true;
    case 1:
        return maximized;
    case 2:
        return !maximized;
    case 3:
        return f.Active;
    case 4:
        return !f.Active;
    case 6:
    case 8:
        return first ? (f.Minimize || f.Maximize) && f.SystemMenu : f.Minimize || f.Maximize;
    case 7:
        return !f.Maximize;
    case 9:
        return !f.Minimize;
    case 10:
        return first;
    case MDIButtonPlacement:
        return f.MDIChildMaximized;
    case 200:
        return f.FrameKind == TFrameKind::Dialog && !f.IsDialog;
    default:
        break;
    }
    if (value >= 201 && value <= 999)
        return true;
    if (value >= 1000 && value <= 2000)
        return !first || (askWindow && askWindow() > 0);
    return false;
}

TCaptionButtonFlags CaptionButtonVisible(const TDataSkinSysButton &button,
                                         const TCaptionFacts &facts, bool enabled,
                                         const TAskButtonEnabled &askWindow) {
    TCaptionButtonFlags flags;
    flags.Enabled = enabled;
    const bool a = CaptionVisibilityRule(button.Visibility, true, facts, askWindow);
    const bool b = CaptionVisibilityRule(button.Visibility1, false, facts, askWindow);
    flags.Visible = a && b;
    switch (button.Action) {
    case cbaClose:
        flags.Visible = flags.Visible && facts.SystemMenu;
        break;
    case cbaMaximize:
        flags.Enabled = facts.Maximize && facts.SystemMenu;
        break;
    case cbaMinimize:
        flags.Enabled = facts.Minimize && facts.SystemMenu;
        break;
    default:
        if (IsSystemMenuAction(button.Action) && facts.FrameKind == TFrameKind::Dialog)
            flags.Visible = false;
        break;
    }
    return flags;
}

QRect CaptionButtonRect(const TDataSkinSysButton &button, QSize frame, int windowWidth,
                        int textLeft, int textRight, const TMenuStrip &strip) {
    QPoint shift;
    switch (button.Align) {
    case 0:
        shift = QPoint(button.Xcoord, button.Ycoord);
        break;
    case 1:
        shift = QPoint(windowWidth - button.Xcoord, button.Ycoord);
        break;
    case 2:
    case 8:
        shift = QPoint(textLeft - frame.width() - button.Xcoord, button.Ycoord);
        break;
    case 3:
    case 9:
        shift = QPoint(textRight + button.Xcoord, button.Ycoord);
        break;
    case MDIButtonPlacement:
        shift = QPoint(windowWidth - button.Xcoord - strip.RightInset,
                       (strip.Height - frame.height()) / 2 + strip.Top);
        break;
    default:
        break;
    }
    return QRect(shift, frame);
}

int CaptionButtonFrame(int state, bool enabled, bool active, int frameCount, bool inMenuBar) {
    int frame = enabled && active ? state : 4;
    if (inMenuBar && frame == 3)
        frame = 4;
    if (frame == 4 && frameCount < 4)
        frame = 1;
    return frame;
}

} // namespace skin
