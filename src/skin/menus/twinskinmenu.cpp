#include "skin/menus/twinskinmenu.h"

#include "skin/controls/controldraw.h"
#include "skin/data/tskindata.h"
#include "skin/draw/skincolor.h"
#include "skin/draw/skindrawtext.h"
#include "skin/menus/menubarlayout.h"
#include "skin/menus/tmenuclickthrough.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace skin {

namespace {

enum class TMenuKind { Popup = 0, MenuBar = 1 };

void SetMenuKind(TMenuKind kind) {
    if (TSkinManage *manager = SkinManager())
        manager->MenuKind = int(kind);
}

QAction *FirstEnabledAction(const QMenu *menu) {
    for (QAction *action : menu->actions())
        if (action->isVisible() && action->isEnabled() && !action->isSeparator())
            return action;
    return nullptr;
}

} // namespace

TWinSkinMenu::TWinSkinMenu(TWinSkinForm *form, QMenuBar *menuBar, TSkinData *data)
    : form(form), menuBar(menuBar), skinData(data), skin(SkinObjectsOf(data)),
      font(QApplication::font("QMenuBar")) {
    if (menuBar) {
        height = menuBar->sizeHint().height();
        menuBar->installEventFilter(this);
    }
    if (form && form->Handle)
        form->Handle->installEventFilter(this);
    RebuildMenuButtons();
}

TWinSkinMenu::~TWinSkinMenu() {
    EndMenuTracking();
    ReleaseAccelerators();
}

QMenuBar *TWinSkinMenu::NativeMenuOf(const QWidget *window) {
    if (const auto *main = qobject_cast<const QMainWindow *>(window))
        return qobject_cast<QMenuBar *>(main->menuWidget());
    const QLayout *layout = window ? window->layout() : nullptr;
    return layout ? qobject_cast<QMenuBar *>(layout->menuBar()) : nullptr;
}

void TWinSkinMenu::RebuildMenuButtons() {
    ReleaseAccelerators();
    buttons.clear();
    if (!menuBar)
        return;
    const QList<QAction *> actions = menuBar->actions();
    for (int i = 0; i < actions.size(); ++i)
        buttons.push_back(std::make_unique<TMenuBtn>(form, actions.at(i), i));
    if (!buttons.empty() && !nativeHidden) {
        menuBar->hide();
        nativeHidden = true;
    }
    GrabAccelerators();
    LayoutMenuButtons(barRect);
}

void TWinSkinMenu::RestoreNativeMenu() {
    EndMenuTracking();
    ReleaseAccelerators();
    if (menuBar && nativeHidden)
        menuBar->show();
    nativeHidden = false;
}

