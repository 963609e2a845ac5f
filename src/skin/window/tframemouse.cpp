#include "skin/window/tframemouse.h"

#include "skin/window/hotpart.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"

#include <QCursor>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace skin {

namespace {

Qt::CursorShape SizingCursor(Qt::Edges edges) {
    if (edges == Qt::LeftEdge || edges == Qt::RightEdge)
        return Qt::SizeHorCursor;
    if (edges == Qt::TopEdge || edges == Qt::BottomEdge)
        return Qt::SizeVerCursor;
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        return Qt::SizeFDiagCursor;
    return Qt::SizeBDiagCursor;
}

} // namespace

TFrameMouse::TFrameMouse(TWinSkinForm &owner) : form(owner) {}

void TFrameMouse::UpdateCursor(FrameHit hit, QPoint p) {
    QWidget *window = form.Handle();
    QWindow *handle = window ? window->windowHandle() : nullptr;
    if (!handle)
        return;
    const Qt::Edges edges = SizingEdges(hit);
    if (edges) {
        sizingCursor = true;
        handle->setCursor(SizingCursor(edges));
    } else if (sizingCursor) {
        // Back to the cursor of what is under the pointer (children keep their own).
        sizingCursor = false;
        QWidget *under = window->childAt(p);
        handle->setCursor((under ? under : window)->cursor());
    }
}

void TFrameMouse::Hover(QHoverEvent *event) {
    const QPoint p = event->position().toPoint();
    const FrameHit hit = form.NCHitTest(p);
    if (!drag.Active())
        UpdateCursor(hit, p);
    FollowPointer(p, hit, true);
}

void TFrameMouse::UpdateHot() {
    QWidget *window = form.Handle();
    if (!window || !tracker.Hot())
        return;
    const QPoint p = window->mapFromGlobal(QCursor::pos());
    FollowPointer(p, form.NCHitTest(p), window->rect().contains(p));
}

void TFrameMouse::FollowPointer(QPoint p, FrameHit hit, bool overWindow) {
    THotInputs in;
    in.OverWindow = overWindow;
    in.Active = form.IsActive();
    in.Under = IsFrameHit(hit) ? ObjectAt(p, hit) : nullptr;
    in.Pressed = tracker.Pressed();
    tracker.Hover(HotPart(in));
}

bool TFrameMouse::Move(QMouseEvent *event) {
    if (drag.Active() && event->buttons().testFlag(Qt::LeftButton))
        return drag.Move(form.Handle(), event->globalPosition());
    return tracker.Pressed() || IsFrameHit(form.NCHitTest(event->position().toPoint()));
}

bool TFrameMouse::Press(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    const FrameHit hit = form.NCHitTest(p);
    if (!IsFrameHit(hit))
        return false;
    if (event->button() != Qt::LeftButton)
        return true; // a right press on the caption is followed by its context-menu event
    // The caption buttons first: the MDI buttons lie in the menu-bar strip.
    if (TWinSysButton *object = form.ObjectAt(p)) {
        if (!form.IsActive())
            form.Activate();
        tracker.Press(object);
        return true;
    }
    if (hit == FrameHit::MenuBar) {
        if (TFrameMenuBar *bar = form.MenuBar())
            bar->Press(p);
        return true;
    }
    if (hit == FrameHit::Caption && form.ShowState() == TShowState::Maximized)
        return true; // a maximized window is not dragged
    drag.Press(form.Handle(), hit, event->globalPosition());
    return true;
}

bool TFrameMouse::Release(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    if (event->button() != Qt::LeftButton)
        return IsFrameHit(form.NCHitTest(p));
    const bool dragging = drag.Active();
    drag.Release();
    if (tracker.Pressed()) {
        // The press and the release must both be on the button, as with any push button.
        if (auto *clicked = dynamic_cast<TWinSysButton *>(tracker.Release(form.ObjectAt(p))))
            form.DoCaptionButtonAction(*clicked, event->globalPosition().toPoint(),
                                       event->timestamp());
        return true;
    }
    return dragging || IsFrameHit(form.NCHitTest(p));
}

bool TFrameMouse::DoubleClick(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    const FrameHit hit = form.NCHitTest(p);
    if (!IsFrameHit(hit))
        return false;
    if (event->button() != Qt::LeftButton)
        return true;
    // The second press on a caption button: its release acts (two clicks on the icon close the
    // window by their event times).
    if (form.ObjectAt(p))
        return true;
    if (hit == FrameHit::Caption)
        form.CaptionDoubleClicked();
    return true;
}

TNCObject *TFrameMouse::ObjectAt(QPoint p, FrameHit hit) const {
    if (TNCObject *button = form.ObjectAt(p))
        return button;
    return hit == FrameHit::MenuBar && form.MenuBar() ? form.MenuBar()->ObjectAt(p) : nullptr;
}

void TFrameMouse::Leave() {
    tracker.Leave();
}

void TFrameMouse::Reset() {
    drag.Release();
    tracker.Release(nullptr);
}

} // namespace skin
