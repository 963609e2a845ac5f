#include "skin/controls/tskinmp.h"

#include "skin/data/skinobjects.h"

namespace skin {

TSkinMP::TSkinMP(QWidget *player) : TSkinControl(player) {}

TSkinMP::~TSkinMP() {
    // The player is going: its panel goes after it.
    if (overlay)
        overlay->deleteLater();
}

void TSkinMP::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized() || !Control())
        return;
    TSkinControl::InitSkin(form, data, colour);
    overlay = new TWMediaPlayer;
    overlay->Attach(Control(), this, data);
    ShowOverlay();
}

void TSkinMP::Restore() {
    TSkinControl::Restore();
    delete overlay;
}

void TSkinMP::ReapplyColor() {
    TSkinControl::ReapplyColor();
    ShowOverlay();
    if (overlay)
        overlay->update();
}

void TSkinMP::ShowOverlay() {
    const QWidget *control = Control();
    if (!overlay || !control)
        return;
    const std::shared_ptr<const SkinObjects> skin = Skin();
    overlay->setVisible(control->isVisibleTo(control->parentWidget()) && SkinEnabled() && skin &&
                        skin->Buttons->HasImage());
}

void TSkinMP::AfterMessage(QEvent *event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (overlay)
            overlay->PlaceOver(Control());
        break;
    case QEvent::Show:
    case QEvent::Hide:
        ShowOverlay();
        break;
    default:
        TSkinControl::AfterMessage(event);
        break;
    }
}

} // namespace skin
