#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;

namespace skin {

// The keyboard's ways into a skinned menu bar besides Alt plus a button's mnemonic (the bar's
// own shortcuts take those): Alt pressed and released with no other key between, or F10, opens
// the first button of the active window's bar (not while a mouse button is down). Alt plus a
// key that nothing in the active window took, in a window that is neither the main window nor
// modal, goes to the main window's bar.
class TMenuBarKeys : public QObject {
    Q_OBJECT

public:
    TMenuBarKeys();
    ~TMenuBarKeys() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool KeyPress(QWidget *window, const QKeyEvent &key);

    QPointer<QWidget> altAlone; // the window where Alt went down, no other key since
};

} // namespace skin
