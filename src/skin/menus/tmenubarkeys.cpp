#include "skin/menus/tmenubarkeys.h"

#include "skin/menus/twinskinmenu.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace skin {

namespace {

TWinSkinMenu *BarOf(const QWidget *window) {
    TSkinManage *manager = SkinManager();
    TWinSkinForm *form = manager && window ? manager->FindSkinnedWindow(window) : nullptr;
    return form ? dynamic_cast<TWinSkinMenu *>(form->MenuBar()) : nullptr;
}

bool OpenFirstButton(TWinSkinMenu *bar) {
    // Not while the mouse is held or captured.
    if (!bar || bar->Buttons().empty() || QGuiApplication::mouseButtons() != Qt::NoButton ||
        QWidget::mouseGrabber())
        return false;
    bar->OpenMenuButtonLater(bar->Buttons().front().get());
    return true;
}

} // namespace

TMenuBarKeys::TMenuBarKeys() {
    qApp->installEventFilter(this);
}

TMenuBarKeys::~TMenuBarKeys() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool TMenuBarKeys::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: // every key press, also one a shortcut then takes
        if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Alt)
            altAlone = nullptr;
        return false;
    case QEvent::MouseButtonPress:
        altAlone = nullptr;
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    // A key reaches the active window's native window first, when no shortcut took it.
    QWidget *window = QApplication::activeWindow();
    if (!window || window->windowHandle() != watched)
        return false;
    const auto &key = *static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::KeyPress)
        return KeyPress(window, key);
    if (key.key() == Qt::Key_Alt && altAlone == window) {
        altAlone = nullptr;
        OpenFirstButton(BarOf(window));
    }
    return false;
}

bool TMenuBarKeys::KeyPress(QWidget *window, const QKeyEvent &key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Alt) {
        if (!key.isAutoRepeat())
            altAlone = (modifiers & ~Qt::AltModifier) ? nullptr : window;
        return false;
    }
    altAlone = nullptr;
    if (key.key() == Qt::Key_F10 && modifiers == Qt::NoModifier)
        return OpenFirstButton(BarOf(window));
    if (modifiers != Qt::AltModifier || window->isModal())
        return false;
    TSkinManage *manager = SkinManager();
    TWinSkinForm *main = manager ? manager->MainWindow() : nullptr;
    if (!main || main->Handle() == window || !manager->FindSkinnedWindow(window))
        return false;
    TWinSkinMenu *bar = BarOf(main->Handle());
    TMenuBtn *button =
        bar ? bar->ButtonForMnemonic(QKeySequence(QKeyCombination(modifiers, Qt::Key(key.key()))))
            : nullptr;
    if (!button)
        return false;
    bar->OpenMenuButtonLater(button);
    return true;
}

} // namespace skin
