// The skinned window's events: private messages, the frame's own events (size, activation,
// title, paint, mouse), the system menu and the caption buttons' actions.
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tskindata.h"
#include "skin/window/mdifacts.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tcontrollayer.h"
#include "skin/window/tmenulayer.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHoverEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QShortcutEvent>
#include <QWidget>

namespace skin {

bool TWinSkinForm::eventFilter(QObject *watched, QEvent *event) {
    if (watched == mappingDialog.data()) {
        if (event->type() == QEvent::Show)
            FinishDialogBeforeMapping();
        else if (event->type() == QEvent::Expose && mappingDialog->isExposed())
            ConfirmPlaceAfterMapping();
        return false;
    }
    if (watched != handle.data())
        return false;
    if (event->type() == QEvent::ParentChange && manager && PlaceChanged()) {
        manager->ReskinMoved(this);
        return false;
    }
    if (SkinMessageEvent::isSkinMessage(event->type()))
        return SkinMessage(*static_cast<SkinMessageEvent *>(event));
    return frameSkinned && FrameEvent(event);
}

bool TWinSkinForm::SkinMessage(SkinMessageEvent &message) {
    switch (message.message()) {
    case SM_SKINACTIVE:
        FinishSkinning();
        return true;
    case SM_SKINQUERY:
        message.result = 1;
        PostSkinMessage(handle, SM_SKINAPPLIED, 0, SkinSignature);
        return true;
    case SM_SKINNCPAINT:
        RepaintFrame();
        return true;
    case SM_SKINMENUPOPUP:
        // A screen point packed as x in the low and y in the high 16 bits: the menu-bar button
        // there opens.
        if (menuBar)
            menuBar->Press(handle->mapFromGlobal(
                QPoint(qint16(message.lParam & 0xFFFF), qint16((message.lParam >> 16) & 0xFFFF))));
        message.result = 0;
        return frameSkinned;
    default:
        break;
    }
    // The messages an application window answers once its frame is skinned.
    if (!form || !frameSkinned)
        return false;
    switch (message.message()) {
    case SM_SKINCOLORS:
        ReapplySkin();
        return true;
    case SM_SKINPRINTFRAME:
        if (message.lParam == SkinSignature) {
            if (QPainter *target = message.Painter())
                PaintFrame(*target);
            message.result = SkinSignature;
        }
        return true;
    case SM_SKINPRESENT:
        message.result = message.lParam == SkinSignature ? SkinSignature : 1;
        return true;
    default:
        return false;
    }
}

bool TWinSkinForm::FrameEvent(QEvent *event) {
    if (windowKind == TWindowKind::MDIChild)
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowStateChange:
        case QEvent::StyleChange:
            KeepOutlineLater();
            break;
        default:
            break;
        }
    switch (event->type()) {
    case QEvent::Resize:
        OnSize(event->spontaneous());
        mouse.UpdateHot();
        return false;
    case QEvent::Move:
        NoteMove(event->spontaneous());
        mouse.UpdateHot();
        return false;
    case QEvent::ActivationChange:
        OnActivationChange();
        return false;
    case QEvent::WindowActivate: // what an MDI child hears of its window's activation
    case QEvent::WindowDeactivate:
        if (windowKind == TWindowKind::MDIChild)
            OnActivationChange();
        return false;
    case QEvent::Show:
        WatchDialogMapping();
        return false;
    case QEvent::Hide:
        ReturnActivation();
        return false;
    case QEvent::WindowStateChange:
        UpdateWindowState();
        UpdateLayout();
        if (windowKind == TWindowKind::MDIChild)
            MDIChildStateChanged();
        mouse.UpdateHot();
        return false;
    case QEvent::WindowTitleChange:
        UpdateLayout();
        RepaintFrame();
        return false;
    case QEvent::Shortcut:
        if (static_cast<QShortcutEvent *>(event)->shortcutId() != systemMenuShortcut)
            return false;
        OpenSystemMenu(handle->mapToGlobal(handle->contentsRect().topLeft()));
        return true;
    case QEvent::LayoutRequest:
        if (!isDialog || state == TFormState::Attached ||
            handle->minimumSize() != handle->maximumSize())
            return false;
        if (LayoutChangedSinceFit())
            FitDialogToItsLayout(event);
        return true;
    default:
        break;
    }
    if (state == TFormState::Attached)
        return false;
    switch (event->type()) {
    case QEvent::Paint: {
        // The frame goes under whatever the window paints itself.
        const QRegion exposed = static_cast<QPaintEvent *>(event)->region();
        const bool frameExposed = exposed.intersects(layout.FrameRegion());
        if (CanPaintFrame() && (frameExposed || translucent)) {
            QPainter target(handle);
            if (translucent) // nothing else paints a translucent window's background
                target.fillRect(layout.ClientRect(), handle->palette().window());
            if (frameExposed)
                PaintFrame(target);
        }
        return false;
    }
    // Hover events are the frame's unless the window asked for them itself (the window would
    // repaint itself whole at each entry and exit).
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        mouse.Hover(static_cast<QHoverEvent *>(event));
        return !savedHover;
    case QEvent::HoverLeave:
        mouse.Leave();
        return !savedHover;
    case QEvent::MouseMove: {
        const QScopedValueRollback<bool> byUser(movingForUser, true);
        return mouse.Move(static_cast<QMouseEvent *>(event));
    }
    case QEvent::MouseButtonPress: {
        auto *press = static_cast<QMouseEvent *>(event);
        // The frame takes the press an MDI child would be activated by.
        if (windowKind == TWindowKind::MDIChild && !IsActiveNow() &&
            IsFrameHit(NCHitTest(press->position().toPoint())))
            Activate();
        return mouse.Press(press);
    }
    case QEvent::MouseButtonRelease:
        return mouse.Release(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonDblClick:
        return mouse.DoubleClick(static_cast<QMouseEvent *>(event));
    case QEvent::ContextMenu: {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() != QContextMenuEvent::Mouse ||
            NCHitTest(menuEvent->pos()) != FrameHit::Caption)
            return false;
        // An MDI child's caption opens Qt's own menu of the child.
        if (windowKind == TWindowKind::MDIChild)
            return OpenMDIChildSystemMenu(menuEvent->globalPos());
        OpenSystemMenu(menuEvent->globalPos());
        return true;
    }
    default:
        return false;
    }
}

