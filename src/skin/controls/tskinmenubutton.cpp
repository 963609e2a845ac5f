#include "skin/controls/tskinmenubutton.h"

#include <QPainter>
#include <QPolygon>

namespace skin {

namespace {
constexpr int ArrowColumn = 17;
}

TSkinMenuButton::TSkinMenuButton(QAbstractButton *button) : TSkinButton(button) {}

void TSkinMenuButton::DrawContent(QPainter &canvas, const QRect &rect, int,
                                  const ControlState &state) {
    const int W = rect.width(), H = rect.height();
    QRect text = rect.adjusted(2, 2, -ArrowColumn - 2, -2);
    const SkinTextFormat format{Qt::AlignLeft, Qt::TextWordWrap | Qt::TextShowMnemonic};
    SkinDrawText(canvas, state.caption, text, format.measuring());
    text.moveTo((W - ArrowColumn - text.width()) / 2 + 2, (H - text.height() + 1) / 2);
    SkinDrawText(canvas, state.caption, text, format);

    const QColor arrow = state.enabled ? SystemColour(clWindowText) : SystemColour(clBtnShadow);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(arrow);
    canvas.setBrush(arrow);
    canvas.drawPolygon(
        QPolygon({QPoint(W - 12, H / 2 + 2), QPoint(W - 15, H / 2 - 1), QPoint(W - 9, H / 2 - 1)}));
    canvas.restore();
    if (state.focused)
        DrawFocusAround(canvas, text.adjusted(-2, -2, 2, 2));
}

} // namespace skin
