// The skinned window's event handling: private messages, hit tests, caption buttons, moving,
// sizing and window commands.
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tskindata.h"
#include "skin/window/framehittest.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tcontrollayer.h"
#include "skin/window/tmenulayer.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"
#include "skin/window/windowcodes.h"
#include "skin/window/windowfacts.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcutEvent>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace skin {

namespace {

// How long a maximize may take the window manager before the window is maximized here.
constexpr int ManualMaximizeDelayMs = 250;

Qt::CursorShape SizingCursor(int hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    default:
        return Qt::SizeBDiagCursor;
    }
}

bool IsFrameHit(int hit) {
    return hit != HTCLIENT && hit != HTNOWHERE;
}

} // namespace

bool TWinSkinForm::eventFilter(QObject *watched, QEvent *event) {
    if (watched != Handle.data())
        return false;
    if (FormWndProc(event))
        return true;
    return Form && FrameSkinned && FormWindowProc(event);
}

bool TWinSkinForm::FormWndProc(QEvent *event) {
    const QEvent::Type type = event->type();
    if (SkinMessageEvent::isSkinMessage(type)) {
        auto *message = static_cast<SkinMessageEvent *>(event);
        switch (message->message()) {
        case SM_SKINACTIVE:
            FinishSkinning();
            return true;
        case SM_SKINQUERY:
            message->result = 1;
            PostSkinMessage(Handle, SM_SKINAPPLIED, 0, SkinSignature);
            return true;
        case SM_SKINNCPAINT:
            PaintFrame(nullptr);
            return true;
        case SM_SKINMENUPOPUP:
            message->result = 0; // no menu bar of ours to open
            return FrameSkinned;
        default:
            return false;
        }
    }
    if (!FrameSkinned)
        return false;
    switch (type) {
    case QEvent::Resize:
        OnSize();
        return false;
    case QEvent::ActivationChange:
        OnActivationChange();
        return false;
    case QEvent::WindowStateChange:
        UpdateWindowState();
        return false;
    case QEvent::WindowTitleChange:
        PaintFrame(nullptr);
        return false;
    case QEvent::Shortcut:
        if (static_cast<QShortcutEvent *>(event)->shortcutId() != systemMenuShortcut)
            return false;
        OpenSystemMenu(Handle->mapToGlobal(Handle->contentsRect().topLeft()));
        return true;
    default:
        break;
    }
    if (State == StateAttached)
        return false;
    switch (type) {
    case QEvent::Paint: {
        // The frame goes under whatever the window paints itself.
        const QRegion exposed = static_cast<QPaintEvent *>(event)->region();
        if (CanPaintFrame() && exposed.intersects(FrameRegion())) {
            const QRect caption(0, 0, Handle->width(), FrameMetrics.top());
            QPainter painter(Handle);
            PaintFrame(&painter, (QRegion(caption) - exposed).isEmpty());
        }
        return false;
    }
    case QEvent::MouseMove:
        return NCMouseMove(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonPress:
        return NCMousePress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        return NCMouseRelease(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonDblClick:
        return NCMouseDoubleClick(static_cast<QMouseEvent *>(event));
    case QEvent::ContextMenu: {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() != QContextMenuEvent::Mouse ||
            NCHitTest(menuEvent->pos()) != HTCAPTION)
            return false;
        OpenSystemMenu(menuEvent->globalPos());
        return true;
    }
    case QEvent::Leave:
        if (HotObject && !pressedObject)
            HotObject->MouseLeave();
        return false;
    default:
        return false;
    }
}

bool TWinSkinForm::FormWindowProc(QEvent *event) {
    if (!SkinMessageEvent::isSkinMessage(event->type()))
        return false;
    auto *message = static_cast<SkinMessageEvent *>(event);
    switch (message->message()) {
    case SM_SKINCOLORS:
        ReapplySkin();
        return true;
    case SM_SKINPRINTFRAME:
        if (message->lParam == SkinSignature) {
            if (message->wParam)
                PaintFrame(reinterpret_cast<QPainter *>(message->wParam), false);
            message->result = SkinSignature;
        }
        return true;
    case SM_SKINPRESENT:
        message->result = message->lParam == SkinSignature ? SkinSignature : 1;
        return true;
    default:
        return false;
    }
}

void TWinSkinForm::FinishSkinning() {
    if (!Handle || Finished)
        return;
    Finished = true;
    SystemMenu = FlagsHaveSystemMenu(StyleAtAttach);
    BuildIconImage();
    StoreClientRect();
    if (TControlLayer *layer = manager ? manager->ControlLayer() : nullptr) {
        if (Form)
            layer->SkinFormControls(*this);
        else
            layer->SkinNativeChildren(*this);
    }
    if (State == StateAttached && FrameSkinned && !IsChild && FrameKind != FrameNone) {
        if (ShowState == ShowMinimized) {
            FrameChanged();
        } else {
            State = StateFixingSize;
            FixWindowSize(false);
            State = StateSkinned;
            if (ShowState == ShowNormal)
                UpdateFormRegion();
            else
                FrameChanged();
        }
    }
    FireAfterSkin();
    State = StateSkinned;
    if (IsActive)
        HotTimer.start();
    Handle->update();
    emit Skinned();
}

void TWinSkinForm::OnSize() {
    UpdateWindowState();
    if (ShowState != ShowMinimized && (State == StateSkinned || State == StateReapplying))
        UpdateFormRegion();
}

void TWinSkinForm::OnActivationChange() {
    IsActive = Handle->isActiveWindow();
    if (IsActive && State == StateSkinned)
        HotTimer.start();
    else
        HotTimer.stop();
    if (!HotTimer.isActive() && HotControl) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(HotControl, &leave);
        HotControl = nullptr;
    }
    PaintFrame(nullptr);
    UpdateFormRegion();
}