void TWinSkinForm::FinishSkinning() {
    if (!handle || skinningFinished)
        return;
    skinningFinished = true;
    placement.Placed(handle->pos());
    systemMenu = FlagsHaveSystemMenu(styleAtAttach);
    BuildIconImage();
    if (TControlLayer *layer = manager ? manager->ControlLayer() : nullptr) {
        if (form)
            layer->SkinFormControls(*this);
        else
            layer->SkinNativeChildren(*this);
    }
    if (state == TFormState::Attached && frameSkinned && windowKind == TWindowKind::MDIChild &&
        frameKind != TFrameKind::NoCaption) {
        FinishMDIChild();
    } else if (state == TFormState::Attached && frameSkinned && !isChild &&
               frameKind != TFrameKind::NoCaption) {
        if (showState == TShowState::Minimized) {
            ApplyClientMargins();
        } else {
            state = TFormState::FixingSize;
            FixWindowSize(false);
            // A dialog that fits itself to its layout does so now; its size then follows.
            QCoreApplication::sendPostedEvents(handle, QEvent::LayoutRequest);
            state = TFormState::Skinned;
            UpdateLayout();
            if (showState == TShowState::Normal)
                UpdateFormRegion();
        }
    }
    FireAfterSkin();
    state = TFormState::Skinned;
    UpdateLayout();
    handle->update();
    // The children of an MDI frame are skinned with it (those made before skinning started).
    if (mdiClient && manager)
        for (QMdiSubWindow *child : mdiClient->subWindowList())
            manager->SkinWindow(child);
    emit Skinned();
}

void TWinSkinForm::OnSize(bool reported) {
    // A fixed-size dialog that sized itself anew (a message box given a new text) is fitted
    // again once its own layout has run. A size the window system reports is no such sizing:
    // just after the map it can be one the dialog had before, and fitting it again would send
    // the window manager the position reported with it.
    if (isDialog && !reported && !sizingHere && state == TFormState::Skinned &&
        handle->minimumSize() == handle->maximumSize())
        QMetaObject::invokeMethod(
            this,
            [this] {
                QEvent layoutRequest(QEvent::LayoutRequest);
                if (handle && state == TFormState::Skinned && NeedsFit())
                    FitDialogToItsLayout(&layoutRequest);
            },
            Qt::QueuedConnection);
    UpdateWindowState();
    UpdateLayout();
    if (showState != TShowState::Minimized &&
        (state == TFormState::Skinned || state == TFormState::Reapplying))
        UpdateFormRegion();
    // Qt's area sizes its minimized children as its own frames would be.
    if (windowKind == TWindowKind::MDIChild && showState == TShowState::Minimized &&
        state == TFormState::Skinned && handle->size() != MinimizedSize())
        ArrangeMinimizedChildrenLater();
}

