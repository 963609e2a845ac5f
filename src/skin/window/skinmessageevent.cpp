#include "skin/window/skinmessageevent.h"

#include <QCoreApplication>
#include <QObject>

namespace skin {

SkinMessageEvent::SkinMessageEvent(int message, qintptr wParam, qintptr lParam)
    : QEvent(static_cast<QEvent::Type>(message)), wParam(wParam), lParam(lParam) {}

SkinMessageEvent::SkinMessageEvent(int message, QPainter &target, qintptr lParam)
    : QEvent(static_cast<QEvent::Type>(message)), wParam(0), lParam(lParam), painter(&target) {}

bool SkinMessageEvent::isSkinMessage(QEvent::Type type) {
    switch (static_cast<int>(type)) {
    case SM_SKINCOLORS:
    case SM_SKINNCPAINT:
    case SM_SKINACTIVE:
    case SM_SKINENABLE:
    case SM_SKINTABCLOSE:
    case SM_SKINBUTTONACTION:
    case SM_SKINBUTTONENABLED:
    case SM_SKINMDI:
    case SM_SKINSCROLLBARS:
    case SM_SKINMENUPOPUP:
    case SM_SKINQUERY:
    case SM_SKINPRINTCLIENT:
    case SM_SKINPRINTFRAME:
    case SM_SKINPRESENT:
    case SM_SKINAPPLIED:
        return true;
    default:
        return false;
    }
}

qintptr SendSkinMessage(QObject *receiver, int message, qintptr wParam, qintptr lParam) {
    if (!receiver)
        return 0;
    SkinMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(receiver, &event);
    return event.result;
}

qintptr SendSkinMessage(QObject *receiver, int message, QPainter &painter, qintptr lParam) {
    if (!receiver)
        return 0;
    SkinMessageEvent event(message, painter, lParam);
    QCoreApplication::sendEvent(receiver, &event);
    return event.result;
}

void PostSkinMessage(QObject *receiver, int message, qintptr wParam, qintptr lParam) {
    if (receiver)
        QCoreApplication::postEvent(receiver, new SkinMessageEvent(message, wParam, lParam));
}

} // namespace skin
