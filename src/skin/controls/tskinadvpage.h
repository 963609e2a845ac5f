#pragma once

#include "skin/controls/tabscrollarrows.h"
#include "skin/controls/tskincontrol.h"

namespace skin {

// Another vendor's page control that draws its tabs from two image properties: the skin
// builds frames 1 and 2 of its Tabs image at 100 x 21 pixels and hands them over as
// TabBackGround and TabBackGroundActive (empty images again on Restore). A control without
// those properties is left alone. The scroll arrows of its tab bar (a tab widget's, or a tab
// bar among its children) take the up-down skin until Restore.
class TSkinAdvPage : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinAdvPage(QWidget *pages) : TSkinControl(pages) {}

    ControlKind Kind() const override { return ControlKind::AdvPage; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void Restore() override;
    void ReapplyColor() override;

protected:
    bool HooksEvents() const override { return false; }

private:
    void SetTabBackgrounds();

    TTabScrollArrows arrows;
};

} // namespace skin
