#include "skin/menus/tmenubarkeys.h"

#include "skin/menus/twinskinmenu.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QCursor>
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
    qApp->installNativeEventFilter(this);
}

TMenuBarKeys::~TMenuBarKeys() {
    if (qApp) {
        qApp->removeNativeEventFilter(this);
        qApp->removeEventFilter(this);
    }
}

bool TMenuBarKeys::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (const std::optional<quint32> time = PointerGrabCrossingTime(eventType, message))
        loneAlt.GrabCrossing(*time);
    return false;
}

bool TMenuBarKeys::eventFilter(QObject *watched, QEvent *event) {
    loneAlt.See(watched, *event);
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    // A key reaches the active window's native window first, when no shortcut took it.
    QWidget *window = QApplication::activeWindow();
    if (!window || window->windowHandle() != watched)
        return false;
    const auto &key = *static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::KeyPress)
        return KeyPress(window, key);
    if (key.key() == Qt::Key_Alt &&
        loneAlt.Release(window, QCursor::pos(), quint32(key.timestamp())))
        OpenFirstButton(BarOf(window));
    return false;
}

bool TMenuBarKeys::KeyPress(QWidget *window, const QKeyEvent &key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Alt) {
        if (!key.isAutoRepeat())
            loneAlt.Press((modifiers & ~Qt::AltModifier) ? nullptr : window, QCursor::pos(),
                          quint32(key.timestamp()));
        return false;
    }
    loneAlt.Drop();
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
