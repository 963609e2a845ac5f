#include "skin/window/twinskinform.h"

#include "skin/data/tdataskinborder.h"
#include "skin/data/tskindata.h"
#include "skin/draw/keyedblit.h"
#include "skin/draw/skincolor.h"
#include "skin/window/mdifacts.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tcontrollayer.h"
#include "skin/window/tmdiclient.h"
#include "skin/window/tmenulayer.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinsysbutton.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLayout>
#include <QMdiArea>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace skin {

namespace {

bool HasKeyedBorder(const SkinObjects &skin) {
    return skin.Left->Trans == 1 || skin.Right->Trans == 1 || skin.Top->Trans == 1 ||
           skin.Bottom->Trans == 1;
}

} // namespace

TWinSkinForm::TWinSkinForm(QWidget *window, TSkinManage *owner, const QString &className)
    : handle(window), manager(owner), windowClass(className), commands(window), mouse(*this) {
    connect(&commands, &TWindowCommands::ShowStateChanged, this, [this] {
        UpdateWindowState();
        UpdateLayout();
        RepaintFrame();
    });
    if (window)
        connect(window, &QObject::destroyed, this, [this] {
            state = TFormState::Detaching;
            DetachWindow();
            state = TFormState::Finished;
            if (manager)
                manager->SchedulePurge();
        });
}

TWinSkinForm::~TWinSkinForm() {
    ReleaseWindow();
    const QList<QPointer<QObject>> owned = std::exchange(controls, {});
    for (const QPointer<QObject> &control : owned)
        if (control)
            control->deleteLater();
}

QWidget *TWinSkinForm::Handle() const {
    return handle;
}

QWidget *TWinSkinForm::Form() const {
    return form;
}

void TWinSkinForm::InitSkinForm(TSkinData *data, QWidget *window) {
    form = window;
    if (data)
        emit data->OnBeforeSkinForm(window, windowClass);
    InitSkinWindow(data);
}

void TWinSkinForm::InitSkinWindow(TSkinData *data) {
    if (!handle || skinningFinished || state != TFormState::Attached || skinData)
        return;
    if (manager)
        manager->SetStarted(1);
    skinData = data;
    styleAtAttach = handle->windowFlags();
    rightToLeft = handle->layoutDirection() == Qt::RightToLeft;
    isChild = !handle->isWindow();
    if (QMdiArea *area = FindMDIClient(handle)) {
        windowKind = TWindowKind::MDIFrame;
        mdiClient = area;
    } else if (IsMDIChild(handle)) {
        windowKind = TWindowKind::MDIChild;
    }
    // An MDI child keeps Qt's frame where the component asks for it.
    frameSkinned = data && data->SkinControls().testFlag(TSkinData::xcMainMenu) &&
                   !(windowKind == TWindowKind::MDIChild &&
                     data->Options().testFlag(TSkinData::xoMDIChildBorder));
    captionButtonSet = {};
    captionButtonSet.setFlag(TCaptionButton::Close, FlagsHaveSystemMenu(styleAtAttach));
    captionButtonSet.setFlag(TCaptionButton::Minimize, FlagsHaveMinimize(styleAtAttach));
    captionButtonSet.setFlag(TCaptionButton::Maximize, FlagsHaveMaximize(styleAtAttach));
    systemMenu = FlagsHaveSystemMenu(styleAtAttach);
    UpdateWindowState();
    frameKind = !FlagsHaveCaption(styleAtAttach) ? TFrameKind::NoCaption
                : IsSizableWindow(handle)        ? TFrameKind::Sizable
                                                 : TFrameKind::Fixed;
    isDialog = IsSystemDialogClass(handle);
    if (isDialog || IsDialogFrameForm(handle))
        frameKind = TFrameKind::Dialog;

    savedMargins = handle->contentsMargins();
    if (windowKind == TWindowKind::MDIChild && frameSkinned) {
        // Qt draws a child's frame inside it: what lies within that frame is its client.
        childOwnFrame = std::exchange(savedMargins, QMargins());
        appliedFrame = childOwnFrame;
        if (const QLayout *own = handle->layout())
            savedLayoutMargins = own->contentsMargins();
    }
    savedHover = handle->testAttribute(Qt::WA_Hover);
    savedOwnPalette = handle->testAttribute(Qt::WA_SetPalette);
    savedPalette = handle->palette();
    handle->installEventFilter(this);
    handle->setAttribute(Qt::WA_Hover);
    // An MDI child's Alt+Space would be its frame's too (neither would open).
    if (windowKind != TWindowKind::MDIChild)
        systemMenuShortcut =
            handle->grabShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), Qt::WindowShortcut);
    SetSkin(data);
    if (skin) {
        QPalette palette = handle->palette();
        palette.setColor(QPalette::Window, SkinToQColor(skin->ButtonFace, palette));
        handle->setPalette(palette);
    }
    AttachMDI();
    if (!frameSkinned) {
        state = TFormState::Skinned;
        return;
    }
    if (frameKind != TFrameKind::NoCaption) {
        const Qt::WindowFlags frameless = styleAtAttach | Qt::FramelessWindowHint;
        handle->overrideWindowFlags(frameless);
        if (QWindow *window = handle->windowHandle())
            window->setFlags(frameless);
        // Where the window has an alpha channel, or a compositor that does not shape windows
        // gives it one, its key-coloured corners are see-through as well as cut by the mask.
        const QWindow *window = handle->windowHandle();
        translucent = skin && HasKeyedBorder(*skin) && window &&
                      (window->format().hasAlpha() || CompositorOwnsWindows());
        savedTranslucent = handle->testAttribute(Qt::WA_TranslucentBackground);
        if (translucent)
            handle->setAttribute(Qt::WA_TranslucentBackground);
        WatchDialogMapping();
        TMenuLayer *layer = manager ? manager->MenuLayer() : nullptr;
        if (layer && windowKind != TWindowKind::MDIChild)
            menuBar = layer->CreateMenuBar(*this);
        if (menuBar)
            SetMenuBarHeight(menuBar->Height());
    }
    if (windowKind == TWindowKind::MDIChild) {
        // A child keeps the height of Qt's caption above its client where the skin's is lower.
        SetMenuBarHeight(std::max(0, childOwnFrame.top() - layout.Metrics().top()));
        if (showState == TShowState::Maximized && manager && !manager->MDIMaximizedMode())
            manager->SetMDIChildMode(true);
    }
}

