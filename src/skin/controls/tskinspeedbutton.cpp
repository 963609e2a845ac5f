#include "skin/controls/tskinspeedbutton.h"

#include <QToolButton>

namespace skin {

TSkinSpeedButton::TSkinSpeedButton(QAbstractButton *button) : TSkinBitButton(button) {}

namespace {

bool IsDown(const QAbstractButton *button) {
    return button && button->isCheckable() && button->isChecked();
}

} // namespace

int TSkinSpeedButton::ButtonFrame(const ControlState &state) const {
    return IsDown(Button()) ? 2 : TSkinBitButton::ButtonFrame(state);
}

bool TSkinSpeedButton::DrawsFace(int frame) const {
    const auto *tool = qobject_cast<const QToolButton *>(Control());
    const bool flat = tool && tool->autoRaise();
    return !(flat && (frame == 1 || frame == 3));
}

int TSkinSpeedButton::GlyphState(int frame) const {
    if (IsDown(Button()))
        return 4;
    return TSkinBitButton::GlyphState(frame);
}

int TSkinSpeedButton::Layout() const {
    const auto *tool = qobject_cast<const QToolButton *>(Control());
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
        return blGlyphTop;
    return Control()->layoutDirection() == Qt::RightToLeft ? blGlyphRight : blGlyphLeft;
}

void TSkinSpeedButton::DrawContent(QPainter &canvas, const QRect &rect, int frame,
                                   const ControlState &state) {
    const auto *tool = qobject_cast<const QToolButton *>(Control());
    const Qt::ToolButtonStyle style = tool ? tool->toolButtonStyle() : Qt::ToolButtonTextOnly;
    const QPixmap glyph = style == Qt::ToolButtonTextOnly ? QPixmap() : IconGlyph();
    if (glyph.isNull()) {
        DrawButtonText(canvas, rect, Qt::AlignHCenter, state.caption, state.focused);
        return;
    }
    const bool iconOnly = style == Qt::ToolButtonIconOnly || style == Qt::ToolButtonFollowStyle;
    DrawGlyphAndText(canvas, rect, glyph, 1, GlyphState(frame), true,
                     iconOnly ? QString() : state.caption, state.focused);
}

} // namespace skin
