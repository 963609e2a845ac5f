#include "skin/window/windowfacts.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <memory>
#include <utility>
#include <xcb/xcb.h>

namespace skin {

namespace {

bool InheritsAny(const QObject *object, std::initializer_list<const char *> classes) {
    if (!object)
        return false;
    for (const char *name : classes)
        if (object->inherits(name))
            return true;
    return false;
}

// The X server's connection and its first root window, or none where the program does not run
// on X11.
std::pair<xcb_connection_t *, xcb_window_t> X11Display() {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    const xcb_screen_iterator_t screens =
        connection ? xcb_setup_roots_iterator(xcb_get_setup(connection)) : xcb_screen_iterator_t();
    if (!screens.rem)
        return {nullptr, 0};
    return {connection, screens.data->root};
}

} // namespace

QString WindowClassName(const QObject *object) {
    return object ? QString::fromLatin1(object->metaObject()->className()) : QString();
}

bool IsSystemDialogClass(const QObject *object) {
    return InheritsAny(object,
                       {"QMessageBox", "QInputDialog", "QFileDialog", "QColorDialog", "QFontDialog",
                        "QProgressDialog", "QErrorMessage", "QPrintDialog", "QPageSetupDialog"});
}

bool IsMessageFormClass(const QObject *object) {
    return InheritsAny(object, {"QMessageBox"});
}

int TagOf(const QObject *object) {
    return object ? object->property("tag").toInt() : 0;
}

bool FlagsHaveCaption(Qt::WindowFlags flags) {
    if (flags.testFlag(Qt::FramelessWindowHint))
        return false;
    const Qt::WindowType type = Qt::WindowType(int(flags & Qt::WindowType_Mask));
    if (type != Qt::Window && type != Qt::Dialog && type != Qt::Tool && type != Qt::SubWindow)
        return false;
    return !flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowTitleHint);
}

bool FlagsHaveSystemMenu(Qt::WindowFlags flags) {
    return flags.testFlag(Qt::WindowSystemMenuHint);
}

bool FlagsHaveMinimize(Qt::WindowFlags flags) {
    return flags.testFlag(Qt::WindowMinimizeButtonHint);
}

bool FlagsHaveMaximize(Qt::WindowFlags flags) {
    return flags.testFlag(Qt::WindowMaximizeButtonHint) ||
           flags.testFlag(Qt::WindowContextHelpButtonHint);
}

bool FlagsHaveClose(Qt::WindowFlags flags) {
    return flags.testFlag(Qt::WindowCloseButtonHint) || !flags.testFlag(Qt::CustomizeWindowHint);
}

bool IsSizableWindow(const QWidget *window) {
    return window && window->minimumSize() != window->maximumSize() &&
           !window->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
}

bool IsDialogFrameForm(const QWidget *window) {
    return window && window->property("BorderStyle").toString() == QLatin1String("bsDialog");
}

bool CompositorOwnsWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QString ShownWindowTitle(const QWidget *window) {
    if (!window)
        return QString();
    const QString title = window->windowTitle();
    const QLatin1String placeholder("[*]");
    QString shown;
    shown.reserve(title.size());
    for (qsizetype i = 0; i < title.size();) {
        if (title.mid(i, 3) == placeholder) {
            if (title.mid(i + 3, 3) == placeholder) { // "[*][*]" stands for "[*]"
                shown += placeholder;
                i += 6;
                continue;
            }
            if (window->isWindowModified())
                shown += QLatin1Char('*');
            i += 3;
            continue;
        }
        shown += title.at(i++);
    }
    return shown;
}

std::optional<quint32> PointerGrabCrossingTime(const QByteArray &eventType, const void *message) {
    if (eventType != "xcb_generic_event_t" || !message)
        return std::nullopt;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const uint8_t type = event->response_type & ~0x80;
    if (type != XCB_ENTER_NOTIFY && type != XCB_LEAVE_NOTIFY)
        return std::nullopt;
    const auto *crossing = static_cast<const xcb_enter_notify_event_t *>(message);
    if (crossing->mode != XCB_NOTIFY_MODE_GRAB && crossing->mode != XCB_NOTIFY_MODE_UNGRAB)
        return std::nullopt;
    return crossing->time;
}

bool PlatformGrabsMouseForWindows() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows");
}

std::optional<Qt::MouseButtons> DisplayMouseButtons() {
    const auto [connection, root] = X11Display();
    if (!connection)
        return std::nullopt;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&free)> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr), &free);
    if (!reply)
        return std::nullopt;
    Qt::MouseButtons buttons;
    buttons.setFlag(Qt::LeftButton, reply->mask & XCB_KEY_BUT_MASK_BUTTON_1);
    buttons.setFlag(Qt::MiddleButton, reply->mask & XCB_KEY_BUT_MASK_BUTTON_2);
    buttons.setFlag(Qt::RightButton, reply->mask & XCB_KEY_BUT_MASK_BUTTON_3);
    return buttons;
}

QPoint LogicalFromDisplay(QPoint display, qreal ratio, QPoint screenLogicalTopLeft,
                          QPoint screenDisplayTopLeft) {
    return (display - screenDisplayTopLeft) * (1 / ratio) + screenLogicalTopLeft;
}

std::optional<QPoint> DisplayWindowPosition(const QWindow *window) {
    const auto [connection, root] = X11Display();
    if (!connection || !window || !window->handle() || !window->screen())
        return std::nullopt;
    const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&free)> reply(
        xcb_translate_coordinates_reply(
            connection,
            xcb_translate_coordinates(connection, xcb_window_t(window->winId()), root, 0, 0),
            nullptr),
        &free);
    if (!reply)
        return std::nullopt;
    // X11 windows have no ratio of their own: the window's is Qt's scaling, which keeps a
    // screen's top-left corner where the display has it.
    const QPoint screenTopLeft = window->screen()->geometry().topLeft();
    return LogicalFromDisplay(QPoint(reply->dst_x, reply->dst_y), window->devicePixelRatio(),
                              screenTopLeft, screenTopLeft);
}

// The window named by the root window's _NET_SUPPORTING_WM_CHECK names itself the same way.
bool X11WindowManagerRuns() {
    const auto [connection, root] = X11Display();
    if (!connection)
        return false;
    constexpr char name[] = "_NET_SUPPORTING_WM_CHECK";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof(name) - 1, name),
                              nullptr),
        &free);
    if (!atom || !atom->atom)
        return false;
    // clang 14 cannot capture a structured binding: connection is captured by an initializer.
    const auto checkWindow = [&atom, connection = connection](xcb_window_t window) -> xcb_window_t {
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, window, atom->atom, XCB_ATOM_WINDOW, 0, 1),
                nullptr),
            &free);
        if (!reply || reply->type != XCB_ATOM_WINDOW ||
            xcb_get_property_value_length(reply.get()) < int(sizeof(xcb_window_t)))
            return XCB_WINDOW_NONE;
        return *static_cast<xcb_window_t *>(xcb_get_property_value(reply.get()));
    };
    const xcb_window_t wm = checkWindow(root);
    return wm != XCB_WINDOW_NONE && checkWindow(wm) == wm;
}

bool PlatformReturnsActivation() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen"))
        return false;
    return platform != QLatin1String("xcb") || X11WindowManagerRuns();
}

} // namespace skin