void TWinSkinForm::UpdateWindowState() {
    if (!Handle)
        return;
    const Qt::WindowStates states = Handle->windowState();
    if (states.testFlag(Qt::WindowMinimized))
        ShowState = ShowMinimized;
    else if (manualMaximize || states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        ShowState = ShowMaximized;
    else
        ShowState = ShowNormal;
}

int TWinSkinForm::NCHitTest(QPoint windowPos) const {
    if (!Handle || !FrameSkinned || FrameKind == FrameNone)
        return Handle && Handle->rect().contains(windowPos) ? HTCLIENT : HTNOWHERE;
    const bool sizable = ShowState == ShowNormal && IsSizableWindow(Handle);
    return FrameHitTest(windowPos, Handle->size(), FrameMetrics, MenuBarHeight, sizable);
}

TNCObject *TWinSkinForm::ObjectAt(QPoint windowPos) const {
    for (const auto &button : CaptionButtons)
        if (button->Visible && button->Button->Action >= 0 && button->Rect.contains(windowPos))
            return button.get();
    return nullptr;
}

void TWinSkinForm::UpdateCursor(int hit) {
    QWindow *window = Handle->windowHandle();
    if (!window)
        return;
    const QCursor cursor = IsSizingHit(hit) ? QCursor(SizingCursor(hit)) : Handle->cursor();
    if (window->cursor().shape() != cursor.shape())
        window->setCursor(cursor);
}

bool TWinSkinForm::NCMouseMove(QMouseEvent *event) {
    if (drag.Active() && event->buttons().testFlag(Qt::LeftButton))
        return drag.Move(Handle, event->globalPosition());
    const QPoint p = event->position().toPoint();
    const int hit = NCHitTest(p);
    UpdateCursor(hit);
    if (!IsFrameHit(hit)) {
        if (HotObject && !pressedObject)
            HotObject->MouseLeave();
        return false;
    }
    if (IsActive) {
        TNCObject *object = ObjectAt(p);
        if (!object) {
            if (HotObject)
                HotObject->MouseLeave();
        } else if (!pressedObject) {
            object->MouseEnter();
        } else if (object == pressedObject && HotObject != object) {
            object->MouseDown(); // back over the button still held down
        }
    }
    return true;
}

bool TWinSkinForm::NCMousePress(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    const int hit = NCHitTest(p);
    if (!IsFrameHit(hit))
        return false;
    if (event->button() != Qt::LeftButton)
        return true; // a right press on the caption is followed by its context-menu event
    if (TNCObject *object = ObjectAt(p)) {
        if (!IsActive)
            Handle->activateWindow();
        object->MouseDown();
        pressedObject = object;
        return true;
    }
    if (hit == HTCAPTION && ShowState == ShowMaximized)
        return true; // a maximized window is not dragged
    drag.Press(Handle, hit, event->globalPosition());
    return true;
}

bool TWinSkinForm::NCMouseRelease(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    if (event->button() != Qt::LeftButton)
        return IsFrameHit(NCHitTest(p));
    const bool dragging = drag.Active();
    drag.Release();
    if (TNCObject *pressed = std::exchange(pressedObject, nullptr)) {
        // The press and the release must both be on the button, as with any push button.
        if (ObjectAt(p) == pressed) {
            pressed->MouseUp();
            DoCaptionButtonAction(static_cast<TWinSysButton *>(pressed),
                                  event->globalPosition().toPoint());
        } else if (HotObject == pressed) {
            pressed->MouseLeave();
        }
        return true;
    }
    return dragging || IsFrameHit(NCHitTest(p));
}

bool TWinSkinForm::NCMouseDoubleClick(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    const int hit = NCHitTest(p);
    if (!IsFrameHit(hit))
        return false;
    if (event->button() != Qt::LeftButton)
        return true;
    if (TNCObject *object = ObjectAt(p)) {
        if (static_cast<TWinSysButton *>(object)->ShowsWindowIcon()) {
            HotTimer.stop();
            PostSysCommand(SC_CLOSE);
        }
        return true;
    }
    if (hit != HTCAPTION)
        return true;
    if (ShowState != ShowNormal) {
        ShowState = ShowNormal;
        PostSysCommand(SC_RESTORE);
    } else if (CaptionButtonSet & cbMaximize) {
        Maximize();
    }
    return true;
}

void TWinSkinForm::OpenSystemMenu(QPoint globalPos) {
    if (DoubleClickTime < 0 || !LastMenuTick.isValid() ||
        LastMenuTick.elapsed() > DoubleClickTime) {
        LastMenuTick.start();
        TMenuLayer *layer = manager ? manager->MenuLayer() : nullptr;
        if (!layer)
            return;
        manager->MenuKind = 2;
        layer->OpenSystemMenu(*this, globalPos);
    } else if (HotObject) {
        HotTimer.stop();
        PostSysCommand(SC_CLOSE);
    }
}

void TWinSkinForm::DoCaptionButtonAction(TWinSysButton *button, QPoint globalPos) {
    const int action = button->Button->Action;
    switch (action) {
    case cbaClose:
        if (FlagsHaveClose(StyleAtAttach)) {
            HotTimer.stop();
            PostSysCommand(SC_CLOSE);
        }
        break;
    case cbaMaximize:
    case cbaMaximize2:
        if (button->Enabled)
            Maximize();
        break;
    case cbaMinimize:
    case cbaMinimize2:
        if (button->Enabled)
            Minimize();
        break;
    case cbaSystemMenu:
    case cbaSystemMenu2:
    case cbaSystemMenu3:
        OpenSystemMenu(globalPos + QPoint(1, 1));
        break;
    case cbaHelp:
        PostSysCommand(SC_CONTEXTHELP);
        break;
    case cbaMDIMinimize:
    case cbaMDIRestore:
    case cbaMDIClose:
    case cbaMDIMinimize2:
    case cbaMDIRestore2:
    case cbaMDIClose2:
        break; // the buttons of maximized MDI children: no MDI here
    default:
        PostSkinMessage(Handle, SM_SKINBUTTONACTION, action, 0);
        break;
    }
}

void TWinSkinForm::Maximize() {
    if (ShowState == ShowMaximized) {
        ShowState = ShowNormal;
        PostSysCommand(SC_RESTORE);
        return;
    }
    ShowState = ShowMaximized;
    PostSysCommand(SC_MAXIMIZE);
    HotObject = nullptr;
}

void TWinSkinForm::Minimize() {
    if (ShowState == ShowMinimized) {
        ShowState = ShowNormal;
        PostSysCommand(SC_RESTORE);
        return;
    }
    ShowState = ShowMinimized;
    PostSysCommand(SC_MINIMIZE);
}

void TWinSkinForm::PostSysCommand(int command) {
    QMetaObject::invokeMethod(
        this, [this, command] { SysCommand(command); }, Qt::QueuedConnection);
}

void TWinSkinForm::SysCommand(int command) {
    if (!Handle)
        return;
    QWindow *window = Handle->windowHandle();
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        Handle->close();
        break;
    case SC_MINIMIZE:
        ShowState = ShowMinimized;
        Handle->showMinimized();
        break;
    case SC_MAXIMIZE:
        ShowState = ShowMaximized;
        if (!Handle->isMaximized())
            normalGeometry = Handle->geometry();
        Handle->showMaximized();
        // Without a window manager nothing maximizes the window: then the skin does, keeping
        // the maximized state as its own (Qt takes no geometry for a window it thinks
        // maximized).
        QTimer::singleShot(ManualMaximizeDelayMs, this, [this] {
            if (!Handle || !Handle->isMaximized() || !Handle->screen())
                return;
            const QRect available = Handle->screen()->availableGeometry();
            if (Handle->geometry() == available)
                return;
            manualMaximize = true;
            Handle->setWindowState(Qt::WindowNoState);
            Handle->setGeometry(available);
            ShowState = ShowMaximized;
            PaintFrame(nullptr);
        });
        break;
    case SC_RESTORE:
        ShowState = ShowNormal;
        if (manualMaximize)
            RestoreManualMaximize();
        else
            Handle->showNormal();
        break;
    case SC_MOVE:
        if (window)
            window->startSystemMove();
        break;
    case SC_SIZE:
        if (window)
            window->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        break;
    case SC_CONTEXTHELP:
        QWhatsThis::enterWhatsThisMode();
        break;
    default:
        break;
    }
}

void TWinSkinForm::RestoreManualMaximize() {
    if (!manualMaximize || !Handle)
        return;
    manualMaximize = false;
    Handle->setGeometry(normalGeometry);
    PaintFrame(nullptr);
}

void TWinSkinForm::HotTrackTimer() {
    if (MenuTracking || !Handle)
        return;
    if (HotObject && !pressedObject &&
        !HotObject->Rect.contains(Handle->mapFromGlobal(QCursor::pos())))
        HotObject->MouseLeave();
    if (!Form && HotControl &&
        !HotControl->rect().contains(HotControl->mapFromGlobal(QCursor::pos()))) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(HotControl, &leave);
        HotControl = nullptr;
    }
}

} // namespace skin
