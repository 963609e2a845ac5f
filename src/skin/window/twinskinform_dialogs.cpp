// The skinned window as a dialog: placed before it maps, fitted to its layout when its size
// changes while shown, its place recorded as it moves, and the activation handed back to the
// window it belongs to when it goes.
#include "skin/window/tkeyboardmovesize.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace skin {

// The dialogs the skin places: top-level dialogs with a caption.
bool TWinSkinForm::PlacesDialog() const {
    return handle && handle->inherits("QDialog") && !isChild && frameKind != TFrameKind::NoCaption;
}

// A fixed-size standard dialog (a message box) sizes itself in its own layout pass, after the
// skin's sizing: it does so without the frame, as it would unskinned, and the frame then goes
// around that client again, where the dialog is now.
void TWinSkinForm::FitDialogToItsLayout(QEvent *layoutRequest) {
    const QScopedValueRollback<bool> sizing(sizingHere, true);
    std::optional<QRect> before;
    if (fittedSize.isValid()) {
        before = placement.Now(fittedSize);
        // Its own sizing (and its layout's, below) sends the place Qt holds.
        if (handle->isVisible() && handle->pos() != before->topLeft()) {
            const bool moved = handle->testAttribute(Qt::WA_Moved);
            handle->move(before->topLeft());
            handle->setAttribute(Qt::WA_Moved, moved);
        }
    }
    handle->setContentsMargins(savedMargins);
    appliedFrame = QMargins();
    static_cast<QObject *>(handle.data())->event(layoutRequest);
    FixWindowSize(false, before);
    QCoreApplication::removePostedEvents(handle, QEvent::LayoutRequest);
    if (const QLayout *own = handle->layout())
        fittedLayout = {own->minimumSize(), own->sizeHint()};
    fittedSize = handle->size();
}

// Layout requests that leave the dialog's layout as it was fitted (its children polished, a
// child's layout activated) need no fit: fitting resizes the window twice, and just after the
// map Qt can still hold a stale position for it, which the resize would send along.
bool TWinSkinForm::LayoutChangedSinceFit() const {
    const QLayout *own = handle->layout();
    return !own || fittedLayout != std::pair(own->minimumSize(), own->sizeHint());
}

// The dialog sized itself anew (a message box given a new text, or shown again: it sizes itself
// then, around the frame it has as if it were its own), or its layout changed.
bool TWinSkinForm::NeedsFit() const {
    return handle->size() != fittedSize || LayoutChangedSinceFit();
}

// A dialog being shown (a standard dialog or an application's dialog window) is skinned and
// placed when its native window is about to map.
void TWinSkinForm::WatchDialogMapping() {
    QWindow *window = handle->windowHandle();
    if (!PlacesDialog() || !window || window->isVisible() || mappingDialog == window)
        return;
    mappingDialog = window;
    window->installEventFilter(this);
}

// The dialog's own show handling has sized it and Qt has placed it. Skinned (or, shown again,
// fitted) now, it maps at its final size and place; sized after the map, it would send the window
// manager the position Qt last heard of, which just after the map can be a stale one. Qt placed
// it with an allowance for a decoration the window manager would add around it; the skinned frame
// is part of the window, so it is centred over its parent's window (or the screen) as it is now,
// unless its caller placed it: then it opens where its caller last put it.
void TWinSkinForm::FinishDialogBeforeMapping() {
    const bool placedByCaller = handle->testAttribute(Qt::WA_Moved);
    if (!skinningFinished) {
        if (placedByCaller) // the frame's place, which is the window's now
            placement.NoteMove(TDialogPlacement::TMover::Caller, handle->pos());
        FinishSkinning();
    } else if (isDialog && handle->minimumSize() == handle->maximumSize() && NeedsFit()) {
        QEvent layoutRequest(QEvent::LayoutRequest);
        FitDialogToItsLayout(&layoutRequest);
    }
    if (showState != TShowState::Normal)
        return;
    const QWidget *parent = handle->parentWidget() ? handle->parentWidget()->window() : nullptr;
    const QRect placed = placement.PlaceForMapping(
        handle->size(), placedByCaller,
        parent && parent->isVisible() ? parent->frameGeometry().center() : WorkArea().center(),
        WorkArea());
    const QScopedValueRollback<bool> sizing(sizingHere, true);
    handle->setGeometry(placed);
    handle->setAttribute(Qt::WA_Moved, placedByCaller); // as Qt leaves a dialog it placed
}