void TWinSkinForm::SetSkin(TSkinData *data) {
    if (data)
        skinData = data;
    skin = SkinObjectsOf(skinData);
    mouse.Reset();
    buttons.clear();
    painter.Clear();
    if (menuBar)
        menuBar->SetSkin(skin);
    if (!skin) {
        layout = TFrameLayout();
        return;
    }
    captionFont = TFrameLayout::CaptionFont(*skin);
    for (const auto &button : skin->TitleButtons)
        buttons.push_back(
            std::make_unique<TWinSysButton>(mouse.Tracker(), *button, [this](const QRect &rect) {
                if (CanPaintFrame())
                    handle->update(rect);
            }));
    BuildIconImage();
    UpdateLayout();
}

void TWinSkinForm::DropSkin() {
    skinData = nullptr;
    SetSkin();
}

bool TWinSkinForm::IsSizable() const {
    return handle && showState == TShowState::Normal && IsSizableWindow(handle);
}

QSize TWinSkinForm::ClientSize() const {
    if (!handle)
        return QSize();
    return handle->size() - QSize(appliedFrame.left() + appliedFrame.right(),
                                  appliedFrame.top() + appliedFrame.bottom());
}

void TWinSkinForm::ShiftUnmanagedChildren(QPoint by) {
    if (!handle || by.isNull() || handle->layout())
        return;
    for (QObject *child : handle->children())
        if (child->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(child);
            if (!widget->isWindow())
                widget->move(widget->pos() + by);
        }
}

void TWinSkinForm::ApplyClientMargins() {
    if (!handle)
        return;
    const QMargins &m = layout.Metrics();
    const QMargins extra = FrameInset()
                               ? QMargins(m.left(), m.top() + menuBarHeight, m.right(), m.bottom())
                               : QMargins();
    if (windowKind == TWindowKind::MDIChild) {
        handle->setContentsMargins(QMargins());
        if (QLayout *own = handle->layout())
            own->setContentsMargins(savedLayoutMargins + extra);
        appliedFrame = extra;
        return;
    }
    ShiftUnmanagedChildren(
        QPoint(extra.left() - appliedFrame.left(), extra.top() - appliedFrame.top()));
    handle->setContentsMargins(savedMargins + extra);
    appliedFrame = extra;
}

