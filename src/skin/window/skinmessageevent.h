#pragma once

#include <QEvent>
#include <QtGlobal>

class QObject;
class QPainter;

namespace skin {

// The skin engine's private messages. The numbers double as QEvent types; all of them lie
// between QEvent::User and QEvent::MaxUser.
enum SkinMsg : int {
    SM_SKINCOLORS = 0x3401,
    SM_SKINNCPAINT = 0x3502,
    SM_SKINACTIVE = 0x3503,
    SM_SKINENABLE = 0x3506,
    SM_SKINTABCLOSE = 0x3507,
    SM_SKINBUTTONACTION = 0x3514,
    SM_SKINBUTTONENABLED = 0x3515,
    SM_SKINMDI = 0x3516,
    SM_SKINSCROLLBARS = 0x3517,
    SM_SKINMENUPOPUP = 0x3518,
    SM_SKINQUERY = 0x3523,
    SM_SKINPRINTCLIENT = 0xBC4A,
    SM_SKINPRINTFRAME = 0xBC4B,
    SM_SKINPRESENT = 0xBC4D,
    SM_SKINAPPLIED = 0xBC4E,
};

// Carried in LParam of the 0xBC4x messages and answered by them.
inline constexpr qintptr SkinSignature = 16802;

// One private message: two numbers in (or a painter for the printing messages), one result out.
class SkinMessageEvent : public QEvent {
public:
    SkinMessageEvent(int message, qintptr wParam = 0, qintptr lParam = 0);
    // SM_SKINPRINTFRAME and SM_SKINPRINTCLIENT: paint into `painter`.
    SkinMessageEvent(int message, QPainter &painter, qintptr lParam);

    int message() const { return static_cast<int>(type()); }
    QPainter *Painter() const { return painter; }
    qintptr wParam;
    qintptr lParam;
    qintptr result = 0;

    // True for the event types of the private messages above.
    static bool isSkinMessage(QEvent::Type type);

private:
    QPainter *painter = nullptr;
};

// Delivers the message at once and returns its result (0 when nobody answered).
qintptr SendSkinMessage(QObject *receiver, int message, qintptr wParam = 0, qintptr lParam = 0);
qintptr SendSkinMessage(QObject *receiver, int message, QPainter &painter, qintptr lParam);
// Queues the message; its result is dropped.
void PostSkinMessage(QObject *receiver, int message, qintptr wParam = 0, qintptr lParam = 0);

} // namespace skin