// A window mapped where it was placed can keep a place Qt took from a report during the map
// ((0, 0) under openbox, with no report after it, the window having not moved): Qt's idea of
// where the window is, which maps its points to the screen and back, is then wrong, and so is
// the place a resize of the window sends. Once the window shows, Qt is told where the display
// has it (where the display can tell).
void TWinSkinForm::ConfirmPlaceAfterMapping() {
    QWindow *window = std::exchange(mappingDialog, nullptr);
    window->removeEventFilter(this);
    const std::optional<QPoint> display = DisplayWindowPosition(window);
    if (!display)
        return;
    const QPoint shown = *display;
    placement.Placed(shown);
    const bool moved = handle->testAttribute(Qt::WA_Moved);
    const QScopedValueRollback<bool> sizing(sizingHere, true);
    if (handle->pos() != shown)
        handle->move(shown);
    if (window->position() != shown)
        window->setPosition(shown);
    handle->setAttribute(Qt::WA_Moved, moved);
}

// The work area of the window's screen (its parent window's, when it has one).
QRect TWinSkinForm::WorkArea() const {
    const QWidget *parent = handle->parentWidget() ? handle->parentWidget()->window() : nullptr;
    return (parent ? parent->screen() : handle->screen())->availableGeometry();
}

// Just after a dialog maps, Qt 6.4 can take reports of places it had before, or of (0, 0), and
// keep them, while the window stays where it was placed; the window's next resize would send such
// a place along, and the window manager would move the window there. So the skin records where
// the dialog is: where it placed it, where code moved it, where the user moved it through the
// skin, and a reported place once the display confirms it (where the display cannot tell, while
// a mouse button is held: a drag). The skin's own moves for the user leave the dialog as placed
// by its caller or not.
void TWinSkinForm::NoteMove(bool reported) {
    if (sizingHere || !PlacesDialog() || (reported && mappingDialog))
        return;
    std::optional<bool> displayAgrees;
    bool buttonDown = false;
    if (reported) {
        if (const std::optional<QPoint> display = DisplayWindowPosition(handle->windowHandle()))
            displayAgrees = *display == handle->pos();
        else
            buttonDown =
                DisplayMouseButtons().value_or(QGuiApplication::mouseButtons()) != Qt::NoButton;
    }
    const bool byUser = movingForUser || TKeyboardMoveSize::Running(handle);
    const TDialogPlacement::TMover mover =
        TDialogPlacement::MoverOf(reported, byUser, displayAgrees, buttonDown);
    placement.NoteMove(mover, handle->pos());
    if (mover == TDialogPlacement::TMover::User && !reported)
        handle->setAttribute(Qt::WA_Moved, placement.CallerPlaced());
}

// Without a window manager nothing gives the activation back when the active window goes: the X
// focus falls back to the root window, the keys reach whichever window the pointer is over, and
// no window is active, nor drawn so. A window that goes while it has the focus hands it to the
// window it belongs to, as a window manager would.
void TWinSkinForm::ReturnActivation() {
    QWidget *parent = handle->parentWidget() ? handle->parentWidget()->window() : nullptr;
    if (!parent || !parent->isVisible() || parent->isMinimized() || !handle->windowHandle() ||
        QGuiApplication::focusWindow() != handle->windowHandle() || PlatformReturnsActivation())
        return;
    parent->activateWindow();
}

} // namespace skin
