#include "skin/controls/tskinbutton.h"

#include "skin/controls/controldraw.h"

#include <QAbstractButton>
#include <QPainter>

namespace skin {

QString ReplaceFirst(const QString &text, const QString &pattern, const QString &replacement) {
    const qsizetype at = pattern.isEmpty() ? -1 : text.indexOf(pattern);
    if (at < 0)
        return text;
    QString out = text;
    out.replace(at, pattern.size(), replacement);
    return out;
}

TSkinButton::TSkinButton(QAbstractButton *button) : TSkinControl(button) {}

QAbstractButton *TSkinButton::Button() const {
    return qobject_cast<QAbstractButton *>(Control());
}

void TSkinButton::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    InitTransparent();
}

bool TSkinButton::HasButtonImage(const std::shared_ptr<const SkinObjects> &skin) {
    return skin && skin->Buttons && skin->Buttons->HasImage();
}

TSkinControl::Message TSkinButton::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint && HasButtonImage(Skin()) && Button()) {
        PaintMessage();
        return Message::Eaten;
    }
    return TSkinControl::BeforeMessage(event);
}

void TSkinButton::AfterMessage(QEvent *event) {
    switch (event->type()) {
    case QEvent::Enter:
        if (Control() && Control()->isEnabled() && !MouseState().testFlag(MouseFlag::Hot)) {
            SetMouseState(MouseState() | MouseFlag::Hot);
            RefreshControl();
        }
        break;
    case QEvent::Leave:
        SetMouseState({});
        RefreshControl();
        break;
    default:
        TSkinControl::AfterMessage(event);
        break;
    }
}

ControlState TSkinButton::ReadControlState() const {
    ControlState state = TSkinControl::ReadControlState();
    if (const QAbstractButton *button = Button()) {
        state.caption = button->text();
        state.mouse.setFlag(MouseFlag::Pressed, button->isDown());
    }
    return state;
}

int TSkinButton::ButtonFrame(const ControlState &state) const {
    int frame = 1;
    if (state.focused)
        frame = FocusedFrame();
    if (state.mouse.testFlag(MouseFlag::Pressed))
        frame = 2;
    else if (state.mouse.testFlag(MouseFlag::Hot))
        frame = 4;
    if (!state.enabled)
        frame = 3;
    return frame;
}

bool TSkinButton::DrawsFace(int) const {
    return true;
}

QColor TSkinButton::TextColour(const SkinObjects &skin, int frame, bool enabled) const {
    if (!enabled)
        return SystemColour(clBtnShadow);
    const TDataSkinButton &b = *skin.Buttons;
    if (frame == 1 && b.NormalColour2Given)
        return SystemColour(b.NormalColour2);
    if (frame == 4 && b.MouseOverColour2Given)
        return SystemColour(b.MouseOverColour2);
    if (frame == 2 && b.PressedColour2Given)
        return SystemColour(b.PressedColour2);
    return Control()->palette().color(QPalette::ButtonText);
}

void TSkinButton::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (!HasButtonImage(skin) || !Button() || rect.isEmpty())
        return;
    const int frame = ButtonFrame(state);

    QImage &image = WorkBitmap(rect.size());
    const QRect r(QPoint(0, 0), rect.size());
    QPainter canvas(&image);
    if (!Transparent())
        FillSkinColor(canvas, r, *skin);
    if (DrawsFace(frame))
        DrawSkinPart(canvas, r, skin->Buttons->FrameCount(), frame, *skin->Buttons);
    canvas.setFont(Control()->font());
    canvas.setPen(TextColour(*skin, frame, state.enabled));
    DrawContent(canvas, r, frame, state);
    canvas.end();
    dc.drawImage(rect.topLeft(), image);
}

void TSkinButton::DrawContent(QPainter &canvas, const QRect &rect, int, const ControlState &state) {
    DrawButtonText(canvas, rect, Qt::AlignHCenter, state.caption, state.focused);
}

void TSkinButton::DrawButtonText(QPainter &canvas, const QRect &rect, Qt::Alignment align,
                                 const QString &text, bool focused) {
    const QString caption = ReplaceFirst(text, QStringLiteral("||"), QStringLiteral("\r\n"));
    SkinTextFormat format{align, Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic};
    QRect r = rect.adjusted(2, 2, -2, -2);
    SkinDrawText(canvas, caption, r, format.measuring());
    r.moveTo(0, 0);
    format = AddRTLFlag(Control(), format);
    const int dy = (rect.height() - r.height()) / 2 - 1;
    if (align == Qt::AlignHCenter) {
        r.translate((rect.width() - r.width()) / 2, dy);
    } else {
        r.translate(0, dy);
        r.setLeft(rect.left());
        r.setRight(rect.right());
    }
    SkinDrawText(canvas, caption, r, format);
    if (focused)
        DrawFocusAround(canvas, r.adjusted(-2, -2, 2, 2));
}

void TSkinButton::DrawFocusAround(QPainter &canvas, const QRect &r) {
    if (!SkinData() || !SkinData()->Options().testFlag(TSkinData::xoNoFocusRect))
        DrawFocusRect(canvas, r);
}

} // namespace skin
