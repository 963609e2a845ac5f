#include "skin/menus/tmenuclickthrough.h"

#include "skin/menus/twinskinpopmenu.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowcodes.h"

#include <QApplication>
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

TMenuClickThrough::TMenuClickThrough() {
    qApp->installEventFilter(this);
}

TMenuClickThrough::~TMenuClickThrough() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool TMenuClickThrough::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease)
        return HandOnRelease(watched, static_cast<QMouseEvent *>(event));
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    auto *menu = qobject_cast<QMenu *>(watched);
    if (!menu || !TWinSkinPopMenu::Find(menu))
        return false;
    auto *press = static_cast<QMouseEvent *>(event);
    const QPoint global = press->globalPosition().toPoint();
    QWidget *window = WindowAt(global);
    TSkinManage *manager = SkinManager();
    TWinSkinForm *form = window && manager ? manager->FindSkinnedWindow(window) : nullptr;
    if (!form)
        return false;
    const QPoint local = window->mapFromGlobal(global);
    if (!IsFrameHit(form->NCHitTest(local)))
        return false;
    closingMenu = menu;
    CloseAllPopups();
    QMouseEvent handed(QEvent::MouseButtonPress, local, local, press->globalPosition(),
                       press->button(), press->buttons(), press->modifiers());
    handed.setTimestamp(press->timestamp());
    QCoreApplication::sendEvent(window, &handed);
    closingMenu = nullptr;
    pressedWindow = window;
    return true;
}

// Qt drops the release of a press that closed a popup; the window that got the press gets it.
bool TMenuClickThrough::HandOnRelease(QObject *watched, QMouseEvent *release) {
    if (!pressedWindow || watched != pressedWindow->windowHandle())
        return false;
    QWidget *window = std::exchange(pressedWindow, nullptr);
    const QPoint local = window->mapFromGlobal(release->globalPosition().toPoint());
    QMouseEvent handed(QEvent::MouseButtonRelease, local, local, release->globalPosition(),
                       release->button(), release->buttons(), release->modifiers());
    handed.setTimestamp(release->timestamp());
    QCoreApplication::sendEvent(window, &handed);
    return true;
}

} // namespace skin
