#include "skin/window/twindowcommands.h"

#include "skin/window/tkeyboardmovesize.h"
#include "skin/window/windowfacts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

namespace skin {

TWindowCommands::TWindowCommands(QWidget *target, TManagerCheck managed)
    : window(target), windowManaged(std::move(managed)) {}

bool TWindowCommands::WindowManagerPresent() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    return X11WindowManagerRuns();
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
    // A window manager's, or an MDI area's for its child.
    if (!window->isWindow() || !windowManaged || windowManaged()) {
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
