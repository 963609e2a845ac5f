#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QMdiArea;
class QWidget;

namespace skin {

// What the skin reads of Qt's MDI: a window that holds a QMdiArea is an MDI frame and the area
// its MDI client; each QMdiSubWindow inside an area is an MDI child.

// The MDI client of a window: the first QMdiArea among its descendants that does not lie inside
// one of its MDI children; nullptr when it has none.
QMdiArea *FindMDIClient(const QWidget *window);
// The area an MDI child sits in; nullptr for any other widget.
QMdiArea *MDIAreaOf(const QWidget *widget);
inline bool IsMDIChild(const QWidget *widget) {
    return MDIAreaOf(widget) != nullptr;
}
// The active child of an area (the current one while the area's window is inactive) is
// maximized.
bool IsMDIChildMaximized(const QMdiArea *area);

// Where `count` minimized children of `size` lie in an area's viewport `domain`: side by side
// along its bottom, in as many rows from the bottom up as they need, from the right in a
// right-to-left area. Qt's area lays its minimized children out the same way.
QList<QRect> MinimizedChildPlaces(int count, QSize size, const QRect &domain, bool rightToLeft);

} // namespace skin