void TWinSkinForm::SetMenuBarHeight(int height) {
    if (menuBarHeight == height)
        return;
    menuBarHeight = height;
    UpdateLayout();
    if (state != TFormState::Attached && frameSkinned) {
        FixWindowSize(true);
        RepaintFrame();
    }
}

void TWinSkinForm::FixWindowSize(bool useClientRect) {
    FixWindowSize(useClientRect, std::nullopt);
}

void TWinSkinForm::FixWindowSize(bool useClientRect, std::optional<QRect> before) {
    if (!handle || !skin)
        return;
    if (showState == TShowState::Maximized) {
        ApplyClientMargins();
        handle->update();
        return;
    }
    const QSize client = ClientSize();
    const QMargins &m = layout.Metrics();
    int width = client.width() + m.left() + m.right();
    // Before the frame is first applied the client still holds the native menu bar, which the
    // frame's strip replaces.
    const int nativeBar = menuBar && appliedFrame.isNull() ? menuBarHeight : 0;
    const int height = client.height() + m.top() + m.bottom() + menuBarHeight - nativeBar;
    if (isDialog && !useClientRect) {
        captionTextWidth = QFontMetrics(captionFont).horizontalAdvance(ShownWindowTitle(handle));
        const int needed = skin->Title->LeftWidth + captionTextWidth + skin->Title->RightWidth;
        if (width < needed) {
            ShiftUnmanagedChildren(QPoint((needed - width) / 2, 0));
            width = needed;
        }
    }
    ApplyClientMargins();
    const QSize size(width, height);
    const QRect target =
        before ? TDialogPlacement::Refitted(*before, size, placement.CallerPlaced(), WorkArea())
               : QRect(handle->pos(), size);
    const QScopedValueRollback<bool> sizing(sizingHere, true);
    const bool fixed = handle->minimumSize() == handle->maximumSize();
    if (fixed && !sizeFixed) {
        savedMinimumSize = handle->minimumSize();
        savedMaximumSize = handle->maximumSize();
        sizeFixed = true;
    }
    if (target.topLeft() == handle->pos()) {
        if (fixed)
            handle->setFixedSize(size);
        else
            handle->resize(size);
        return;
    }
    // Moved and sized in one step (a fixed size let go of just as far as that takes); the
    // window's place stays its caller's or Qt's as it was.
    const bool moved = handle->testAttribute(Qt::WA_Moved);
    if (fixed) {
        handle->setMinimumSize(handle->size().boundedTo(size));
        handle->setMaximumSize(handle->size().expandedTo(size));
    }
    handle->setGeometry(target);
    if (fixed)
        handle->setFixedSize(size);
    handle->setAttribute(Qt::WA_Moved, moved);
    placement.Placed(target.topLeft());
}

void TWinSkinForm::ReapplySkin() {
    if (!handle || !skin)
        return;
    QPalette palette = handle->palette();
    palette.setColor(QPalette::Window, SkinToQColor(skin->ButtonFace, palette));
    handle->setPalette(palette);
    if (TControlLayer *layer = manager ? manager->ControlLayer() : nullptr)
        for (const QPointer<QObject> &control : std::as_const(controls))
            if (control)
                layer->ReapplyColor(control);
    state = TFormState::Reapplying;
    if (frameSkinned && frameKind != TFrameKind::NoCaption) {
        FixWindowSize(true);
        if (QLayout *own = handle->layout())
            own->activate();
        UpdateLayout();
        UpdateFormRegion();
    }
    handle->update();
    FireAfterSkin();
    state = TFormState::Skinned;
}

void TWinSkinForm::ReleaseWindow() {
    mouse.Reset();
    mdiClientFilter.reset();
    if (mappingDialog)
        mappingDialog->removeEventFilter(this);
    if (!handle)
        return;
    handle->removeEventFilter(this);
    if (systemMenuShortcut)
        handle->releaseShortcut(std::exchange(systemMenuShortcut, 0));
}

