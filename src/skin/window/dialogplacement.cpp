#include "skin/window/dialogplacement.h"

#include <algorithm>

namespace skin {

TDialogPlacement::TMover TDialogPlacement::MoverOf(bool reported, bool byUser,
                                                   std::optional<bool> displayAgrees,
                                                   bool buttonDown) {
    if (!reported)
        return byUser ? TMover::User : TMover::Caller;
    return displayAgrees.value_or(buttonDown) ? TMover::User : TMover::Unconfirmed;
}

void TDialogPlacement::NoteMove(TMover mover, QPoint pos) {
    switch (mover) {
    case TMover::Caller:
        callerPlace = pos;
        callerPlaced = true;
        shown = pos;
        break;
    case TMover::User:
        shown = pos;
        break;
    case TMover::Unconfirmed:
        break;
    }
}

QRect TDialogPlacement::PlaceForMapping(QSize size, bool placedByCaller, QPoint centre,
                                        const QRect &area) {
    callerPlaced = placedByCaller;
    QRect placed(callerPlace, size);
    if (!placedByCaller) {
        placed.moveCenter(centre);
        placed = Inside(placed, area);
    }
    shown = placed.topLeft();
    return placed;
}

QRect TDialogPlacement::Refitted(const QRect &now, QSize size, bool keepCorner, const QRect &area) {
    QRect target(now.topLeft(), size);
    if (keepCorner)
        return target;
    target.moveCenter(now.center());
    return Inside(target, area);
}

QRect TDialogPlacement::Inside(QRect rect, const QRect &area) {
    rect.moveRight(std::min(rect.right(), area.right()));
    rect.moveBottom(std::min(rect.bottom(), area.bottom()));
    rect.moveLeft(std::max(rect.left(), area.left()));
    rect.moveTop(std::max(rect.top(), area.top()));
    return rect;
}

} // namespace skin
