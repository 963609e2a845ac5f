#pragma once

#include "skin/window/windowcodes.h"

#include <QImage>
#include <QList>
#include <QString>
#include <functional>

class QMenu;

namespace skin {

// The tag of the system menu (its items are measured a little wider).
inline constexpr int SystemMenuTag = 33333;

// What a window's system menu offers, read from the window.
struct TSystemMenuState {
    bool Maximized = false;
    bool Minimized = false;
    bool HasMinimize = false; // a minimize box
    bool HasMaximize = false; // a maximize box (or context help)
    bool HasClose = true;
    bool Sizable = false;
    bool DialogFrame = false; // dialogs offer moving, sizing when sizable, and closing only
};

// One entry of the system menu: a separator, or a window command with its caption, the glyph
// of the system-menu glyph strip (-1 for none) and whether the window's state allows it.
struct TSystemMenuItem {
    bool Separator = false;
    WindowCommand Command = WindowCommand::Close;
    QString Caption;
    int Glyph = -1;
    bool Enabled = true;
};

// The items of the system menu in their order, enabled as the state allows.
QList<TSystemMenuItem> SystemMenuItems(const TSystemMenuState &state);

// Fills `menu` (tag 33333) with the items; glyphs come from a strip of 16x16 glyphs (0 restore,
// 1 maximize, 2 minimize, 3 close). Choosing an item calls `command` with its window command.
void BuildSystemMenu(QMenu &menu, const QList<TSystemMenuItem> &items, const QImage &glyphs,
                     const std::function<void(WindowCommand)> &command);

} // namespace skin
