#include "skin/controls/tskincheckbox.h"

#include "skin/controls/controldraw.h"
#include "skin/data/tdataskinbutton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPainter>

namespace skin {

int CheckBoxFrame(int frameCount, Qt::CheckState state, bool enabled) {
    int frame = state == Qt::Checked ? 2 : state == Qt::PartiallyChecked ? 4 : 1;
    if (!enabled)
        frame += 2;
    if (state == Qt::PartiallyChecked)
        frame = 4;
    if (frameCount == 12) {
        frame = frame == 2 ? 5 : frame == 3 ? 4 : frame == 4 ? 8 : frame;
        if (state == Qt::PartiallyChecked)
            frame = enabled ? 9 : 12;
    }
    return frame;
}

TSkinCheckBox::TSkinCheckBox(QAbstractButton *button) : TSkinControl(button) {}

void TSkinCheckBox::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    SetBackgroundMode(SkinStrip().isNull() ? BackgroundMode::Native : BackgroundMode::Skin);
    InitTransparent();
}

QImage TSkinCheckBox::Strip(const TDataSkinButton &buttons) const {
    return buttons.CheckImage;
}

int TSkinCheckBox::StripCount(const TDataSkinButton &buttons) const {
    return buttons.CheckButtonFrame;
}

int TSkinCheckBox::StateFrame(int frameCount, bool enabled) const {
    const auto *box = qobject_cast<const QCheckBox *>(Control());
    const auto *button = qobject_cast<const QAbstractButton *>(Control());
    const Qt::CheckState state = box                             ? box->checkState()
                                 : button && button->isChecked() ? Qt::Checked
                                                                 : Qt::Unchecked;
    return CheckBoxFrame(frameCount, state, enabled);
}

QImage TSkinCheckBox::SkinStrip() const {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (!skin || !skin->Buttons)
        return QImage();
    const QImage strip = Strip(*skin->Buttons);
    return strip.width() > 0 && strip.height() > 0 ? strip : QImage();
}

TSkinControl::Message TSkinCheckBox::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint && qobject_cast<QAbstractButton *>(Control())) {
        // The strip is looked up at every paint: a skin without it leaves the native look.
        SetBackgroundMode(SkinStrip().isNull() ? BackgroundMode::Native : BackgroundMode::Skin);
        if (Background() == BackgroundMode::Skin) {
            PaintMessage();
            return Message::Eaten;
        }
    }
    return TSkinControl::BeforeMessage(event);
}

ControlState TSkinCheckBox::ReadControlState() const {
    ControlState state = TSkinControl::ReadControlState();
    if (const auto *button = qobject_cast<const QAbstractButton *>(Control()))
        state.caption = button->text();
    return state;
}

void TSkinCheckBox::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QWidget *control = Control();
    const QImage strip = SkinStrip();
    if (!qobject_cast<const QAbstractButton *>(control) || strip.isNull()) {
        SetBackgroundMode(BackgroundMode::Native);
        return;
    }
    const bool whole = Background() == BackgroundMode::Skin;
    const int count = std::max(1, StripCount(*skin->Buttons));
    const QSize box(strip.width() / count, strip.height());
    const int top = rect.top() + (rect.height() - box.height()) / 2;
    QRect boxRect, textRect;
    SkinTextFormat format{Qt::AlignLeft,
                          Qt::TextExpandTabs | Qt::TextWordWrap | Qt::TextShowMnemonic};
    if (control->layoutDirection() == Qt::RightToLeft) {
        boxRect = QRect(QPoint(rect.right() + 1 - box.width(), top), box);
        textRect = QRect(rect.left(), rect.top(), boxRect.left() - 2 - rect.left(), rect.height());
        format.align = Qt::AlignRight;
        format.options = SkinTextOption::RightToLeft;
    } else {
        boxRect = QRect(QPoint(rect.left(), top), box);
        textRect = QRect(boxRect.right() + 1 + 2, rect.top(), 0, rect.height());
        textRect.setRight(rect.right());
    }

    QImage &image = WorkBitmap(rect.size());
    QPainter canvas(&image);
    canvas.translate(-rect.topLeft());
    if (whole && !Transparent())
        FillSkinColor(canvas, rect, *skin);
    DrawStripToDC(canvas, boxRect, count, StateFrame(count, state.enabled), strip);
    if (whole) {
        canvas.setFont(control->font());
        canvas.setPen(state.enabled ? control->palette().color(control->foregroundRole())
                                    : SystemColour(clBtnShadow));
        QRect measured = textRect;
        SkinDrawText(canvas, state.caption, measured, format.measuring());
        textRect.translate(0, (textRect.height() - measured.height()) / 2);
        if (state.focused && !state.caption.isEmpty())
            DrawTextFocusRect(canvas, state.caption, format, textRect);
        SkinDrawText(canvas, state.caption, textRect, format);
    }
    canvas.end();
    dc.drawImage(rect.topLeft(), image);
}

} // namespace skin
