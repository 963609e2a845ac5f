#include "skin/controls/tskincontrollayer.h"

#include "skin/controls/tcontrolwalk.h"
#include "skin/controls/tskincontrol.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"

namespace skin {

void TSkinControlLayer::SkinFormControls(TWinSkinForm &form) {
    if (TControlWalk *walk = TControlWalk::Of(&form, form.SkinData()))
        walk->SkinFormControls(form.Form());
}

void TSkinControlLayer::SkinNativeChildren(TWinSkinForm &form) {
    if (TControlWalk *walk = TControlWalk::Of(&form, form.SkinData()))
        walk->SkinNativeChildren(form.Handle());
}

void TSkinControlLayer::SkinNativeWindow(TWinSkinForm &form, QWidget *widget) {
    if (TControlWalk *walk = TControlWalk::Of(&form, form.SkinData()); walk && widget)
        walk->SkinNativeWindow(widget);
}

void TSkinControlLayer::RestoreControl(QObject *controlSkin) {
    if (auto *skin = qobject_cast<TSkinControl *>(controlSkin))
        skin->Detach();
    controlSkin->deleteLater();
}

void TSkinControlLayer::ReapplyColor(QObject *controlSkin) {
    if (auto *skin = qobject_cast<TSkinControl *>(controlSkin))
        skin->ReapplyColor();
}

void InstallControlLayer() {
    static TSkinControlLayer layer;
    if (TSkinManage *manager = SkinManager())
        manager->SetControlLayer(&layer);
}

} // namespace skin
