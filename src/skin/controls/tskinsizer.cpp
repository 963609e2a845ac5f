#include "skin/controls/tskinsizer.h"

namespace skin {

void TSkinSizer::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const QWidget *control = Control();
    const QWidget *parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return TSkinFaceFill::DrawControl(dc, rect, state);
    const QRect client = parent->contentsRect().translated(-control->pos());
    TSkinFaceFill::DrawControl(dc, rect.intersected(client), state);
}

} // namespace skin
