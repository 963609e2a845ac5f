#include "skin/menus/tlonealt.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>
#include <utility>

namespace skin {

namespace {

// Enough for the crossings a busy program reads with one Alt press and release.
constexpr std::size_t KeptCrossings = 32;

// Whether X server time `a` comes before `b` (X times wrap around after 2^32 ms).
bool Before(quint32 a, quint32 b) {
    return qint32(a - b) < 0;
}

} // namespace

void TLoneAlt::Press(QWidget *pressed, QPoint at, quint32 time) {
    window = pressed;
    pointer = at;
    std::erase_if(crossingTimes, [time](quint32 crossing) { return Before(crossing, time); });
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

void TLoneAlt::GrabCrossing(quint32 time) {
    if (crossingTimes.size() == KeptCrossings)
        crossingTimes.erase(crossingTimes.begin());
    crossingTimes.push_back(time);
}

bool TLoneAlt::Release(const QWidget *released, QPoint at, quint32 time) {
    const QWidget *pressed = std::exchange(window, nullptr);
    // The press let go of the crossings before it: those left up to the release came between.
    const bool grabBetween =
        std::erase_if(crossingTimes, [time](quint32 crossing) { return !Before(time, crossing); });
    return pressed && pressed == released && at == pointer && !grabBetween;
}

} // namespace skin
