#include "ledger/mainwindow/firstpaint.h"

#include <QEvent>

namespace ledger {

void FirstPaint::watch(QObject *widget, std::function<void()> action) {
    if (widget && action)
        new FirstPaint(widget, std::move(action));
}

FirstPaint::FirstPaint(QObject *widget, std::function<void()> action)
    : QObject(widget), m_action(std::move(action)) {
    widget->installEventFilter(this);
}

bool FirstPaint::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        m_action();
        deleteLater();
    }
    return false;
}

} // namespace ledger
