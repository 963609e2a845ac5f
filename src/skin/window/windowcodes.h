#pragma once

namespace skin {

// Hit-test codes of the skinned frame (the answers a frame gives for a point in it).
enum HitCode : int {
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTMENU = 5,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTBORDER = 18,
};

// Window commands (system-menu items, caption buttons, caption double-clicks).
enum SysCommandCode : int {
    SC_SIZE = 0xF000,
    SC_MOVE = 0xF010,
    SC_MINIMIZE = 0xF020,
    SC_MAXIMIZE = 0xF030,
    SC_NEXTWINDOW = 0xF040,
    SC_PREVWINDOW = 0xF050,
    SC_CLOSE = 0xF060,
    SC_KEYMENU = 0xF100,
    SC_RESTORE = 0xF120,
    SC_CONTEXTHELP = 0xF180,
};

// Whether a hit code is one of the sizing edges or corners.
constexpr bool IsSizingHit(int code) {
    return code >= HTLEFT && code <= HTBOTTOMRIGHT;
}

} // namespace skin
