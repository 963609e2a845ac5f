#include "skin/window/tncobject.h"

#include "skin/window/twinskinform.h"

namespace skin {

TNCObject::TNCObject(TWinSkinForm *form) : Form(form) {}

TNCObject::~TNCObject() {
    if (Form && Form->HotObject == this)
        Form->HotObject = nullptr;
}

void TNCObject::MouseDown() {
    if (Form->HotObject && Form->HotObject != this)
        Form->HotObject->MouseLeave();
    if (!Visible)
        return;
    Form->HotObject = this;
    State = Pressed;
    PaintNC();
}

void TNCObject::MouseUp() {
    if (!Visible)
        return;
    State = Hot;
    PaintNC();
}

void TNCObject::MouseEnter() {
    if (Form->HotObject == this)
        return;
    if (Form->HotObject)
        Form->HotObject->MouseLeave();
    if (!Visible)
        return;
    Form->HotObject = this;
    State = Hot;
    PaintNC();
}

void TNCObject::MouseLeave() {
    if (!Visible)
        return;
    Form->HotObject = nullptr;
    State = Normal;
    PaintNC();
}

void TNCObject::PaintNC() {}

} // namespace skin