int TWinSkinMenu::TextWidth(const QString &caption) const {
    if (caption.isEmpty())
        return 0;
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    painter.setFont(font);
    QRect r;
    SkinDrawText(painter, caption, r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
    return r.width();
}

void TWinSkinMenu::LayoutMenuButtons(const QRect &bar) {
    barRect = bar;
    if (!skin || bar.width() < 1 || bar.height() < 1)
        return;
    const bool rtl = form && form->RightToLeft;
    QList<int> widths;
    for (const auto &button : buttons)
        widths.append(button->Visible ? TextWidth(button->Caption) : -1);
    const QList<QRect> rects =
        skin::LayoutMenuButtons(widths, bar, MenuBarStart(*skin, bar.width(), rtl), rtl);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->Rect = rects.at(qsizetype(i));
}

void TWinSkinMenu::PaintMenuBar(QPainter &painter, bool active) const {
    if (!skin || barRect.isEmpty())
        return;
    PaintMenuBarBackground(painter, barRect, *skin, active);
    painter.save();
    painter.setFont(font);
    for (const auto &button : buttons) {
        if (button->Rect.isEmpty())
            continue;
        painter.setPen(SkinToQColor(skin->MenuBarText));
        DrawCaptionText(painter, button->Rect, button->Caption, DT_CENTER, button->Enabled);
        if (button->State == TNCObject::Pressed || button->State == TNCObject::Hot) {
            painter.setPen(SkinToQColor(skin->ButtonHilight));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(button->Rect.adjusted(0, 0, -1, -1));
        }
    }
    painter.restore();
}

TMenuBtn *TWinSkinMenu::MenuButtonAt(QPoint windowPos) const {
    for (const auto &button : buttons)
        if (!button->Caption.isEmpty() && button->Rect.contains(windowPos))
            return button.get();
    return nullptr;
}

TMenuBtn *TWinSkinMenu::NextMenuButton(bool forward) const {
    const int count = int(buttons.size());
    if (count == 0)
        return nullptr;
    const int from = trackedIndex < 0 ? 0 : trackedIndex;
    return buttons[std::size_t((from + (forward ? 1 : count - 1)) % count)].get();
}

bool TWinSkinMenu::MousePress(QPoint windowPos) {
    TMenuBtn *button = MenuButtonAt(windowPos);
    if (!button)
        return false;
    // A press on the button whose drop-down it just closed only closes it.
    if (button->Submenu && button->Submenu == TMenuClickThrough::ClosingMenu())
        return true;
    TrackMenuButton(button);
    return true;
}

bool TWinSkinMenu::TrackMenuButton(TMenuBtn *button) {
    if (!button || !button->Visible || !button->Enabled || !form || !form->Handle)
        return false;
    if (!button->Submenu) {
        QPointer<QAction> action = button->Item;
        QMetaObject::invokeMethod(
            this,
            [action] {
                if (action)
                    action->trigger();
            },
            Qt::QueuedConnection);
        return false;
    }
    QMenu *menu = button->Submenu;
    trackedIndex = button->Index;
    trackedMenu = menu;
    form->MenuTracking = true;
    button->MouseDown();
    SetMenuKind(TMenuKind::MenuBar);
    const QRect r = button->Rect;
    const QPoint corner = form->RightToLeft ? QPoint(r.left() + r.width(), r.top() + r.height())
                                            : QPoint(r.left(), r.top() + r.height());
    qApp->installEventFilter(this);
    connect(menu, &QMenu::aboutToHide, this, &TWinSkinMenu::DropDownClosing, Qt::UniqueConnection);
    menu->popup(form->Handle->mapToGlobal(corner));
    if (QAction *first = FirstEnabledAction(menu))
        menu->setActiveAction(first);
    return true;
}

void TWinSkinMenu::OpenMenuButtonLater(TMenuBtn *button) {
    if (!button)
        return;
    switching = true;
    const int index = button->Index;
    QMetaObject::invokeMethod(
        this,
        [this, index] {
            if (trackedMenu && trackedMenu->isVisible())
                trackedMenu->hide();
            switching = false;
            EndMenuTracking();
            if (index < int(buttons.size()))
                TrackMenuButton(buttons[std::size_t(index)].get());
        },
        Qt::QueuedConnection);
}

void TWinSkinMenu::DropDownClosing() {
    if (!switching)
        QMetaObject::invokeMethod(this, &TWinSkinMenu::EndMenuTracking, Qt::QueuedConnection);
}

void TWinSkinMenu::EndMenuTracking() {
    if (trackedMenu)
        disconnect(trackedMenu, &QMenu::aboutToHide, this, &TWinSkinMenu::DropDownClosing);
    if (qApp)
        qApp->removeEventFilter(this);
    if (trackedIndex >= 0 && trackedIndex < int(buttons.size())) {
        TMenuBtn *button = buttons[std::size_t(trackedIndex)].get();
        if (button->State != TNCObject::Normal)
            button->MouseLeave();
    }
    trackedIndex = -1;
    trackedMenu = nullptr;
    if (form)
        form->MenuTracking = false;
}

void TWinSkinMenu::GrabAccelerators() {
    if (!form || !form->Handle)
        return;
    for (const auto &button : buttons) {
        const QKeySequence keys = QKeySequence::mnemonic(button->Caption);
        if (button->Visible && button->Enabled && !keys.isEmpty())
            accelerators.emplace_back(form->Handle->grabShortcut(keys, Qt::WindowShortcut),
                                      button->Index);
    }
}

void TWinSkinMenu::ReleaseAccelerators() {
    if (form && form->Handle)
        for (const auto &[id, index] : accelerators)
            form->Handle->releaseShortcut(id);
    accelerators.clear();
}

bool TWinSkinMenu::eventFilter(QObject *watched, QEvent *event) {
    if (menuBar && watched == menuBar.data()) {
        const QEvent::Type type = event->type();
        if ((type == QEvent::ActionAdded || type == QEvent::ActionRemoved ||
             type == QEvent::ActionChanged) &&
            (!skinData || skinData->MenuUpdate())) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    RebuildMenuButtons();
                    if (form && form->Handle)
                        form->Handle->update(barRect);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    if (form && watched == form->Handle.data()) {
        if (event->type() != QEvent::Shortcut)
            return false;
        const int id = static_cast<QShortcutEvent *>(event)->shortcutId();
        for (const auto &[grabbed, index] : accelerators)
            if (grabbed == id && index < int(buttons.size())) {
                OpenMenuButtonLater(buttons[std::size_t(index)].get());
                return true;
            }
        return false;
    }
    return trackedMenu && FilterTracking(watched, event);
}

bool TWinSkinMenu::FilterTracking(QObject *watched, QEvent *event) {
    auto *menu = qobject_cast<QMenu *>(watched);
    if (!menu || !form || !form->Handle)
        return false;
    TMenuBtn *target = nullptr;
    bool eat = false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool rtl = form->RightToLeft;
        if (key == Qt::Key_Right || key == Qt::Key_Left) {
            const QAction *active = menu->activeAction();
            const bool opensSubmenu = active && active->menu() && (key == Qt::Key_Right) != rtl;
            const bool closesSubmenu = menu != trackedMenu && (key == Qt::Key_Left) != rtl;
            if (!opensSubmenu && !closesSubmenu) {
                target = NextMenuButton((key == Qt::Key_Right) != rtl);
                eat = true;
            }
        }
    } else if (event->type() == QEvent::MouseMove) {
        const QPoint global = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        target = MenuButtonAt(form->Handle->mapFromGlobal(global));
    }
    if (target && target->Index != trackedIndex && !switching)
        OpenMenuButtonLater(target);
    return eat;
}

} // namespace skin
