#include "ledger/mainwindow/appfilter.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace ledger {

AppFilter::AppFilter(QObject *parent) : QObject(parent) {}

void AppFilter::addBrowser(QWidget *browser) {
    if (browser)
        m_browsers.append(browser);
}

bool AppFilter::isInBrowser(const QObject *receiver) const {
    if (!receiver || !receiver->isWidgetType())
        return false;
    auto *widget = static_cast<const QWidget *>(receiver);
    for (const QPointer<QWidget> &browser : m_browsers) {
        if (browser && (widget == browser || browser->isAncestorOf(widget)))
            return true;
    }
    return false;
}

bool AppFilter::isBlockedShortcut(const QEvent *event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto *key = static_cast<const QKeyEvent *>(event);
    if (!(key->modifiers() & Qt::ControlModifier))
        return false;
    return key->key() == Qt::Key_N || key->key() == Qt::Key_F || key->key() == Qt::Key_A;
}

bool AppFilter::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton && isInBrowser(watched))
            return true;
        break;
    case QEvent::ContextMenu:
        if (isInBrowser(watched))
            return true;
        break;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (isBlockedShortcut(event) && isInBrowser(watched)) {
            // Accepting the override keeps the key from becoming a shortcut as well.
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ledger
