#include "skin/window/twinskinform.h"

#include "skin/data/tskindata.h"
#include "skin/draw/keyedblit.h"
#include "skin/draw/skincolor.h"
#include "skin/window/keyedframes.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tcontrollayer.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinsysbutton.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLayout>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace skin {

namespace {

// A border thicker than this is no frame; the skin is taken at this thickness.
constexpr int MaxFrameThickness = 256;

int Thickness(int length, int frameCount) {
    return std::clamp(length / std::max(1, frameCount), 0, MaxFrameThickness);
}

} // namespace

TWinSkinForm::TWinSkinForm(QWidget *window, TSkinManage *owner) : Handle(window), manager(owner) {
    HotTimer.setInterval(250);
    connect(&HotTimer, &QTimer::timeout, this, &TWinSkinForm::HotTrackTimer);
    DoubleClickTime = QApplication::doubleClickInterval();
    if (window)
        connect(window, &QObject::destroyed, this, [this] {
            State = StateDetaching;
            DetachWindow();
            State = StateFinished;
            if (manager)
                manager->SchedulePurge();
        });
}

TWinSkinForm::~TWinSkinForm() {
    if (Handle)
        Handle->removeEventFilter(this);
    FreeNCObjects();
    if (manager)
        manager->RemoveWindow(this);
}

void TWinSkinForm::InitSkinForm(TSkinData *data, QWidget *form) {
    Form = form;
    if (data)
        emit data->OnBeforeSkinForm(form, WindowClass);
    InitSkinWindow(data);
}

void TWinSkinForm::InitSkinWindow(TSkinData *data) {
    if (!Handle || Finished || State != StateAttached || SkinData)
        return;
    if (manager)
        manager->SetStarted(1);
    SkinData = data;
    Skin = SkinObjectsOf(data);
    FrameSkinned = data && data->SkinControls().testFlag(TSkinData::xcMainMenu);

    StyleAtAttach = Handle->windowFlags();
    RightToLeft = Handle->layoutDirection() == Qt::RightToLeft;
    IsChild = !Handle->isWindow();
    OwnerWindow = Handle->parentWidget();
    CaptionButtonSet = 0;
    if (FlagsHaveSystemMenu(StyleAtAttach))
        CaptionButtonSet |= cbClose;
    if (FlagsHaveMinimize(StyleAtAttach))
        CaptionButtonSet |= cbMinimize;
    if (FlagsHaveMaximize(StyleAtAttach))
        CaptionButtonSet |= cbMaximize;
    SystemMenu = FlagsHaveSystemMenu(StyleAtAttach);
    UpdateWindowState();
    Sizable = IsSizableWindow(Handle);
    FrameKind = !FlagsHaveCaption(StyleAtAttach) ? FrameNone : Sizable ? FrameSizable : FrameFixed;
    if (IsDialogFrameForm(Handle))
        FrameKind = FrameDialog;
    IsDialog = IsSystemDialogClass(Handle);
    if (IsDialog)
        FrameKind = FrameDialog;

    savedMargins = Handle->contentsMargins();
    savedMouseTracking = Handle->hasMouseTracking();
    savedOwnPalette = Handle->testAttribute(Qt::WA_SetPalette);
    savedPalette = Handle->palette();
    Handle->installEventFilter(this);
    Handle->setMouseTracking(true);
    systemMenuShortcut =
        Handle->grabShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), Qt::WindowShortcut);
    if (Skin) {
        QPalette palette = Handle->palette();
        palette.setColor(QPalette::Window, SkinToQColor(Skin->ButtonFace, palette));
        Handle->setPalette(palette);
    }

    if (!FrameSkinned) {
        State = StateSkinned;
        return;
    }
    SetCaptionStyle(false);
    CalcFrameMetrics();
    if (FrameKind != FrameNone) {
        const Qt::WindowFlags frameless = StyleAtAttach | Qt::FramelessWindowHint;
        Handle->overrideWindowFlags(frameless);
        if (QWindow *window = Handle->windowHandle())
            window->setFlags(frameless);
    }
}

