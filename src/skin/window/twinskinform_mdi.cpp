// The skinned window in MDI: an MDI frame watches its area (TMDIClient) and shows the buttons of
// a maximized child in its menu bar; an MDI child is framed inside the area, shows no frame while
// maximized and only its caption while minimized.
#include "skin/window/mdifacts.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tmdiclient.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>
#include <functional>

namespace skin {

namespace {

// Repaints what lies under `exposed` (in `widget`'s parent's coordinates) below `widget`: its
// parent repaints that part itself, but not where an opaque sibling's child covers it.
void RepaintBeneath(const QWidget *widget, const QRegion &exposed) {
    const QWidget *parent = widget->parentWidget();
    if (!parent)
        return;
    const std::function<void(QWidget *, const QRegion &)> repaint = [&repaint](QWidget *w,
                                                                               const QRegion &r) {
        const QRegion inside = r.intersected(w->geometry()).translated(-w->pos());
        if (inside.isEmpty() || !w->isVisible())
            return;
        w->update(inside);
        for (QObject *child : w->children())
            if (child->isWidgetType() && !static_cast<QWidget *>(child)->isWindow())
                repaint(static_cast<QWidget *>(child), inside);
    };
    for (QObject *sibling : parent->children()) {
        if (sibling == widget)
            break; // the ones after it lie above it
        if (sibling->isWidgetType() && !static_cast<QWidget *>(sibling)->isWindow())
            repaint(static_cast<QWidget *>(sibling), exposed);
    }
}

} // namespace

QMdiArea *TWinSkinForm::MDIClient() const {
    return mdiClient;
}

bool TWinSkinForm::FrameHidden() const {
    return windowKind == TWindowKind::MDIChild && showState == TShowState::Maximized;
}

bool TWinSkinForm::FrameInset() const {
    return frameKind != TFrameKind::NoCaption && skin && !FrameHidden();
}

// An MDI child is drawn active while it is its area's active child in the active window.
bool TWinSkinForm::IsActiveNow() const {
    if (!handle)
        return false;
    if (windowKind != TWindowKind::MDIChild)
        return handle->isActiveWindow();
    const QMdiArea *area = MDIAreaOf(handle);
    return area && area->currentSubWindow() == handle && handle->isActiveWindow();
}

void TWinSkinForm::Activate() {
    if (!handle)
        return;
    if (QMdiArea *area = windowKind == TWindowKind::MDIChild ? MDIAreaOf(handle) : nullptr)
        area->setActiveSubWindow(static_cast<QMdiSubWindow *>(handle.data()));
    else
        handle->activateWindow();
}

QSize TWinSkinForm::MinimizedSize() const {
    if (!handle)
        return QSize();
    return QSize(
        handle->style()->pixelMetric(QStyle::PM_MdiSubWindowMinimizedWidth, nullptr, handle),
        layout.Metrics().top());
}

void TWinSkinForm::AttachMDI() {
    if (windowKind == TWindowKind::MDIFrame) {
        if (manager)
            manager->SetMDIClient(mdiClient, form);
        mdiClientFilter = std::make_unique<TMDIClient>(*this, mdiClient);
    } else if (windowKind == TWindowKind::MDIChild) {
        // Qt tells a child's activation by its state; the child that loses it hears so before
        // the area has its new active child.
        connect(static_cast<QMdiSubWindow *>(handle.data()), &QMdiSubWindow::windowStateChanged,
                this, [this] {
                    QMetaObject::invokeMethod(
                        this,
                        [this] {
                            if (IsActiveNow() != active)
                                OnActivationChange();
                        },
                        Qt::QueuedConnection);
                });
        active = IsActiveNow();
    }
}

void TWinSkinForm::FollowMDIClient() {
    if (!handle || windowKind == TWindowKind::MDIChild || state == TFormState::Detaching ||
        state == TFormState::Finished)
        return;
    QMdiArea *area = FindMDIClient(handle);
    if (area == mdiClient && (windowKind == TWindowKind::MDIFrame) == (area != nullptr))
        return;
    ReleaseMDIClient();
    mdiClient = area;
    windowKind = area ? TWindowKind::MDIFrame : TWindowKind::Normal;
    AttachMDI();
    if (area && skinningFinished && manager)
        for (QMdiSubWindow *child : area->subWindowList())
            manager->SkinWindow(child);
    UpdateLayout();
    RepaintFrame();
}

void TWinSkinForm::ReleaseMDIClient() {
    if (!mdiClientFilter)
        return;
    mdiClientFilter->Restore();
    mdiClientFilter.reset();
    if (manager)
        manager->MDIClientGone(mdiClient);
}

bool TWinSkinForm::PlaceChanged() const {
    if (!handle)
        return false;
    if (windowKind == TWindowKind::MDIChild)
        return !IsMDIChild(handle);
    return IsMDIChild(handle) || handle->isWindow() == isChild;
}

QString TWinSkinForm::CaptionTitle() const {
    const QString own = ShownWindowTitle(handle);
    if (windowKind != TWindowKind::MDIFrame || !IsMDIChildMaximized(mdiClient))
        return own;
    const QString child = ShownWindowTitle(mdiClient->currentSubWindow());
    if (child.isEmpty())
        return own;
    return own.isEmpty() ? child : own + QStringLiteral(" - [") + child + QLatin1Char(']');
}

// The end of skinning an MDI child: a maximized one shows no frame (the area is repainted), a
// normal one is framed around its client, a minimized one shows its caption.
void TWinSkinForm::FinishMDIChild() {
    if (showState == TShowState::Normal) {
        state = TFormState::FixingSize;
        FixWindowSize(false);
        state = TFormState::Skinned;
        UpdateLayout();
        UpdateFormRegion();
        return;
    }
    ApplyClientMargins();
    if (showState == TShowState::Maximized)
        PostSkinMessage(MDIAreaOf(handle), SM_SKINMDI, 0, 0);
    else
        ArrangeMinimizedChildrenLater();
}

// The child was maximized, minimized or restored: its frame's inset follows, an outline is kept
// only while it is normal, and whether the children show maximized is settled again.
void TWinSkinForm::MDIChildStateChanged() {
    if (!frameSkinned || state == TFormState::Attached)
        return;
    ApplyClientMargins();
    if (showState != TShowState::Normal)
        ClearFormRegion();
    if (showState == TShowState::Minimized)
        ArrangeMinimizedChildrenLater();
    if (manager)
        manager->UpdateMDIChildMode(MDIAreaOf(handle));
    RepaintFrame();
}

void TWinSkinForm::MDIChildModeChanged(bool maximized) {
    if (!frameSkinned || state == TFormState::Attached)
        return;
    if (maximized) {
        ClearFormRegion();
        return;
    }
    if (showState == TShowState::Minimized)
        return;
    UpdateWindowState();
    UpdateLayout();
    ApplyClientMargins();
    UpdateFormRegion();
    RepaintFrame();
}

void TWinSkinForm::MDIFrameChanged() {
    UpdateLayout();
    RepaintFrame();
}

void TWinSkinForm::MDIChildCommand(WindowCommand command) {
    QMdiSubWindow *child = mdiClient ? mdiClient->currentSubWindow() : nullptr;
    if (!child)
        return;
    if (TWinSkinForm *skinned = manager ? manager->FindSkinnedWindow(child) : nullptr) {
        skinned->Commands().Post(command);
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [target = QPointer<QMdiSubWindow>(child), command] {
            if (target)
                TWindowCommands(target).Run(command);
        },
        Qt::QueuedConnection);
}

bool TWinSkinForm::OpenMDIChildSystemMenu(QPoint globalPos) {
    auto *child = qobject_cast<QMdiSubWindow *>(handle.data());
    if (!child || !child->systemMenu())
        return false;
    child->systemMenu()->popup(globalPos);
    return true;
}

void TWinSkinForm::SetMask(const QRegion &region) {
    const QRegion before = handle->mask().isEmpty() ? QRegion(handle->rect()) : handle->mask();
    handle->setMask(region);
    if (!handle->isWindow())
        RepaintBeneath(handle, (before - region).translated(handle->pos()));
}

void TWinSkinForm::KeepOutlineLater() {
    if (outlineQueued)
        return;
    outlineQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            outlineQueued = false;
            if (state == TFormState::Skinned || state == TFormState::Reapplying)
                UpdateFormRegion();
        },
        Qt::QueuedConnection);
}

