#pragma once

#include <QPoint>
#include <QString>
#include <Qt>
#include <optional>

class QByteArray;
class QObject;
class QWidget;
class QWindow;

namespace skin {

// What the skin engine reads from a window or control: class names, tags and the caption
// styles, in the terms the skinning rules use.

// The Qt class name of the object ("QMessageBox", "ledger::TfrmLogin").
QString WindowClassName(const QObject *object);
// Standard dialogs of Qt: they are skinned like the system's own dialogs.
bool IsSystemDialogClass(const QObject *object);
// Message boxes.
bool IsMessageFormClass(const QObject *object);
// The dynamic property "tag" (0 when absent).
int TagOf(const QObject *object);

// Caption styles read from window flags (as they were before skinning).
bool FlagsHaveCaption(Qt::WindowFlags flags);
bool FlagsHaveSystemMenu(Qt::WindowFlags flags);
bool FlagsHaveMinimize(Qt::WindowFlags flags);
// A maximize box, or a context-help button (which takes its place).
bool FlagsHaveMaximize(Qt::WindowFlags flags);
bool FlagsHaveClose(Qt::WindowFlags flags);

// The user can size the window: its minimum and maximum sizes differ and it is not a
// fixed-size dialog. Read when needed: message boxes fix their size after they are shown.
bool IsSizableWindow(const QWidget *window);
// A window marked as a dialog-frame form (dynamic property "BorderStyle" = "bsDialog").
bool IsDialogFrameForm(const QWidget *window);
// Whether a compositor places the windows and cannot shape them (Wayland): clients neither
// move their own windows nor cut them with a mask.
bool CompositorOwnsWindows();
// The mouse buttons the display holds down now (X11: asked of the server), or none where the
// platform cannot tell.
std::optional<Qt::MouseButtons> DisplayMouseButtons();
// When `message` of native event type `eventType` is X11's notice that a pointer grab began or
// ended while the pointer was in one of the program's windows (a crossing event in grab mode):
// its X server time. The window manager took a button press, which then never reaches the
// program. None for every other event.
std::optional<quint32> PointerGrabCrossingTime(const QByteArray &eventType, const void *message);
// Whether the platform lets a window that is no popup take the pointer (Wayland grants it to
// popups only; the offscreen platform not at all).
bool PlatformGrabsMouseForWindows();
// Whether an X11 window manager that announces itself (EWMH) runs; false off X11.
bool X11WindowManagerRuns();
// Whether the window system gives the activation to another window when the active one goes
// (a window manager or compositor does); X11 without a window manager and the offscreen platform
// leave no window active.
bool PlatformReturnsActivation();
// The display's pixel `display` in Qt's logical coordinates at the device pixel ratio `ratio`, on
// a screen whose top-left corner is `screenLogicalTopLeft` in Qt's coordinates and
// `screenDisplayTopLeft` in the display's pixels; rounded as Qt rounds the places it is told of.
QPoint LogicalFromDisplay(QPoint display, qreal ratio, QPoint screenLogicalTopLeft,
                          QPoint screenDisplayTopLeft);
// Where the display shows the window's top-left corner now, in Qt's logical coordinates (X11:
// asked of the server, its pixels mapped through the window's device pixel ratio), or none where
// the platform cannot tell.
std::optional<QPoint> DisplayWindowPosition(const QWindow *window);
// The title as the window shows it: the "[*]" placeholder becomes "*" while the window is
// modified and disappears otherwise.
QString ShownWindowTitle(const QWidget *window);

} // namespace skin
