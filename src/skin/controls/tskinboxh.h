#pragma once

#include "skin/controls/tskinfacefill.h"

namespace skin {

// A tool bar or a dialog inside a window: its background is the skin's face colour, and the
// labels on it show on that colour (the widget's palette takes it until Restore).
class TSkinBoxH : public TSkinFaceFill {
    Q_OBJECT

public:
    explicit TSkinBoxH(QWidget *box) : TSkinFaceFill(box) {}

    ControlKind Kind() const override { return ControlKind::BoxH; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
};

} // namespace skin
