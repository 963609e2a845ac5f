#pragma once

#include "skin/controls/tskincontrol.h"

namespace skin {

// A plain container (panel) that only takes the skin's face colour while skinned; it keeps
// its own painting and sees no events.
class TSkinBox : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinBox(QWidget *panel);
    ControlKind Kind() const override { return ControlKind::Box; }

protected:
    bool HooksEvents() const override { return false; }
};

} // namespace skin
