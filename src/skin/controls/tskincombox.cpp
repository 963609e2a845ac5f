#include "skin/controls/tskincombox.h"

#include "skin/controls/controldraw.h"
#include "skin/controls/tskinedit.h"
#include "skin/controls/twscrollbar.h"
#include "skin/data/skinmetrics.h"
#include "skin/data/tdataskinborder.h"
#include "skin/draw/drawprimitives.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHoverEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace skin {

namespace {

QStyleOptionComboBox ComboOption(const QComboBox *combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.iconSize = combo->iconSize();
    option.subControls = QStyle::SC_All;
    if (combo->currentIndex() >= 0) {
        option.currentText = combo->currentText();
        option.currentIcon = combo->itemIcon(combo->currentIndex());
    } else {
        option.currentText = combo->placeholderText();
        option.palette.setColor(QPalette::ButtonText,
                                option.palette.color(QPalette::PlaceholderText));
    }
    return option;
}

} // namespace

int ComboStateFrame(bool enabled, bool focused, bool hot, bool pressed, bool flat) {
    if (!enabled && !(flat && (pressed || hot)))
        return 3;
    if (pressed)
        return 2;
    return hot || focused ? 4 : 1;
}

bool ComboButtonHot(bool enabled, const std::optional<QPoint> &pointer, const QRect &button) {
    return enabled && pointer && button.contains(*pointer);
}

TSkinComBox::TSkinComBox(QComboBox *combo) : TSkinControl(combo) {}

QComboBox *TSkinComBox::Combo() const {
    return qobject_cast<QComboBox *>(Control());
}

void TSkinComBox::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    QComboBox *combo = Combo();
    if (!combo)
        return;
    if (QLineEdit *edit = combo->lineEdit())
        edit->installEventFilter(this);
    popup = combo->view()->window();
    popup->installEventFilter(this);
    dropList = new TWScrollbar(this, combo->view()->verticalScrollBar(), TSkinData::xcCombo, false);
}

bool TSkinComBox::HasComboImage() const {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    return skin && skin->ComboButton && skin->ComboButton->HasImage();
}

QRect TSkinComBox::ButtonZone() const {
    const QComboBox *combo = Combo();
    const QStyleOptionComboBox option = ComboOption(combo);
    return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow,
                                          combo);
}

void TSkinComBox::SetMouse(MouseStates state) {
    if (state == MouseState())
        return;
    SetMouseState(state);
    RefreshControl();
}

void TSkinComBox::UpdateHot(const std::optional<QPoint> &pointer) {
    const bool hot = ComboButtonHot(Control()->isEnabled(), pointer, ButtonZone());
    SetMouse(MouseState().setFlag(MouseFlag::Hot, hot));
}

bool TSkinComBox::eventFilter(QObject *watched, QEvent *event) {
    QComboBox *combo = Combo();
    if (combo && watched != Control()) {
        if (State() != SkinState::Attached)
            return false;
        const QEvent::Type type = event->type();
        if (watched == popup && type == QEvent::Hide) {
            SetMouse(MouseState() & ~MouseStates(MouseFlag::Pressed)); // the list took the release
            UpdateHot(PointerIn(combo));
        } else if (watched == combo->lineEdit() &&
                   (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick))
            SetMouse(MouseState() | MouseFlag::Pressed);
        else if (watched == combo->lineEdit() && type == QEvent::MouseButtonRelease)
            SetMouse(MouseState() & ~MouseStates(MouseFlag::Pressed));
        return false;
    }
    return TSkinControl::eventFilter(watched, event);
}

TSkinControl::Message TSkinComBox::BeforeMessage(QEvent *event) {
    const QComboBox *combo = Combo();
    if (event->type() == QEvent::Paint && combo && !combo->isEditable() && HasComboImage()) {
        PaintMessage(); // a drop-down list: the skin and the style's label
        return Message::Eaten;
    }
    return TSkinControl::BeforeMessage(event);
}

void TSkinComBox::AfterMessage(QEvent *event) {
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        UpdateHot(static_cast<QHoverEvent *>(event)->position().toPoint());
        break;
    case QEvent::EnabledChange:
        // Disabled, a hot button stays as it is: the flat style shows it.
        if (Control()->isEnabled())
            UpdateHot(PointerIn(Control()));
        TSkinControl::AfterMessage(event);
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        SetMouse(MouseState() & ~MouseStates(MouseFlag::Hot));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        SetMouse(MouseState() | MouseFlag::Pressed);
        break;
    case QEvent::MouseButtonRelease:
        SetMouse(MouseState() & ~MouseStates(MouseFlag::Pressed));
        break;
    default:
        TSkinControl::AfterMessage(event);
        break;
    }
}

