#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace skin {

// Where a skinned dialog opens and stays. About to map, it is centred over the window it belongs
// to (or the work area), or opens where its caller last put it. Refitted while shown (its size
// changes), it keeps its centre where it is now, whoever moved it there, or its top-left corner
// when its caller placed it.
//
// Where the dialog is now is recorded here as it moves. Qt 6.4 can keep stale places reported
// during the map (such as (0, 0)), so a reported place counts only when the display confirms it,
// or where the display cannot tell, during a drag; the caller's moves, the user's moves through
// the skin and the skin's own placing always count.
class TDialogPlacement {
public:
    enum class TMover {
        Caller,      // the program, by code: also where the dialog opens again when shown again
        User,        // anyone else: the user through the skin or the window manager, or a program
                     // through the window manager
        Unconfirmed, // a reported place nothing confirms (maybe a stale one)
    };
    // Who moved the dialog. A move made here (not `reported`) is the user's when the skin made it
    // for the user (`byUser`: its caption drag or keyboard move), otherwise the caller's. A
    // reported one counts when the display has the dialog at the reported place (`displayAgrees`)
    // or, where the display cannot tell, when a mouse button is down (a drag).
    static TMover MoverOf(bool reported, bool byUser, std::optional<bool> displayAgrees,
                          bool buttonDown);

    // The dialog moved to `pos`.
    void NoteMove(TMover mover, QPoint pos);
    // The skin put the dialog at `pos`.
    void Placed(QPoint pos) { shown = pos; }
    // The place of a dialog of `size` about to map: where its caller last put it when
    // `placedByCaller`, otherwise centred at `centre` within `area`.
    QRect PlaceForMapping(QSize size, bool placedByCaller, QPoint centre, const QRect &area);
    // Where a dialog of `size` is now.
    QRect Now(QSize size) const { return QRect(shown, size); }
    // Whether the caller placed the dialog (it keeps its corner when refitted).
    bool CallerPlaced() const { return callerPlaced; }

    // The dialog at `now` given `size`: its centre kept (within `area`), or its top-left corner
    // when `keepCorner`.
    static QRect Refitted(const QRect &now, QSize size, bool keepCorner, const QRect &area);
    // `rect` moved into `area` as far as it takes (its top-left corner inside when larger).
    static QRect Inside(QRect rect, const QRect &area);

private:
    QPoint callerPlace; // where the caller last put the dialog
    QPoint shown;       // where the dialog is as far as the skin knows
    bool callerPlaced = false;
};

} // namespace skin