void TWinSkinForm::OnActivationChange() {
    active = IsActiveNow();
    UpdateLayout();
    RepaintFrame();
    UpdateFormRegion();
}

void TWinSkinForm::UpdateWindowState() {
    if (!handle)
        return;
    const Qt::WindowStates states = handle->windowState();
    if (states.testFlag(Qt::WindowMinimized))
        showState = TShowState::Minimized;
    else if (commands.IsMaximized() || states.testFlag(Qt::WindowFullScreen))
        showState = TShowState::Maximized;
    else
        showState = TShowState::Normal;
}

void TWinSkinForm::UpdateLayout() {
    if (!handle || !skin) {
        layout = TFrameLayout();
        return;
    }
    TFrameInputs in;
    in.Size = handle->size();
    in.Title = CaptionTitle();
    in.CaptionFont = captionFont;
    in.Facts.SystemMenu = systemMenu;
    in.Facts.Minimize = captionButtonSet.testFlag(TCaptionButton::Minimize);
    in.Facts.Maximize = captionButtonSet.testFlag(TCaptionButton::Maximize);
    in.Facts.Active = active;
    in.Facts.ShowState = showState;
    in.Facts.FrameKind = frameKind;
    in.Facts.IsDialog = isDialog;
    in.RightToLeft = rightToLeft;
    in.Popup = handle->windowType() == Qt::Dialog;
    in.MenuBarHeight = menuBarHeight;
    in.IconSize = iconSize;
    in.Facts.MDIChildMaximized =
        windowKind == TWindowKind::MDIFrame && menuBar && IsMDIChildMaximized(mdiClient);
    QPointer<QWidget> window = handle;
    layout = TFrameLayout(*skin, in, [window](int visibility, int action) {
        return SendSkinMessage(window, SM_SKINBUTTONENABLED, visibility, action);
    });
    const std::vector<TCaptionButtonPlace> &places = layout.Buttons();
    for (size_t i = 0; i < buttons.size() && i < places.size(); ++i)
        buttons[i]->SetPlace(places[i].Rect, places[i].Visible, places[i].Enabled);
    if (menuBar)
        menuBar->Layout(layout.MenuBarRect(), layout.MenuStripButtonsLeft());
}

bool TWinSkinForm::CanPaintFrame() const {
    return handle && (state == TFormState::Skinned || state == TFormState::Reapplying) &&
           frameKind != TFrameKind::NoCaption && frameSkinned && !FrameHidden() && skin &&
           skinData && skinData->FramePainting;
}

void TWinSkinForm::PaintFrame(QPainter &target) {
    if (!CanPaintFrame())
        return;
    TFrameLook look;
    look.Active = active;
    look.RightToLeft = rightToLeft;
    look.Translucent = translucent;
    look.ShowState = showState;
    look.CaptionFont = captionFont;
    look.Palette = handle->palette();
    look.Icon = icon;
    look.IconImage = iconImage;
    look.IconSize = iconSize;
    painter.Paint(target, *skin, layout, look, buttons);
    if (menuBar && showState != TShowState::Minimized && menuBarHeight > 0) {
        menuBar->Paint(target, active);
        painter.PaintMenuStripButtons(target, layout, buttons);
    }
}

void TWinSkinForm::RepaintFrame() {
    if (!CanPaintFrame())
        return;
    // A whole frame shows every caption and menu-bar button at rest.
    mouse.Tracker().Rest(buttons);
    if (menuBar)
        mouse.Tracker().Rest(menuBar->Objects());
    handle->update(layout.FrameRegion());
}

