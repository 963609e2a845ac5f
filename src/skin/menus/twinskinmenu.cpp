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
#include <QChildEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcutEvent>
#include <utility>

namespace skin {

namespace {

// The shortcut a button takes: Alt plus its caption's mnemonic; none when it is hidden or
// disabled.
QKeySequence MnemonicOf(const TMenuBtn &button) {
    const bool live = button.Item && button.Item->isVisible() && button.Item->isEnabled();
    return live ? QKeySequence::mnemonic(button.Caption) : QKeySequence();
}

// QMenu sizes a drop-down as it shows it (the skin's style, items added on aboutToShow) and lets
// a right-to-left one flow left from a pointer within 3 pixels of the point it was given: once
// shown, its right edge goes back under the button's where it fits on its screen.
void AlignRightToLeft(QMenu &menu, const QRect &button) {
    const QPoint at = DropDownTopLeft(button, menu.width(), true);
    const QScreen *screen = menu.screen();
    if (at.x() != menu.x() && screen &&
        screen->availableGeometry().contains(QRect(at.x(), menu.y(), menu.width(), 1)))
        menu.move(at.x(), menu.y());
}

QAction *FirstEnabledAction(const QMenu *menu) {
    for (QAction *action : menu->actions())
        if (action->isVisible() && action->isEnabled() && !action->isSeparator())
            return action;
    return nullptr;
}

} // namespace

TWinSkinMenu::TWinSkinMenu(TWinSkinForm &form, QMenuBar *menuBar, TSkinData *data)
    : form(form), menuBar(menuBar), skinData(data), skin(SkinObjectsOf(data)),
      font(QApplication::font("QMenuBar")), shortcuts(form.Handle()) {
    if (menuBar) {
        height = BarHeight(menuBar);
        menuBar->installEventFilter(this);
    }
    if (QWidget *window = form.Handle())
        window->installEventFilter(this);
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

int TWinSkinMenu::BarHeight(const QMenuBar *bar) {
    if (!bar->actions().isEmpty())
        return bar->sizeHint().height();
    QMenuBar probe;
    probe.setFont(bar->font());
    probe.addAction(QStringLiteral("X"));
    return probe.sizeHint().height();
}

void TWinSkinMenu::RebuildMenuButtons() {
    ReleaseAccelerators();
    buttons.clear();
    if (!menuBar)
        return;
    const QList<QAction *> actions = menuBar->actions();
    QPointer<QWidget> window = form.Handle();
    for (int i = 0; i < actions.size(); ++i)
        buttons.push_back(std::make_unique<TMenuBtn>(form.Tracker(), actions.at(i), i,
                                                     [window](const QRect &rect) {
                                                         if (window)
                                                             window->update(rect);
                                                     }));
    if (!buttons.empty() && !nativeHidden) {
        menuBar->hide();
        nativeHidden = true;
        shortcuts.Follow(menuBar);
    }
    GrabAccelerators();
    Relayout();
}

void TWinSkinMenu::SetSkin(const SkinRef &newSkin) {
    skin = newSkin;
    Relayout();
}

void TWinSkinMenu::Restore() {
    EndMenuTracking();
    ReleaseAccelerators();
    shortcuts.Follow(nullptr);
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
    SkinDrawText(painter, caption, r,
                 {Qt::AlignLeft, Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextShowMnemonic,
                  SkinTextOption::MeasureOnly});
    return r.width();
}

void TWinSkinMenu::Layout(const QRect &strip, std::optional<int> buttonsLeft) {
    barRect = strip;
    stripButtonsLeft = buttonsLeft;
    Relayout();
}

void TWinSkinMenu::Relayout() {
    const QRect &strip = barRect;
    if (!skin || strip.width() < 1 || strip.height() < 1)
        return;
    const bool rtl = form.RightToLeft();
    int start = MenuBarStart(*skin, strip.width(), rtl);
    // From the right, the buttons end 5 pixels before the frame's buttons in the strip.
    if (rtl && stripButtonsLeft)
        start = std::max(start, strip.width() - (*stripButtonsLeft - 5 - strip.left()));
    QList<int> widths;
    for (const auto &button : buttons) {
        const bool shown = button->Item && button->Item->isVisible();
        widths.append(shown ? TextWidth(button->Caption) : -1);
    }
    const QList<QRect> rects = LayoutMenuButtons(widths, strip, start, rtl);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        TMenuBtn &button = *buttons[i];
        const QRect &rect = rects.at(qsizetype(i));
        button.SetPlace(rect, !rect.isNull(), button.Item && button.Item->isEnabled());
    }
}

void TWinSkinMenu::Paint(QPainter &painter, bool active) const {
    if (!skin || barRect.isEmpty())
        return;
    PaintMenuBarBackground(painter, barRect, *skin, active);
    painter.save();
    painter.setFont(font);
    for (const auto &button : buttons) {
        const QRect rect = button->Rect();
        if (rect.isEmpty())
            continue;
        painter.setPen(SkinToQColor(skin->MenuBarText));
        DrawCaptionText(painter, rect, button->Caption, Qt::AlignHCenter, button->Enabled());
        // Hot, or pressed while its drop-down is open: a frame in the highlight colour.
        if (button->Index == trackedIndex || button->State() != TNCObject::TState::Normal) {
            painter.setPen(SkinToQColor(skin->ButtonHilight));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    }
    painter.restore();
}

std::vector<TNCObject *> TWinSkinMenu::Objects() const {
    std::vector<TNCObject *> objects;
    for (const auto &button : buttons)
        objects.push_back(button.get());
    return objects;
}

TMenuBtn *TWinSkinMenu::MenuButtonAt(QPoint windowPos) const {
    for (const auto &button : buttons)
        if (!button->Caption.isEmpty() && button->Rect().contains(windowPos))
            return button.get();
    return nullptr;
}

TMenuBtn *TWinSkinMenu::ButtonForMnemonic(const QKeySequence &keys) const {
    for (const auto &button : buttons)
        if (!keys.isEmpty() && MnemonicOf(*button) == keys)
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

bool TWinSkinMenu::Press(QPoint windowPos) {
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
    QWidget *window = form.Handle();
    if (!button || !button->Visible() || !button->Enabled() || !window)
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
    button->PaintNC();
    if (TSkinManage *manager = SkinManager())
        manager->SetMenuKind(TSkinManage::TMenuKind::MenuBar);
    const bool rtl = form.RightToLeft();
    const QRect place(window->mapToGlobal(button->Rect().topLeft()), button->Rect().size());
    qApp->installEventFilter(this);
    connect(menu, &QMenu::aboutToHide, this, &TWinSkinMenu::DropDownClosing, Qt::UniqueConnection);
    menu->popup(DropDownTopLeft(place, menu->sizeHint().width(), rtl));
    if (rtl)
        AlignRightToLeft(*menu, place);
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
    const int index = std::exchange(trackedIndex, -1);
    if (index >= 0 && index < int(buttons.size()))
        buttons[std::size_t(index)]->PaintNC();
    trackedMenu = nullptr;
}

void TWinSkinMenu::GrabAccelerators() {
    QWidget *window = form.Handle();
    if (!window)
        return;
    for (const auto &button : buttons)
        if (const QKeySequence keys = MnemonicOf(*button); !keys.isEmpty())
            accelerators.emplace_back(window->grabShortcut(keys, Qt::WindowShortcut),
                                      button->Index);
}

void TWinSkinMenu::ReleaseAccelerators() {
    if (QWidget *window = form.Handle())
        for (const auto &[id, index] : accelerators)
            window->releaseShortcut(id);
    accelerators.clear();
}

// The bar follows its actions while the component asks for menu updates; an MDI frame's bar
// always does (its menu changes reach it through its MDI client).
void TWinSkinMenu::MenuChanged() {
    changeQueued = false;
    QWidget *window = form.Handle();
    if (QMenuBar *now = NativeMenuOf(window); now && now != menuBar)
        TakeNativeBar(now);
    else if (!skinData || skinData->MenuUpdate() || form.WindowKind() == TWindowKind::MDIFrame)
        RebuildMenuButtons();
    if (window)
        window->update(barRect);
}

void TWinSkinMenu::TakeNativeBar(QMenuBar *bar) {
    EndMenuTracking();
    if (menuBar)
        menuBar->removeEventFilter(this);
    shortcuts.Follow(nullptr);
    menuBar = bar;
    nativeHidden = false;
    bar->installEventFilter(this);
    RebuildMenuButtons();
}

bool TWinSkinMenu::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    const bool barChanged = (menuBar && menuBar.Is(watched) &&
                             (type == QEvent::ActionAdded || type == QEvent::ActionRemoved ||
                              type == QEvent::ActionChanged)) ||
                            (watched == form.Handle() && type == QEvent::ChildAdded &&
                             qobject_cast<QMenuBar *>(static_cast<QChildEvent *>(event)->child()));
    if (barChanged && !changeQueued) {
        changeQueued = true;
        QMetaObject::invokeMethod(this, &TWinSkinMenu::MenuChanged, Qt::QueuedConnection);
    }
    if (menuBar.Is(watched))
        return false;
    if (watched == form.Handle()) {
        if (type != QEvent::Shortcut)
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
    QWidget *window = form.Handle();
    if (!menu || !window)
        return false;
    TMenuBtn *target = nullptr;
    bool eat = false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool rtl = form.RightToLeft();
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
        target = MenuButtonAt(window->mapFromGlobal(global));
    }
    if (target && target->Index != trackedIndex && !switching)
        OpenMenuButtonLater(target);
    return eat;
}

} // namespace skin