void TWinSkinForm::UnskinWindow() {
    ReleaseMDIClient();
    ReleaseWindow();
    buttons.clear();
    // The native menu bar comes back inside the client.
    const int nativeBar = menuBar ? menuBarHeight : 0;
    if (menuBar) {
        menuBar->Restore();
        menuBar.reset();
    }
    FreeControlSkins();
    if (!handle)
        return;
    if (state != TFormState::Detaching)
        handle->setPalette(savedOwnPalette ? savedPalette : QPalette());
    handle->setAttribute(Qt::WA_Hover, savedHover);
    if (translucent && !savedTranslucent) {
        handle->setAttribute(Qt::WA_TranslucentBackground, false);
        handle->setAttribute(Qt::WA_NoSystemBackground, false);
    }
    translucent = false;
    if (frameSkinned && frameKind != TFrameKind::NoCaption && windowKind == TWindowKind::MDIChild) {
        RestoreMDIChildFrame(ClientSize());
    } else if (frameSkinned && frameKind != TFrameKind::NoCaption) {
        const QSize client = ClientSize();
        handle->overrideWindowFlags(FlagsToRestore());
        if (QWindow *window = handle->isWindow() ? handle->windowHandle() : nullptr) {
            window->setFlags(FlagsToRestore());
            window->unsetCursor();
        }
        ShiftUnmanagedChildren(-QPoint(appliedFrame.left(), appliedFrame.top()));
        handle->setContentsMargins(savedMargins);
        appliedFrame = QMargins();
        if (sizeFixed) {
            handle->setMinimumSize(savedMinimumSize);
            handle->setMaximumSize(savedMaximumSize);
            sizeFixed = false;
        }
        if (state != TFormState::Detaching && !isChild && handle->isWindow() &&
            !commands.IsMaximized())
            handle->resize(client + QSize(0, nativeBar));
        ClearFormRegion();
    }
    handle->update();
}

Qt::WindowFlags TWinSkinForm::FlagsToRestore() const {
    return (styleAtAttach & ~Qt::WindowType_Mask) | handle->windowType();
}

void TWinSkinForm::DetachWindow() {
    ReleaseWindow();
    menuBar.reset();
    const QList<QPointer<QObject>> owned = std::exchange(controls, {});
    for (const QPointer<QObject> &control : owned)
        if (control)
            control->deleteLater();
}

void TWinSkinForm::RegisterSkinControl(QObject *control) {
    if (control && !controls.contains(control))
        controls.append(control);
}

void TWinSkinForm::UnregisterSkinControl(QObject *control) {
    for (qsizetype i = controls.size() - 1; i >= 0; --i)
        if (controls.at(i) == control) {
            controls.removeAt(i);
            return;
        }
}

void TWinSkinForm::FreeFinishedControls() {
    controls.removeIf([](const QPointer<QObject> &control) { return control.isNull(); });
}

void TWinSkinForm::FreeControlSkins() {
    TControlLayer *layer = manager ? manager->ControlLayer() : nullptr;
    const QList<QPointer<QObject>> owned = std::exchange(controls, {});
    for (const QPointer<QObject> &control : owned) {
        if (!control)
            continue;
        if (layer)
            layer->RestoreControl(control);
        else
            control->deleteLater();
    }
}

void TWinSkinForm::FireAfterSkin() {
    SendSkinMessage(handle, SM_SKINAPPLIED, 0, SkinSignature);
    if (skinData)
        emit skinData->OnAfterSkinForm(form, windowClass);
}

void TWinSkinForm::BuildIconImage() {
    iconSize = handle ? std::max(1, handle->style()->pixelMetric(QStyle::PM_SmallIconSize)) : 16;
    icon = handle ? handle->windowIcon() : QIcon();
    iconImage = QImage(iconSize, iconSize, QImage::Format_RGB32);
    iconImage.fill(KeyColor);
    if (!icon.isNull()) {
        QPainter iconPainter(&iconImage);
        icon.paint(&iconPainter, iconImage.rect());
    } else if (skinData && !skinData->CaptionIcon.isNull()) {
        iconImage = skinData->CaptionIcon.scaled(iconSize, iconSize);
    }
}

} // namespace skin