// The outline is also rebuilt when the window turns active or inactive: the two frames of a
// border may have their key-coloured pixels in different places, and the outline of the other
// frame would show the key colour.
void TWinSkinForm::UpdateFormRegion() {
    if (state == TFormState::Finished || !frameSkinned || frameKind == TFrameKind::NoCaption ||
        !skin || !handle)
        return;
    // MDI children have outlines only while they and all the others are normal.
    if (windowKind == TWindowKind::MDIChild &&
        (showState != TShowState::Normal || (manager && manager->MDIMaximizedMode())))
        return;
    const QSize size = handle->size();
    if (size.isEmpty() || layout.Size() != size)
        return;
    if (hasRegion && size == regionSize && active == regionActive &&
        state != TFormState::Reapplying) {
        if (handle->mask() != outline) // cleared by Qt (an MDI child)
            SetMask(outline);
        return;
    }
    outline = painter.Outline(*skin, layout, active);
    ++regionBuilds;
    regionSize = size;
    regionActive = active;
    if (!hasRegion || handle->mask() != outline)
        SetMask(outline);
    hasRegion = true;
}

void TWinSkinForm::ClearFormRegion() {
    if (hasRegion && handle)
        handle->clearMask();
    hasRegion = false;
    regionSize = QSize();
}

FrameHit TWinSkinForm::NCHitTest(QPoint windowPos) const {
    if (!handle || !frameSkinned || frameKind == TFrameKind::NoCaption || !skin || FrameHidden())
        return handle && handle->rect().contains(windowPos) ? FrameHit::Client : FrameHit::Nowhere;
    return layout.HitTest(windowPos, IsSizable());
}

TWinSysButton *TWinSkinForm::ObjectAt(QPoint windowPos) const {
    const int index = layout.ButtonAt(windowPos);
    return index >= 0 && size_t(index) < buttons.size() ? buttons[size_t(index)].get() : nullptr;
}

void TWinSkinForm::OpenSystemMenu(QPoint globalPos) {
    if (TMenuLayer *layer = manager ? manager->MenuLayer() : nullptr) {
        manager->SetMenuKind(TSkinManage::TMenuKind::SystemMenu);
        layer->OpenSystemMenu(*this, globalPos);
    }
}

void TWinSkinForm::DoCaptionButtonAction(const TWinSysButton &button, QPoint globalPos,
                                         quint64 eventTime) {
    const int action = button.Action();
    switch (action) {
    case cbaClose:
        if (FlagsHaveClose(styleAtAttach))
            commands.Post(WindowCommand::Close);
        break;
    case cbaMaximize:
    case cbaMaximize2:
        if (button.Enabled())
            commands.Post(showState == TShowState::Maximized ? WindowCommand::Restore
                                                             : WindowCommand::Maximize);
        break;
    case cbaMinimize:
    case cbaMinimize2:
        if (button.Enabled())
            commands.Post(showState == TShowState::Minimized ? WindowCommand::Restore
                                                             : WindowCommand::Minimize);
        break;
    case cbaSystemMenu:
    case cbaSystemMenu2:
    case cbaSystemMenu3:
        // Event times, not the clock: a second click on the icon within the double-click time
        // closes the window (the first one's menu closed with that click).
        if (lastIconClick &&
            eventTime - *lastIconClick <= quint64(QApplication::doubleClickInterval())) {
            lastIconClick.reset();
            commands.Post(WindowCommand::Close);
        } else {
            lastIconClick = eventTime;
            OpenSystemMenu(globalPos + QPoint(1, 1));
        }
        break;
    case cbaHelp:
        commands.Post(WindowCommand::ContextHelp);
        break;
    case cbaMDIMinimize:
    case cbaMDIMinimize2:
        MDIChildCommand(WindowCommand::Minimize);
        break;
    case cbaMDIRestore:
    case cbaMDIRestore2:
        MDIChildCommand(WindowCommand::Restore);
        break;
    case cbaMDIClose:
    case cbaMDIClose2:
        MDIChildCommand(WindowCommand::Close);
        break;
    default:
        PostSkinMessage(handle, SM_SKINBUTTONACTION, action, 0);
        break;
    }
}

void TWinSkinForm::CaptionDoubleClicked() {
    if (showState != TShowState::Normal)
        commands.Post(WindowCommand::Restore);
    else if (captionButtonSet.testFlag(TCaptionButton::Maximize))
        commands.Post(WindowCommand::Maximize);
}

} // namespace skin
