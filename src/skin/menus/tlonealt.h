#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <vector>

class QEvent;

namespace skin {

// A lone Alt: Alt pressed and released in one window with nothing between. No other key, no
// mouse button pressed or released and no pointer motion (also where the window manager took
// them and the program saw no event), no move, resize, activation or focus change of the window.
//
// The window manager's pointer grabs are known from X's crossing events, which the program sees
// as it reads them from the display, possibly before the key events it read with them reach it
// (a busy program reads the Alt press, the crossings and the release in one go). So they count
// by their X server times, as the key events' times do: a crossing between the press and the
// release ends the lone Alt, whichever was seen first.
class TLoneAlt {
public:
    // Alt went down in `window` (nullptr: with another modifier) with the pointer at `pointer`,
    // at X server time `time`.
    void Press(QWidget *window, QPoint pointer, quint32 time);
    // An event that reached `watched` while Alt may be down: ends the lone Alt when it comes
    // between.
    void See(const QObject *watched, const QEvent &event);
    // A pointer grab began or ended at X server time `time`.
    void GrabCrossing(quint32 time);
    // Something came between that the program learnt of in another way.
    void Drop() { window = nullptr; }
    // Alt went up in `released` with the pointer at `pointer` at X server time `time`: whether
    // that ends a lone Alt. Ends the press either way.
    bool Release(const QWidget *released, QPoint pointer, quint32 time);

private:
    QPointer<QWidget> window;
    QPoint pointer;
    std::vector<quint32> crossingTimes; // the latest grab crossings, in the order X sent them
};

} // namespace skin
