#include "skin/controls/tskinfacefill.h"

namespace skin {

TSkinFaceFill::TSkinFaceFill(QWidget *control) : TSkinControl(control) {}

bool TSkinFaceFill::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint && Fills() && Skin()) {
        PaintMessage();
        return false;
    }
    return TSkinControl::BeforeMessage(event);
}

void TSkinFaceFill::DrawControl(QPainter &dc, const QRect &rect) {
    if (const std::shared_ptr<const SkinObjects> skin = Skin())
        FillSkinColor(dc, rect, *skin);
}

} // namespace skin
