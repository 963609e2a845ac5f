#include "skin/controls/tskindatetime.h"

#include "skin/controls/tarrowbutton.h"
#include "skin/controls/tskinedit.h"

#include <QDateTimeEdit>
#include <QPainter>

namespace skin {

TSkinDateTime::TSkinDateTime(QDateTimeEdit *picker) : TSkinControl(picker) {}

TArrowButton *TSkinDateTime::ArrowButton() const {
    return arrow;
}

void TSkinDateTime::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    if (Control())
        arrow = new TArrowButton(this, Control());
}

void TSkinDateTime::Restore() {
    delete arrow;
    TSkinControl::Restore();
}

void TSkinDateTime::AfterMessage(QEvent *event) {
    if (arrow &&
        (event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange))
        arrow->Place();
    TSkinControl::AfterMessage(event);
}

void TSkinDateTime::DrawControl(QPainter &dc, const QRect &rect, const ControlState &) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    const auto *picker = qobject_cast<const QDateTimeEdit *>(Control());
    if (skin && picker && picker->hasFrame())
        DrawSunkenRings(dc, rect, SystemColour(skin->ButtonShadow), Qt::white, 1);
}

} // namespace skin
