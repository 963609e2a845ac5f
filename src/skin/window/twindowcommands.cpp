#include "skin/window/twindowcommands.h"

#include "skin/window/tkeyboardmovesize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <xcb/xcb.h>

namespace skin {

namespace {

// The window named by the root window's _NET_SUPPORTING_WM_CHECK names itself the same way:
// an EWMH window manager runs.
bool X11WindowManagerRuns(xcb_connection_t *connection) {
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    if (!screens.rem)
        return false;
    constexpr char name[] = "_NET_SUPPORTING_WM_CHECK";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof(name) - 1, name),
                              nullptr),
        &free);
    if (!atom || !atom->atom)
        return false;
    const auto checkWindow = [&](xcb_window_t window) -> xcb_window_t {
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, window, atom->atom, XCB_ATOM_WINDOW, 0, 1),
                nullptr),
            &free);
        if (!reply || reply->type != XCB_ATOM_WINDOW ||
            xcb_get_property_value_length(reply.get()) < int(sizeof(xcb_window_t)))
            return XCB_WINDOW_NONE;
        return *static_cast<xcb_window_t *>(xcb_get_property_value(reply.get()));
    };
    const xcb_window_t wm = checkWindow(screens.data->root);
    return wm != XCB_WINDOW_NONE && checkWindow(wm) == wm;
}

} // namespace

TWindowCommands::TWindowCommands(QWidget *target, TManagerCheck managed)
    : window(target), windowManaged(std::move(managed)) {}

bool TWindowCommands::WindowManagerPresent() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && x11->connection() && X11WindowManagerRuns(x11->connection());
}

bool TWindowCommands::IsMaximized() const {
    return maximizedHere || (window && window->isMaximized());
}

void TWindowCommands::Post(WindowCommand command) {
    QMetaObject::invokeMethod(
        this, [this, command] { Run(command); }, Qt::QueuedConnection);
}

void TWindowCommands::Run(WindowCommand command) {
    if (!window)
        return;
    switch (command) {
    case WindowCommand::Close:
        window->close();
        break;
    case WindowCommand::Minimize:
        window->showMinimized();
        break;
    case WindowCommand::Maximize:
        Maximize();
        break;
    case WindowCommand::Restore:
        Restore();
        break;
    // Moving and sizing from a menu are done with the keyboard (the mouse is not down).
    case WindowCommand::Move:
        TKeyboardMoveSize::Start(window, TKeyboardMoveSize::TMode::Move);
        break;
    case WindowCommand::Size:
        TKeyboardMoveSize::Start(window, TKeyboardMoveSize::TMode::Size);
        break;
    case WindowCommand::ContextHelp:
        QWhatsThis::enterWhatsThisMode();
        break;
    }
}

void TWindowCommands::Maximize() {
    if (IsMaximized())
        return;
    if (!windowManaged || windowManaged()) {
        window->showMaximized();
        return;
    }
    QScreen *screen = window->screen();
    if (!screen)
        return;
    normalGeometry = window->geometry();
    maximizedHere = true;
    window->setGeometry(screen->availableGeometry());
    emit ShowStateChanged();
}

void TWindowCommands::Restore() {
    if (window->isMinimized() || window->isMaximized()) {
        window->showNormal();
        return;
    }
    if (!maximizedHere)
        return;
    maximizedHere = false;
    window->setGeometry(normalGeometry);
    emit ShowStateChanged();
}

} // namespace skin