void TWinSkinForm::CalcFrameMetrics() {
    Skin = SkinObjectsOf(SkinData);
    if (!Skin)
        return;
    frameImages.Clear();
    if (FrameKind == FrameNone) {
        FrameMetrics = QMargins();
        MenuBarHeight = 0;
    } else {
        FrameMetrics = QMargins(Thickness(Skin->Left->Image.width(), Skin->Left->Frame),
                                Thickness(Skin->Top->Image.height(), Skin->Top->Frame),
                                Thickness(Skin->Right->Image.width(), Skin->Right->Frame),
                                Thickness(Skin->Bottom->Image.height(), Skin->Bottom->Frame));
    }
    FreeNCObjects();
    CaptionButtonCount = int(Skin->TitleButtons.size());
    for (const auto &button : Skin->TitleButtons) {
        CaptionButtons.push_back(std::make_unique<TWinSysButton>(this, button.get()));
        if (CaptionButtons.back()->ShowsWindowIcon())
            BuildIconImage();
    }
}

void TWinSkinForm::FreeNCObjects() {
    HotObject = nullptr;
    pressedObject = nullptr;
    CaptionButtons.clear();
}

void TWinSkinForm::DropSkin() {
    Skin = nullptr;
    FreeNCObjects();
    frameImages.Clear();
}

QSize TWinSkinForm::ClientSize() const {
    if (!Handle)
        return QSize();
    return Handle->size() - QSize(appliedFrame.left() + appliedFrame.right(),
                                  appliedFrame.top() + appliedFrame.bottom());
}

void TWinSkinForm::StoreClientRect() {
    ClientRect = ClientSize();
}

void TWinSkinForm::ShiftUnmanagedChildren(QPoint by) {
    if (!Handle || by.isNull() || Handle->layout())
        return;
    for (QObject *child : Handle->children())
        if (child->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(child);
            if (!widget->isWindow())
                widget->move(widget->pos() + by);
        }
}

void TWinSkinForm::ApplyClientMargins() {
    if (!Handle)
        return;
    const QMargins extra = FrameKind == FrameNone
                               ? QMargins()
                               : QMargins(FrameMetrics.left(), FrameMetrics.top() + MenuBarHeight,
                                          FrameMetrics.right(), FrameMetrics.bottom());
    ShiftUnmanagedChildren(
        QPoint(extra.left() - appliedFrame.left(), extra.top() - appliedFrame.top()));
    Handle->setContentsMargins(savedMargins + extra);
    appliedFrame = extra;
}

void TWinSkinForm::FrameChanged() {
    ApplyClientMargins();
    if (Handle)
        Handle->update();
}

void TWinSkinForm::FixWindowSize(bool useClientRect) {
    if (!Handle)
        return;
    if (ShowState == ShowMaximized) {
        FrameChanged();
        return;
    }
    ClientRect = ClientSize();
    int width = ClientRect.width() + FrameMetrics.left() + FrameMetrics.right();
    const int height =
        ClientRect.height() + FrameMetrics.top() + FrameMetrics.bottom() + MenuBarHeight;
    if (IsDialog && !useClientRect && Skin) {
        CaptionText = ShownWindowTitle(Handle);
        CaptionTextWidth = QFontMetrics(CaptionFont()).horizontalAdvance(CaptionText);
        const int needed = Skin->Title->LeftWidth + CaptionTextWidth + Skin->Title->RightWidth;
        if (width < needed) {
            ShiftUnmanagedChildren(QPoint((needed - width) / 2, 0));
            width = needed;
        }
    }
    ApplyClientMargins();
    // A window that fits itself to its layout (a message box) does so now, not after the size
    // below is set.
    QCoreApplication::sendPostedEvents(Handle, QEvent::LayoutRequest);
    const QSize size(width, height);
    if (Handle->minimumSize() == Handle->maximumSize()) {
        if (!sizeFixed) {
            savedMinimumSize = Handle->minimumSize();
            savedMaximumSize = Handle->maximumSize();
            sizeFixed = true;
        }
        Handle->setFixedSize(size);
    } else {
        Handle->resize(size);
    }
}

void TWinSkinForm::ReapplySkin() {
    if (!Handle)
        return;
    Skin = SkinObjectsOf(SkinData);
    if (!Skin)
        return;
    QPalette palette = Handle->palette();
    palette.setColor(QPalette::Window, SkinToQColor(Skin->ButtonFace, palette));
    Handle->setPalette(palette);
    if (TControlLayer *layer = manager ? manager->ControlLayer() : nullptr)
        for (const QPointer<QObject> &control : std::as_const(controlSkins))
            if (control)
                layer->ReapplyColor(control);
    State = StateReapplying;
    if (FrameSkinned && FrameKind != FrameNone) {
        FixWindowSize(true);
        if (QLayout *layout = Handle->layout())
            layout->activate();
        UpdateFormRegion();
    }
    Handle->update();
    FireAfterSkin();
    State = StateSkinned;
}

