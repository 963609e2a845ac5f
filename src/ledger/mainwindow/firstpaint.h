#pragma once

#include <QObject>
#include <functional>

namespace ledger {

// Runs an action once, when a widget is first painted (the watcher is a child of the widget
// and ends with it).
class FirstPaint : public QObject {
    Q_OBJECT
public:
    // The action runs inside the paint event, before the window reaches the screen.
    static void watch(QObject *widget, std::function<void()> action);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstPaint(QObject *widget, std::function<void()> action);
    std::function<void()> m_action;
};

} // namespace ledger
