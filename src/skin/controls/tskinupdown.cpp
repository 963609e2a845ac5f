#include "skin/controls/tskinupdown.h"

#include "skin/controls/controldraw.h"
#include "skin/data/tdataskinborder.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/skincolor.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QHoverEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QToolButton>

namespace skin {

namespace {

// Spin-box buttons stay this far inside the box's edges, clear of the edit's border.
constexpr int ButtonInset = 3;

const TDataSkinBorder *StripOf(const SkinObjects &skin, UpDownPart part) {
    const bool vertical = part == UpDownPart::Up || part == UpDownPart::Down;
    const TDataSkinBorder *strip = vertical ? skin.UpDownVert.get() : skin.UpDownHorz.get();
    return strip && strip->HasImage() ? strip : nullptr;
}

UpDownPart ArrowPart(const QAbstractButton *button) {
    const auto *tool = qobject_cast<const QToolButton *>(button);
    switch (tool ? tool->arrowType() : Qt::UpArrow) {
    case Qt::DownArrow:
        return UpDownPart::Down;
    case Qt::LeftArrow:
        return UpDownPart::Left;
    case Qt::RightArrow:
        return UpDownPart::Right;
    default:
        return UpDownPart::Up;
    }
}

QPoint EventPos(QEvent *event) {
    return static_cast<QSinglePointEvent *>(event)->position().toPoint();
}

} // namespace

void DrawUpDownButton(QPainter &dc, const QRect &rect, UpDownPart part, UpDownState state,
                      const SkinObjects &skin, const QPalette &palette) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int second = part == UpDownPart::Down || part == UpDownPart::Right;
    const int frame = 4 * second + int(state);
    if (const TDataSkinBorder *strip = StripOf(skin, part)) {
        DrawStripFrame(dc, rect, strip->Image, true, strip->FrameCount(), frame);
        if (!strip->Image2.isNull())
            DrawFrameCentered(dc, rect, strip->Image2, true, strip->FrameCount(), frame);
        return;
    }
    const bool lit = state == UpDownState::Pressed || state == UpDownState::Hot;
    const QColor outline = SkinToQColor(skin.ButtonDkShadow, palette);
    dc.fillRect(rect, SkinToQColor(lit ? skin.ButtonShadow : skin.ButtonFace, palette));
    dc.save();
    dc.setPen(outline);
    dc.setBrush(Qt::NoBrush);
    dc.drawRect(rect.adjusted(0, 0, -1, -1));
    const bool vertical = part == UpDownPart::Up || part == UpDownPart::Down;
    const QPoint centre(rect.left() + rect.width() / 2,
                        rect.top() + rect.height() / 2 - (vertical ? 2 : 0));
    DrawArrowLines(dc, centre.x(), centre.y(), int(part));
    dc.restore();
}

TSkinUpDown::TSkinUpDown(QWidget *control) : TSkinControl(control) {}

QRect TSkinUpDown::ButtonArea(const QRect &rect) const {
    const auto *box = qobject_cast<const QAbstractSpinBox *>(Control());
    if (!box)
        return rect;
    if (box->buttonSymbols() == QAbstractSpinBox::NoButtons)
        return QRect();
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.rect = rect;
    option.frame = box->hasFrame();
    option.buttonSymbols = box->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    const QStyle *style = box->style();
    const QRect up = style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, box);
    const QRect down =
        style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, box);
    return up.united(down).intersected(
        rect.adjusted(ButtonInset, ButtonInset, -ButtonInset, -ButtonInset));
}

void TSkinUpDown::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    PlaceButtons();
}

void TSkinUpDown::PlaceButtons() {
    buttonArea = Control() ? ButtonArea(Control()->rect()) : QRect();
}

