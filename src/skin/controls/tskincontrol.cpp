#include "skin/controls/tskincontrol.h"

#include "skin/controls/controldraw.h"
#include "skin/data/tskindata.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScopedValueRollback>

namespace skin {

std::optional<QPoint> PointerIn(const QWidget *widget) {
    if (!widget || !widget->isVisible())
        return std::nullopt;
    const QPoint global = QCursor::pos(widget->screen());
    const QWidget *under = QApplication::widgetAt(global);
    if (!under || (under != widget && !widget->isAncestorOf(under)))
        return std::nullopt;
    return widget->mapFromGlobal(global);
}

TSkinControl::TSkinControl(QWidget *control) : QObject(control), control(control) {}

TSkinControl::~TSkinControl() {
    // Runs inside the widget's destructor too: only the filter and the list are touched.
    if (control)
        control->removeEventFilter(this);
    if (skinForm)
        skinForm->UnregisterSkinControl(this);
}

TWinSkinForm *TSkinControl::SkinForm() const {
    return skinForm;
}

void TSkinControl::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (initialized || !control)
        return;
    changeColor = colour;
    skinData = data;
    skinForm = form;
    if (HooksEvents())
        control->installEventFilter(this);
    if (form) {
        form->RegisterSkinControl(this);
        // The window's object goes first: the widget gets its own look back.
        connect(form, &QObject::destroyed, this, [this] {
            Detach();
            deleteLater();
        });
    }
    if (changeColor) {
        SwitchParentBackground(true);
        ReapplyColor();
    }
    if (parentBackgroundWasOn)
        backgroundMode = BackgroundMode::Skin;
    control->update();
    initialized = true;
    skinState = SkinState::Attached;
}

void TSkinControl::Restore() {
    if (!control)
        return;
    if (autoFillSwitched) {
        control->setAutoFillBackground(true);
        autoFillSwitched = false;
    }
    if (changeColor)
        SwitchParentBackground(false);
    if (colourSaved) {
        control->setPalette(savedPaletteSet ? savedPalette : QPalette());
        colourSaved = false;
    }
}

void TSkinControl::SetPaletteColour(QPalette::ColorRole role, const QColor &colour) {
    if (!control)
        return;
    if (!colourSaved) {
        savedPalette = control->palette();
        savedPaletteSet = control->testAttribute(Qt::WA_SetPalette);
        colourSaved = true;
    }
    QPalette p = control->palette();
    p.setColor(role, colour);
    control->setPalette(p);
}

void TSkinControl::Detach() {
    if (skinState == SkinState::Detached)
        return;
    if (skinState == SkinState::Attached)
        Restore();
    skinState = SkinState::Detached;
    if (control) {
        control->removeEventFilter(this);
        control->update(); // the widget's own look, at once
    }
    if (skinForm)
        skinForm->UnregisterSkinControl(this);
    skinForm = nullptr;
}

void TSkinControl::ReapplyColor() {
    if (changeColor && control)
        if (const auto skin = Skin())
            SetPaletteColour(control->backgroundRole(), FaceColour(*skin));
    RefreshControl();
}

void TSkinControl::SwitchParentBackground(bool on) {
    if (!control || (skinData && skinData->Options().testFlag(TSkinData::xoParentBackGround)))
        return;
    if (on) {
        // A widget that paints no background of its own shows its parent's.
        parentBackgroundWasOn = !control->autoFillBackground();
        savedAutoFill = control->autoFillBackground();
        if (parentBackgroundWasOn)
            control->setAutoFillBackground(true);
    } else if (parentBackgroundWasOn) {
        control->setAutoFillBackground(savedAutoFill);
    }
}

