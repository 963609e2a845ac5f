#include "skin/menus/tlonealt.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>
#include <utility>

namespace skin {

void TLoneAlt::Press(QWidget *pressed, QPoint at) {
    window = pressed;
    pointer = at;
}

void TLoneAlt::See(const QObject *watched, const QEvent &event) {
    if (!window)
        return;
    switch (event.type()) {
    case QEvent::ShortcutOverride: // every key press, also one a shortcut then takes
        if (static_cast<const QKeyEvent &>(event).key() != Qt::Key_Alt)
            Drop();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        Drop();
        break;
    case QEvent::MouseMove: // Qt also sends moves where the pointer stays
        if (static_cast<const QMouseEvent &>(event).globalPosition().toPoint() != pointer)
            Drop();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == window || watched == window->windowHandle())
            Drop();
        break;
    default:
        break;
    }
}

bool TLoneAlt::Release(const QWidget *released, QPoint at) {
    const QWidget *pressed = std::exchange(window, nullptr);
    return pressed && pressed == released && at == pointer;
}

} // namespace skin