void TWinSkinForm::ArrangeMinimizedChildrenLater() {
    if (arrangeScheduled)
        return;
    arrangeScheduled = true;
    QMetaObject::invokeMethod(this, &TWinSkinForm::ArrangeMinimizedChildren, Qt::QueuedConnection);
}

// A frameless child minimized by Qt has no size; a skinned one is as wide as the style's
// minimized children and as high as its caption, and the area's minimized children lie side by
// side along its bottom, as Qt lays them out.
void TWinSkinForm::ArrangeMinimizedChildren() {
    arrangeScheduled = false;
    QMdiArea *area = MDIAreaOf(handle);
    if (!area || showState != TShowState::Minimized)
        return;
    QList<QMdiSubWindow *> minimized;
    for (QMdiSubWindow *child : area->subWindowList(QMdiArea::CreationOrder))
        if (child->isMinimized())
            minimized.append(child);
    const QList<QRect> places =
        MinimizedChildPlaces(int(minimized.size()), MinimizedSize(), area->viewport()->rect(),
                             area->layoutDirection() == Qt::RightToLeft);
    for (qsizetype i = 0; i < minimized.size(); ++i)
        if (minimized.at(i)->geometry() != places.at(i))
            minimized.at(i)->setGeometry(places.at(i));
}

// Unskinning an MDI child: Qt's frame again around the same client.
// Out of its area (a window now), Qt frames and sizes it as a window.
void TWinSkinForm::RestoreMDIChildFrame(QSize client) {
    handle->overrideWindowFlags(FlagsToRestore());
    if (!handle->isWindow())
        handle->setContentsMargins(childOwnFrame);
    if (QLayout *own = handle->layout())
        own->setContentsMargins(savedLayoutMargins);
    appliedFrame = QMargins();
    ClearFormRegion();
    if (state == TFormState::Detaching || handle->isWindow())
        return;
    if (showState == TShowState::Normal)
        handle->resize(client + QSize(childOwnFrame.left() + childOwnFrame.right(),
                                      childOwnFrame.top() + childOwnFrame.bottom()));
    else if (showState == TShowState::Minimized)
        handle->resize(handle->minimumSizeHint());
}

} // namespace skin
