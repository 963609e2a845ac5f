#include "skin/controls/tskinedit.h"

#include "skin/controls/tskinupdown.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPainter>

namespace skin {

namespace {

void FrameRect(QPainter &dc, const QRect &r, const QColor &colour) {
    if (r.width() < 1 || r.height() < 1)
        return;
    dc.fillRect(r.left(), r.top(), r.width(), 1, colour);
    dc.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
    dc.fillRect(r.left(), r.top(), 1, r.height(), colour);
    dc.fillRect(r.right(), r.top(), 1, r.height(), colour);
}

} // namespace

void DrawSunkenRings(QPainter &dc, const QRect &rect, const QColor &outer, const QColor &inner,
                     int innerRings) {
    FrameRect(dc, rect, outer);
    for (int i = 1; i <= innerRings; ++i)
        FrameRect(dc, rect.adjusted(i, i, -i, -i), inner);
}

TSkinEdit::TSkinEdit(QWidget *edit) : TSkinControl(edit) {}

void TSkinEdit::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    auto *box = qobject_cast<QAbstractSpinBox *>(Control());
    if (box && data && data->SkinControls().testFlag(TSkinData::xcSpin)) {
        upDown = new TSkinUpDown(box);
        upDown->setParent(this);
        upDown->SetBuddy(true);
        upDown->InitSkin(nullptr, data, false);
    }
}

bool TSkinEdit::HasBorder() const {
    if (const auto *edit = qobject_cast<const QLineEdit *>(Control()))
        return edit->hasFrame();
    if (const auto *box = qobject_cast<const QAbstractSpinBox *>(Control()))
        return box->hasFrame();
    return false;
}

void TSkinEdit::AfterMessage(QEvent *event) {
    if (upDown)
        upDown->TrackMouse(event);
    TSkinControl::AfterMessage(event);
}

void TSkinEdit::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (!skin || !Control())
        return;
    if (HasBorder())
        DrawSunkenRings(dc, rect, SystemColour(skin->ButtonShadow), Qt::white, 2);
    if (upDown && SkinData()->SkinControls().testFlag(TSkinData::xcSpin))
        upDown->DrawControl(dc, rect, state); // the same widget: the same state
}

} // namespace skin
