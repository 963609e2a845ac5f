#include "skin/controls/tskinfacefill.h"

namespace skin {

TSkinFaceFill::TSkinFaceFill(QWidget *control) : TSkinControl(control) {}

TSkinControl::Message TSkinFaceFill::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint && Fills() && Skin()) {
        PaintMessage();
        return Message::Eaten;
    }
    return TSkinControl::BeforeMessage(event);
}

void TSkinFaceFill::DrawControl(QPainter &dc, const QRect &rect, const ControlState &) {
    if (const std::shared_ptr<const SkinObjects> skin = Skin())
        FillSkinColor(dc, rect, *skin);
}

} // namespace skin
