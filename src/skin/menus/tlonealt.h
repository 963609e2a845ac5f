#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

class QEvent;

namespace skin {

// A lone Alt: Alt pressed and released in one window with nothing between. No other key, no
// mouse button pressed or released and no pointer motion (also where the window manager took
// them and the program saw no event), no move, resize, activation or focus change of the window.
class TLoneAlt {
public:
    // Alt went down in `window` (nullptr: with another modifier) with the pointer at `pointer`.
    void Press(QWidget *window, QPoint pointer);
    // An event that reached `watched` while Alt may be down: ends the lone Alt when it comes
    // between.
    void See(const QObject *watched, const QEvent &event);
    // Something came between that the program learnt of in another way.
    void Drop() { window = nullptr; }
    // Alt went up in `released` with the pointer at `pointer`: whether that ends a lone Alt.
    // Ends the press either way.
    bool Release(const QWidget *released, QPoint pointer);

private:
    QPointer<QWidget> window;
    QPoint pointer;
};

} // namespace skin
