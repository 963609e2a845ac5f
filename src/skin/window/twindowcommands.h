#pragma once

#include "skin/window/windowcodes.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>

class QWidget;

namespace skin {

// The window commands of a skinned window: minimize, maximize, restore, close, move, size and
// context help. Caption buttons, caption double-clicks and the system menu all come here.
// Moving and sizing run from the keyboard (TKeyboardMoveSize).
//
// Maximizing and restoring are the window manager's where there is one (an MDI child's, its
// area's); without one the window is maximized here to the screen's available area and restored
// to its old geometry.
class TWindowCommands : public QObject {
    Q_OBJECT

public:
    using TManagerCheck = std::function<bool()>;
    explicit TWindowCommands(QWidget *window, TManagerCheck windowManaged = WindowManagerPresent);

    // Carries the command out now; Post queues it (after the click that asked for it).
    void Run(WindowCommand command);
    void Post(WindowCommand command);
    // Maximized by the window manager or here.
    bool IsMaximized() const;

    // Whether something else places the windows: a Wayland compositor, an X11 window manager
    // that announces itself (EWMH), or a platform without a display of its own.
    static bool WindowManagerPresent();

signals:
    // Maximized or restored here (the window manager's changes come as window-state events).
    void ShowStateChanged();

private:
    void Maximize();
    void Restore();

    QPointer<QWidget> window;
    TManagerCheck windowManaged;
    bool maximizedHere = false;
    QRect normalGeometry;
};

} // namespace skin
