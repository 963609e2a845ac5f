#pragma once

#include "skin/window/tcontrollayer.h"

namespace skin {

// The control skins' part in skinning windows, registered with the skin manager: the control
// walk when a window finishes skinning, and putting controls back when it is unskinned.
class TSkinControlLayer : public TControlLayer {
public:
    void SkinFormControls(TWinSkinForm &form) override;
    void SkinNativeChildren(TWinSkinForm &form) override;
    void SkinNativeWindow(TWinSkinForm &form, QWidget *widget) override;
    void RestoreControl(QObject *controlSkin) override;
    void ReapplyColor(QObject *controlSkin) override;
};

// Registers the control layer with the skin manager (when there is one).
void InstallControlLayer();

} // namespace skin