void TSkinComBox::DrawBorder(QImage &image, const SkinObjects &skin, int frame, bool rtl) const {
    const TDataSkinBorder &button = *skin.ComboButton;
    const QRect r = image.rect();
    // The mirrored strips hold their frames in reverse order.
    const auto mirrored = [rtl, frame](int count) { return rtl ? count + 1 - frame : frame; };
    QPainter p(&image);
    if (button.Style == 2) {
        const TDataSkinObject *whole = rtl ? skin.SunkEdge.get() : &button;
        if (whole && whole->HasImage())
            DrawPart(p, r, whole->Image, false, false, true, whole->FrameCount(),
                     mirrored(whole->FrameCount()), whole->Margins());
        return;
    }
    if (button.Style == 1) {
        DrawFlat(p, r, skin, frame, rtl);
        return;
    }
    const int w = kArrowSize, W = r.width(), H = r.height();
    if (skin.SunkEdge && skin.SunkEdge->HasImage())
        DrawSkinPart(p, r, skin.SunkEdge->FrameCount(), frame, *skin.SunkEdge);
    const QRect buttonRect = rtl ? QRect(0, 0, w + 2, H) : QRect(W - w - 2, 0, w + 2, H);
    const QRect glyphArea = rtl ? QRect(2, 0, w, H) : QRect(W - w - 2, 0, w, H);
    DrawStripToDC(p, buttonRect, button.FrameCount(), mirrored(button.FrameCount()),
                  rtl ? button.Image2 : button.Image);
    if (skin.ExtraImages && skin.ExtraImages->HasImage())
        DrawFrameCentered(p, glyphArea, skin.ExtraImages->Image, true,
                          skin.ExtraImages->FrameCount(), frame);
    // The text field stays the combo's.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(rtl ? QRect(w + 4, 2, W - w - 6, H - 4) : QRect(2, 2, W - w - 6, H - 4),
               Qt::transparent);
}

void TSkinComBox::DrawFlat(QPainter &p, const QRect &r, const SkinObjects &skin, int frame,
                           bool rtl) const {
    const TDataSkinBorder &button = *skin.ComboButton;
    const QSize glyph(button.Image.width() / button.FrameCount(), button.Image.height());
    const QColor base = Control()->palette().color(QPalette::Base);
    const QRect inner = r.adjusted(2, 2, -2, -2);
    const int b = kArrowSize;
    DrawSunkenRings(p, r.adjusted(1, 1, -1, -1), base, base, 0);
    p.fillRect(rtl ? QRect(inner.left(), inner.top(), b, inner.height())
                   : QRect(inner.right() + 1 - b, inner.top(), b, inner.height()),
               base);
    QRect glyphRect =
        rtl ? QRect(inner.left(), inner.top(), glyph.width(), inner.height())
            : QRect(inner.right() + 1 - glyph.width(), inner.top(), glyph.width(), inner.height());
    if (b > glyph.height())
        glyphRect.setHeight(glyph.height());
    DrawSunkenRings(p, r, SystemColour(skin.ButtonShadow), base, 0);
    DrawStripToDC(p, glyphRect, button.FrameCount(),
                  rtl ? button.FrameCount() + 1 - frame : frame, // mirrored: frames reversed
                  rtl ? button.Image2 : button.Image);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(rtl ? inner.adjusted(b, 0, 0, 0) : inner.adjusted(0, 0, -b, 0), Qt::transparent);
}

void TSkinComBox::DrawCurrentItem(QPainter &dc) const {
    const QComboBox *combo = Combo();
    const QStyleOptionComboBox option = ComboOption(combo);
    // Under the border's open middle: the window colour, as behind an edit's text.
    dc.fillRect(combo->rect().adjusted(2, 2, -2, -2), combo->palette().color(QPalette::Base));
    dc.setPen(combo->palette().color(QPalette::Text));
    combo->style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &dc, combo);
}

void TSkinComBox::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QComboBox *combo = Combo();
    if (!combo || !HasComboImage() || rect.isEmpty())
        return;
    const int frame =
        ComboStateFrame(state.enabled, state.focused, state.mouse.testFlag(MouseFlag::Hot),
                        state.mouse.testFlag(MouseFlag::Pressed), skin->ComboButton->Style == 1);
    const bool rtl = combo->layoutDirection() == Qt::RightToLeft;
    if (!combo->isEditable())
        DrawCurrentItem(dc);
    dc.drawImage(rect.topLeft(),
                 cache.Get(skin, rect.size(), quint64(frame) << 1 | rtl,
                           [&](QImage &image) { DrawBorder(image, *skin, frame, rtl); }));
}

} // namespace skin
