#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class QMenu;
class QMouseEvent;
class QWindow;

namespace skin {

// Qt closes a popup menu on a press outside it and drops the press (it replays it only on
// Windows). A press that closes a skinned menu over the frame of a skinned window (a caption
// button, the menu bar, the caption) is handed to that window after the menus close, so it
// acts as the user meant: a second click on the system-menu button closes the window, a click
// on the close button closes it, a press on the caption drags it. The window holds the pointer
// until the release: the moves with that button down and its release follow the press to the
// window wherever X delivers them (where the platform grants a window the pointer).
class TMenuClickThrough : public QObject {
    Q_OBJECT

public:
    // What the window asks of the display for a handed-on press; tests put their own in its place.
    struct TDisplay {
        // Takes (true) or gives back (false) the pointer for the window: whether that succeeded.
        std::function<bool(QWindow &window, bool take)> GrabPointer;
        // The mouse buttons the display holds down now, or none where the platform cannot tell.
        std::function<std::optional<Qt::MouseButtons>()> ButtonsDown;
    };
    // How often the display is asked for the buttons where the window could not take the pointer.
    static constexpr int ButtonPollMs = 20;

    TMenuClickThrough();
    ~TMenuClickThrough() override;

    void SetDisplay(TDisplay replacement) { display = std::move(replacement); }

    // While a handed-on press is delivered: the menu it closed (the menu bar does not reopen
    // the drop-down a press on its own button closed); nullptr otherwise.
    static QMenu *ClosingMenu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool HandOnPress(QMenu *menu, QMouseEvent *press);
    // A mouse event reaching a window while a handed-on press is held.
    bool FollowPress(QMouseEvent *event);
    // A release X sent before the window took the pointer went to the menu's native window,
    // which Qt destroys as the menu closes: once the display shows the button up (or a move
    // comes without it) and no release was seen, the window gets one. Whether the display still
    // shows the press held (false also where it cannot tell).
    bool CheckButtonHeld();
    void ReleaseLost(QPointF global, Qt::MouseButtons buttons);
    void EndPress();

    TDisplay display;
    QPointer<QWidget> pressedWindow;
    Qt::MouseButton pressedButton = Qt::NoButton;
    bool grabbed = false; // the window took the pointer for the press
    quint64 lastTime = 0; // of the last event seen for the press: the press or a move
    QTimer buttonCheck;
};

} // namespace skin
