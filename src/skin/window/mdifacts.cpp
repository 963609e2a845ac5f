#include "skin/window/mdifacts.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>

namespace skin {

QMdiArea *FindMDIClient(const QWidget *window) {
    if (!window)
        return nullptr;
    for (QMdiArea *area : window->findChildren<QMdiArea *>()) {
        const QWidget *above = area->parentWidget();
        while (above && above != window && !qobject_cast<const QMdiSubWindow *>(above))
            above = above->parentWidget();
        if (above == window)
            return area;
    }
    return nullptr;
}

QMdiArea *MDIAreaOf(const QWidget *widget) {
    if (!qobject_cast<const QMdiSubWindow *>(widget) || !widget->parentWidget())
        return nullptr;
    auto *area = qobject_cast<QMdiArea *>(widget->parentWidget()->parentWidget());
    return area && area->viewport() == widget->parentWidget() ? area : nullptr;
}

bool IsMDIChildMaximized(const QMdiArea *area) {
    const QMdiSubWindow *child = area ? area->currentSubWindow() : nullptr;
    return child && child->isMaximized();
}

QList<QRect> MinimizedChildPlaces(int count, QSize size, const QRect &domain, bool rightToLeft) {
    QList<QRect> places;
    const int width = std::max(size.width(), 1);
    const int columns = std::max(domain.width() / width, 1);
    for (int i = 0; i < count; ++i) {
        const int row = i / columns, column = i % columns;
        QRect place(column * width, domain.height() - size.height() * (row + 1), size.width(),
                    size.height());
        if (rightToLeft)
            place.moveLeft(domain.width() - place.left() - place.width());
        places.append(place.translated(domain.topLeft()));
    }
    return places;
}

} // namespace skin
