#include "skin/controls/tskinsizer.h"

namespace skin {

void TSkinSizer::DrawControl(QPainter &dc, const QRect &rect) {
    const QWidget *parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return TSkinFaceFill::DrawControl(dc, rect);
    const QRect client = parent->contentsRect().translated(-control->pos());
    TSkinFaceFill::DrawControl(dc, rect.intersected(client));
}

} // namespace skin
