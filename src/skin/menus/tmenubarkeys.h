#pragma once

#include "skin/menus/tlonealt.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

class QKeyEvent;

namespace skin {

// The keyboard's ways into a skinned menu bar besides Alt plus a button's mnemonic (the bar's
// own shortcuts take those): a lone Alt (see TLoneAlt), or F10, opens the first button of the
// active window's bar (not while a mouse button is down). Alt plus a key that nothing in the
// active window took, in a window that is neither the main window nor modal, goes to the main
// window's bar. X11's crossing events in grab mode reach it as native events, the keys carry
// the X server's times on X11.
class TMenuBarKeys : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    TMenuBarKeys();
    ~TMenuBarKeys() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    bool KeyPress(QWidget *window, const QKeyEvent &key);

    TLoneAlt loneAlt;
};

} // namespace skin
