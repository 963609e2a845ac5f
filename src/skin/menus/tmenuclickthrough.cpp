#include "skin/menus/tmenuclickthrough.h"

#include "skin/menus/twinskinpopmenu.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowcodes.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <utility>

namespace skin {

namespace {

// The top-level window under a global point when it is no popup, or nullptr.
QWidget *WindowAt(const QPoint &global) {
    QWidget *under = QApplication::widgetAt(global);
    QWidget *window = under ? under->window() : nullptr;
    return window && window->windowType() != Qt::Popup ? window : nullptr;
}

QPointer<QMenu> closingMenu;

// A copy of a mouse event for `window`, sent to it directly.
void SendMouse(QWidget *window, QEvent::Type type, const QMouseEvent &event) {
    const QPoint local = window->mapFromGlobal(event.globalPosition().toPoint());
    QMouseEvent handed(type, local, local, event.globalPosition(), event.button(), event.buttons(),
                       event.modifiers());
    handed.setTimestamp(event.timestamp());
    QCoreApplication::sendEvent(window, &handed);
}

// A window that is no popup takes the pointer only where the platform grants it.
bool GrabPointer(QWindow &window, bool take) {
    return (!take || PlatformGrabsMouseForWindows()) && window.setMouseGrabEnabled(take);
}

void CloseAllPopups() {
    while (QWidget *popup = QApplication::activePopupWidget()) {
        popup->close();
        if (QApplication::activePopupWidget() == popup)
            popup->hide();
    }
}

} // namespace

QMenu *TMenuClickThrough::ClosingMenu() {
    return closingMenu;
}

TMenuClickThrough::TMenuClickThrough() : display{&GrabPointer, &DisplayMouseButtons} {
    buttonCheck.setInterval(ButtonPollMs);
    connect(&buttonCheck, &QTimer::timeout, this, [this] {
        if (!CheckButtonHeld())
            buttonCheck.stop();
    });
    qApp->installEventFilter(this);
}

TMenuClickThrough::~TMenuClickThrough() {
    EndPress();
    if (qApp)
        qApp->removeEventFilter(this);
}

bool TMenuClickThrough::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
    if (!mouse)
        return false;
    auto *mouseEvent = static_cast<QMouseEvent *>(event);
    // Each event first reaches its native window, then the widget under the pointer.
    if (pressedWindow && watched->isWindowType() && FollowPress(mouseEvent))
        return true;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    auto *menu = qobject_cast<QMenu *>(watched);
    return menu && TWinSkinPopMenu::Find(menu) && HandOnPress(menu, mouseEvent);
}

bool TMenuClickThrough::HandOnPress(QMenu *menu, QMouseEvent *press) {
    const QPoint global = press->globalPosition().toPoint();
    QWidget *window = WindowAt(global);
    TSkinManage *manager = SkinManager();
    TWinSkinForm *form = window && manager ? manager->FindSkinnedWindow(window) : nullptr;
    if (!form)
        return false;
    const QPoint local = window->mapFromGlobal(global);
    if (!IsFrameHit(form->NCHitTest(local)))
        return false;
    EndPress();
    closingMenu = menu;
    pressedWindow = window;
    pressedButton = press->button();
    lastTime = press->timestamp();
    CloseAllPopups();
    // The press went to the menu's grab, so X made no implicit grab for it: the window takes the
    // pointer until the release, where the platform lets it.
    QWindow *handle = window->windowHandle();
    grabbed = handle && display.GrabPointer(*handle, true);
    SendMouse(window, QEvent::MouseButtonPress, *press);
    closingMenu = nullptr;
    // Holding the pointer, the window gets the release: only one sent before the grab can be
    // lost, one look tells. Without the pointer, the display is asked until the release.
    if (CheckButtonHeld() && !grabbed)
        buttonCheck.start();
    return true;
}

bool TMenuClickThrough::FollowPress(QMouseEvent *event) {
    if (QApplication::activePopupWidget()) { // the press opened one: the pointer is its own
        EndPress();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: // a new press: the held one ended unseen
        EndPress();
        return false;
    case QEvent::MouseButtonDblClick:
        return true; // the press it doubles was handed on; its release decides
    case QEvent::MouseMove:
        lastTime = event->timestamp();
        if (event->buttons().testFlag(pressedButton))
            break;
        ReleaseLost(event->globalPosition(), event->buttons());
        return false;
    default: // the release
        if (event->button() != pressedButton)
            return false;
        break;
    }
    QPointer<QWidget> window = pressedWindow;
    if (event->type() == QEvent::MouseButtonRelease)
        EndPress();
    SendMouse(window, event->type(), *event);
    return true;
}

bool TMenuClickThrough::CheckButtonHeld() {
    if (!pressedWindow || QApplication::activePopupWidget()) {
        EndPress();
        return false;
    }
    const std::optional<Qt::MouseButtons> down = display.ButtonsDown();
    if (!down) // the window's own events decide
        return false;
    if (down->testFlag(pressedButton))
        return true;
    ReleaseLost(QCursor::pos(), *down);
    return false;
}

void TMenuClickThrough::ReleaseLost(QPointF global, Qt::MouseButtons buttons) {
    QMouseEvent release(QEvent::MouseButtonRelease, global, global, global, pressedButton, buttons,
                        QGuiApplication::keyboardModifiers());
    release.setTimestamp(lastTime);
    QPointer<QWidget> window = pressedWindow;
    EndPress();
    if (window)
        SendMouse(window, QEvent::MouseButtonRelease, release);
}

void TMenuClickThrough::EndPress() {
    buttonCheck.stop();
    // A popup the press opened holds the pointer now.
    QWidget *window = std::exchange(pressedWindow, nullptr);
    if (std::exchange(grabbed, false) && window && window->windowHandle() &&
        !QApplication::activePopupWidget())
        display.GrabPointer(*window->windowHandle(), false);
}

} // namespace skin
