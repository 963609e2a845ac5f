#include "skin/menus/tmenushortcuts.h"

#include <QAction>
#include <QActionEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>

namespace skin {

namespace {

// Qt matches shortcuts of these contexts through any visible widget of the bar's window.
bool HasWindowShortcut(const QAction *action) {
    const Qt::ShortcutContext context = action->shortcutContext();
    return !action->shortcuts().isEmpty() &&
           (context == Qt::WindowShortcut || context == Qt::ApplicationShortcut);
}

struct TReached {
    std::vector<QPointer<QMenu>> menus;
    QList<QAction *> actions; // with a shortcut, an action once per menu holding it
};

// What Qt matches through the bar: its actions and, recursively, those of each menu whose item
// is visible and enabled.
TReached Reach(const QMenuBar &bar) {
    TReached found;
    QList<QAction *> pending = bar.actions();
    QSet<const QMenu *> seen;
    for (qsizetype i = 0; i < pending.size(); ++i) {
        QAction *action = pending.at(i);
        if (HasWindowShortcut(action))
            found.actions.append(action);
        QMenu *menu = action->menu();
        if (menu && action->isVisible() && action->isEnabled() && !seen.contains(menu)) {
            seen.insert(menu);
            found.menus.emplace_back(menu);
            pending.append(menu->actions());
        }
    }
    return found;
}

} // namespace

TMenuShortcuts::TMenuShortcuts(QWidget *window) : window(window) {}

TMenuShortcuts::~TMenuShortcuts() {
    Follow(nullptr);
}

void TMenuShortcuts::Follow(QMenuBar *newBar) {
    if (bar)
        bar->removeEventFilter(this);
    bar = newBar;
    if (bar)
        bar->installEventFilter(this);
    if (window && bar)
        window->installEventFilter(this);
    else if (window)
        window->removeEventFilter(this);
    Sync();
}

void TMenuShortcuts::Queue() {
    if (queued)
        return;
    queued = true;
    QMetaObject::invokeMethod(this, &TMenuShortcuts::Sync, Qt::QueuedConnection);
}

void TMenuShortcuts::Sync() {
    queued = false;
    TReached found;
    if (window && bar && bar->isEnabledTo(window))
        found = Reach(*bar);
    for (const QPointer<QMenu> &menu : menus)
        if (menu)
            menu->removeEventFilter(this);
    menus = std::move(found.menus);
    for (const QPointer<QMenu> &menu : menus)
        menu->installEventFilter(this);
    reached = QSet<const QAction *>(found.actions.cbegin(), found.actions.cend());

    changing = true;
    for (auto it = held.begin(); it != held.end();) {
        if (reached.contains(it.key())) {
            ++it;
            continue;
        }
        if (window && it.value())
            window->removeAction(it.value());
        it = held.erase(it);
    }
    if (window) {
        const QList<QAction *> own = window->actions();
        const QSet<QAction *> owned(own.cbegin(), own.cend());
        for (QAction *action : std::as_const(found.actions))
            if (!held.contains(action) && !owned.contains(action)) {
                window->addAction(action);
                held.insert(action, action);
            }
    }
    changing = false;
}

bool TMenuShortcuts::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (watched == window.data()) {
        if (type == QEvent::ContextMenu)
            return OpenContextMenu(static_cast<QContextMenuEvent *>(event));
        // Taken from the window elsewhere (or destroyed): no longer held; one the application
        // had added may have to come back.
        if (type == QEvent::ActionRemoved && !changing) {
            held.remove(static_cast<QActionEvent *>(event)->action());
            Queue();
        }
        return false;
    }
    if (type == QEvent::ActionAdded || type == QEvent::ActionRemoved ||
        (type == QEvent::EnabledChange && bar.Is(watched))) {
        Queue();
    } else if (type == QEvent::ActionChanged) {
        // A plain item counts only when it gains or loses its shortcut.
        const QAction *action = static_cast<QActionEvent *>(event)->action();
        if (action->menu() || HasWindowShortcut(action) != reached.contains(action))
            Queue();
    }
    return false;
}

// QWidget's actions context menu, without the actions held for the bar.
bool TMenuShortcuts::OpenContextMenu(QContextMenuEvent *event) {
    if (held.isEmpty() || window->contextMenuPolicy() != Qt::ActionsContextMenu)
        return false;
    QList<QAction *> own = window->actions();
    own.removeIf([this](QAction *action) { return held.contains(action); });
    if (own.isEmpty())
        event->ignore();
    else
        QMenu::exec(own, event->globalPos(), nullptr, window);
    return true;
}

} // namespace skin