void TWinSkinForm::UnskinWindow() {
    HotTimer.stop();
    drag.Release();
    FreeNCObjects();
    if (Handle) {
        Handle->removeEventFilter(this);
        if (systemMenuShortcut)
            Handle->releaseShortcut(std::exchange(systemMenuShortcut, 0));
    }
    FreeControlSkins();
    if (!Handle)
        return;
    if (State != StateDetaching)
        Handle->setPalette(savedOwnPalette ? savedPalette : QPalette());
    Handle->setMouseTracking(savedMouseTracking);
    if (FrameSkinned && FrameKind != FrameNone) {
        const QSize client = ClientSize();
        Handle->overrideWindowFlags(StyleAtAttach);
        if (QWindow *window = Handle->windowHandle()) {
            window->setFlags(StyleAtAttach);
            window->unsetCursor();
        }
        ShiftUnmanagedChildren(-QPoint(appliedFrame.left(), appliedFrame.top()));
        Handle->setContentsMargins(savedMargins);
        appliedFrame = QMargins();
        if (sizeFixed) {
            Handle->setMinimumSize(savedMinimumSize);
            Handle->setMaximumSize(savedMaximumSize);
            sizeFixed = false;
        }
        if (State != StateDetaching && !IsChild && !Handle->isMaximized())
            Handle->resize(client);
        ClearFormRegion();
    }
    Handle->update();
}

void TWinSkinForm::DetachWindow() {
    HotTimer.stop();
    drag.Release();
    if (Handle) {
        Handle->removeEventFilter(this);
        if (systemMenuShortcut)
            Handle->releaseShortcut(std::exchange(systemMenuShortcut, 0));
    }
    const QList<QPointer<QObject>> controls = std::exchange(controlSkins, {});
    for (const QPointer<QObject> &control : controls)
        if (control)
            control->deleteLater();
}

void TWinSkinForm::RegisterSkinControl(QObject *control) {
    if (control && !controlSkins.contains(control))
        controlSkins.append(control);
}

void TWinSkinForm::UnregisterSkinControl(QObject *control) {
    for (qsizetype i = controlSkins.size() - 1; i >= 0; --i)
        if (controlSkins.at(i) == control) {
            controlSkins.removeAt(i);
            return;
        }
}

void TWinSkinForm::FreeFinishedControls() {
    controlSkins.removeIf([](const QPointer<QObject> &control) { return control.isNull(); });
}

void TWinSkinForm::FreeControlSkins() {
    TControlLayer *layer = manager ? manager->ControlLayer() : nullptr;
    const QList<QPointer<QObject>> controls = std::exchange(controlSkins, {});
    for (const QPointer<QObject> &control : controls) {
        if (!control)
            continue;
        if (layer)
            layer->RestoreControl(control);
        else
            control->deleteLater();
    }
}

void TWinSkinForm::FireAfterSkin() {
    SendSkinMessage(Handle, SM_SKINAPPLIED, 0, SkinSignature);
    if (SkinData)
        emit SkinData->OnAfterSkinForm(Form, WindowClass);
}

void TWinSkinForm::BuildIconImage() {
    IconSize = Handle ? std::max(1, Handle->style()->pixelMetric(QStyle::PM_SmallIconSize)) : 16;
    IconHandle = Handle ? Handle->windowIcon() : QIcon();
    IconImage = QImage(IconSize, IconSize, QImage::Format_RGB32);
    IconImage.fill(KeyColor);
    if (!IconHandle.isNull()) {
        QPainter painter(&IconImage);
        IconHandle.paint(&painter, IconImage.rect());
    }
}

void TWinSkinForm::DrawWindowIcon(QPainter &painter, const QRect &rect) const {
    if (!IconHandle.isNull())
        IconHandle.paint(&painter, QRect(rect.topLeft(), QSize(IconSize, IconSize)));
    else if (!IconImage.isNull())
        painter.drawImage(rect.topLeft(), KeyedFrame(IconImage, 1, 1, false));
}

} // namespace skin
