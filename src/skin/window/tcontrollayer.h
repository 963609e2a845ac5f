#pragma once

class QObject;
class QWidget;

namespace skin {

class TWinSkinForm;

// The control layer's part in skinning a window. The control layer registers one instance with
// the manager (TSkinManage::SetControlLayer); without one, windows get their frames only.
//
// Control skin objects are QObjects owned by their controls; the window keeps them in
// TWinSkinForm::Controls (RegisterSkinControl from their attach, UnregisterSkinControl from
// their destructor).
class TControlLayer {
public:
    virtual ~TControlLayer();

    // Finishing a window's skinning (SM_SKINACTIVE): walk the controls of an application window
    // and give each the skin object its kind calls for.
    virtual void SkinFormControls(TWinSkinForm &form) = 0;
    // The same for a standard dialog (message box, file dialog, ...).
    virtual void SkinNativeChildren(TWinSkinForm &form) = 0;
    // A size grip polished inside a skinned window after it was skinned.
    virtual void SkinNativeWindow(TWinSkinForm &form, QWidget *widget) = 0;
    // Unskinning: put the control back as it was and free the skin object (unless it is
    // finished, in which case it is only freed).
    virtual void RestoreControl(QObject *controlSkin) = 0;
    // A new skin or SM_SKINCOLORS: the control takes the skin's colours again.
    virtual void ReapplyColor(QObject *controlSkin) = 0;
};

} // namespace skin