TSkinUpDown::Half TSkinUpDown::HalfAt(const QPoint &pos) const {
    if (!Control() || !buttonArea.contains(pos))
        return Half::None;
    if (qobject_cast<const QAbstractButton *>(Control()))
        return Half::First;
    return pos.y() - buttonArea.top() < buttonArea.height() / 2 ? Half::First : Half::Second;
}

UpDownState TSkinUpDown::StateOf(Half half, Half pressed, bool enabled) const {
    if (!enabled)
        return UpDownState::Disabled;
    if (half == pressed)
        return UpDownState::Pressed;
    if (half == hotHalf)
        return UpDownState::Hot;
    return UpDownState::Normal;
}

void TSkinUpDown::SetHalves(Half hot, Half pressed) {
    if (hot == hotHalf && pressed == pressedHalf)
        return;
    hotHalf = hot;
    pressedHalf = pressed;
    SetMouseState(MouseStates()
                      .setFlag(MouseFlag::Hot, hot != Half::None)
                      .setFlag(MouseFlag::Pressed, pressed != Half::None));
    RefreshControl();
}

void TSkinUpDown::TrackMouse(QEvent *event) {
    const QWidget *control = Control();
    if (!control)
        return;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::MouseMove:
        SetHalves(control->isEnabled() ? HalfAt(EventPos(event)) : Half::None, pressedHalf);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            SetHalves(hotHalf, HalfAt(EventPos(event)));
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            SetHalves(hotHalf, Half::None);
        break;
    case QEvent::Leave:
    case QEvent::HoverLeave:
        SetHalves(Half::None, pressedHalf);
        break;
    case QEvent::EnabledChange:
        SetHalves(Half::None, Half::None);
        break;
    case QEvent::Resize:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::Show:
        PlaceButtons();
        break;
    default:
        break;
    }
}

TSkinControl::Message TSkinUpDown::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint && qobject_cast<QAbstractButton *>(Control()) && Skin()) {
        PaintMessage(); // an arrow button is all skin
        return Message::Eaten;
    }
    return TSkinControl::BeforeMessage(event);
}

void TSkinUpDown::AfterMessage(QEvent *event) {
    TrackMouse(event);
    TSkinControl::AfterMessage(event);
}

ControlState TSkinUpDown::ReadControlState() const {
    ControlState state = TSkinControl::ReadControlState();
    if (const auto *button = qobject_cast<const QAbstractButton *>(Control()))
        state.mouse.setFlag(MouseFlag::Pressed, button->isDown());
    return state;
}

void TSkinUpDown::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QWidget *control = Control();
    if (!skin || !control)
        return;
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    // An arrow button is one half, pressed while it is down.
    const Half pressed = !button                                    ? pressedHalf
                         : state.mouse.testFlag(MouseFlag::Pressed) ? Half::First
                                                                    : Half::None;
    const QRect area = buttonArea.intersected(rect);
    if (area.isEmpty())
        return;
    const UpDownState first = StateOf(Half::First, pressed, state.enabled);
    const UpDownState second = StateOf(Half::Second, pressed, state.enabled);
    const quint64 key = quint64(first) | quint64(second) << 4 |
                        quint64(button ? ArrowPart(button) : UpDownPart::Up) << 8;
    const QPalette palette = control->palette();
    const QImage &image = cache.Get(skin, area.size(), key, [&](QImage &canvas) {
        QPainter p(&canvas);
        const QRect r(QPoint(0, 0), area.size());
        if (button) {
            FillSkinColor(p, r, *skin);
            DrawUpDownButton(p, r, ArrowPart(button), first, *skin, palette);
            return;
        }
        const int half = r.height() / 2;
        DrawUpDownButton(p, QRect(0, 0, r.width(), half), UpDownPart::Up, first, *skin, palette);
        DrawUpDownButton(p, QRect(0, half, r.width(), r.height() - half), UpDownPart::Down, second,
                         *skin, palette);
    });
    if (buddy)
        dc.fillRect(area, Qt::white);
    dc.drawImage(area.topLeft(), image);
}

} // namespace skin
