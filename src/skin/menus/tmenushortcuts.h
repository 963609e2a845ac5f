#pragma once

#include "skin/window/liveobject.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <vector>

class QAction;
class QContextMenuEvent;
class QMenu;
class QMenuBar;
class QWidget;

namespace skin {

// Keeps the shortcuts of a hidden menu bar's actions working. Qt matches an action's shortcut
// only through a visible widget the action belongs to, so each action reached from the bar
// through visible, enabled menu items whose shortcut applies to the window or the application
// is added to the window while the bar is followed. Changes to the bar and its menus are
// gathered and applied once the current event is handled. Actions the application added to the
// window itself are left to it, and the window's actions context menu shows only those.
class TMenuShortcuts : public QObject {
    Q_OBJECT

public:
    explicit TMenuShortcuts(QWidget *window);
    ~TMenuShortcuts() override;

    // Follows `bar` (nullptr: none); the window gives back what it held for the previous one.
    void Follow(QMenuBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Queue();
    // The window holds exactly the shortcut actions reached from the bar; the reached menus are
    // watched.
    void Sync();
    bool OpenContextMenu(QContextMenuEvent *event);

    QPointer<QWidget> window;
    TLiveObject<QMenuBar> bar;
    std::vector<QPointer<QMenu>> menus;       // watched
    QSet<const QAction *> reached;            // the shortcut actions the last pass found
    QHash<QAction *, QPointer<QAction>> held; // added to the window by this
    bool queued = false;
    bool changing = false;
};

} // namespace skin