bool TSkinControl::eventFilter(QObject *watched, QEvent *event) {
    if (watched != control || inOldProc || skinState != SkinState::Attached)
        return false;
    if (event->type() == QEvent::Type(SM_SKINENABLE)) {
        skinEnabled = static_cast<SkinMessageEvent *>(event)->wParam > 0;
        RefreshControl(); // either way the widget shows its new look at once
        return true;
    }
    if (!skinEnabled || !KindSwitchedOn())
        return false;
    if (BeforeMessage(event) == Message::Eaten)
        return true;
    if (event->type() == QEvent::Paint) {
        CallOldProc(event);
        AfterMessage(event);
        return true;
    }
    AfterMessage(event);
    return false;
}

bool TSkinControl::KindSwitchedOn() const {
    const TSkinData::TSkinControlTypes kind = KindSwitch();
    return !kind || (skinData && (skinData->SkinControls() & kind));
}

bool TSkinControl::Active() const {
    return skinState == SkinState::Attached && skinEnabled && KindSwitchedOn();
}

TSkinControl::Message TSkinControl::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Type(SM_SKINQUERY)) {
        static_cast<SkinMessageEvent *>(event)->result = 1;
        return Message::Eaten;
    }
    return Message::PassOn;
}

void TSkinControl::AfterMessage(QEvent *event) {
    switch (event->type()) {
    case QEvent::Paint:
        Paint();
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        RefreshControl();
        break;
    default:
        break;
    }
}

bool TSkinControl::CallOldProc(QEvent *event) {
    const QScopedValueRollback<bool> guard(inOldProc, true);
    return QCoreApplication::sendEvent(control, event);
}

void TSkinControl::Paint(QPainter *dc) {
    if (!control)
        return;
    const QRect rect = control->rect();
    const ControlState state = ReadControlState();
    if (dc) {
        DrawControl(*dc, rect, state);
    } else {
        QPainter painter(control);
        DrawControl(painter, rect, state);
    }
}

void TSkinControl::PaintMessage() {
    Paint();
}

void TSkinControl::DrawControl(QPainter &, const QRect &, const ControlState &) {}

void TSkinControl::RefreshControl() {
    if (control)
        control->update();
}

ControlState TSkinControl::ReadControlState() const {
    ControlState state;
    state.mouse = mouseState;
    if (control) {
        state.enabled = control->isEnabled();
        state.focused = control->hasFocus();
    }
    return state;
}

std::shared_ptr<const SkinObjects> TSkinControl::Skin() const {
    return skinData ? skinData->Objects() : nullptr;
}

QColor TSkinControl::FaceColour(const SkinObjects &skin) const {
    return SystemColour(skin.ButtonFace);
}

QColor TSkinControl::SystemColour(SkinColor c) const {
    return control ? SkinToQColor(c, control->palette()) : SkinToQColor(c);
}

void TSkinControl::FillSkinColor(QPainter &dc, const QRect &rect, const SkinObjects &skin) const {
    dc.fillRect(rect, FaceColour(skin));
}

void TSkinControl::DrawTextFocusRect(QPainter &dc, const QString &text,
                                     const SkinTextFormat &format, const QRect &rect) {
    QRect r = rect;
    SkinDrawText(dc, text, r, format.measuring());
    if (format.align & Qt::AlignHCenter)
        r.translate((rect.width() - r.width()) / 2, (rect.height() - r.height()) / 2 - 1);
    else if (format.align & Qt::AlignRight)
        r.translate(rect.width() - r.width(), 0);
    r.adjust(-2, -1, 2, 1);
    r = r.intersected(rect);
    DrawFocusRect(dc, r);
}

QImage &TSkinControl::WorkBitmap(const QSize &size) {
    const qreal dpr = control ? control->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(size) * dpr).toSize();
    if (bitmap.size() != pixels)
        bitmap = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    bitmap.setDevicePixelRatio(dpr);
    bitmap.fill(Qt::transparent);
    return bitmap;
}

void TSkinControl::InitTransparent() {
    transparent = TagOf(control) == TransparentTag ||
                  (skinData && skinData->Options().testFlag(TSkinData::xoTransparent));
    if (transparent && control && control->autoFillBackground()) {
        control->setAutoFillBackground(false);
        autoFillSwitched = true;
    }
}

} // namespace skin
