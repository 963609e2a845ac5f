#pragma once

#include "skin/controls/tskinfacefill.h"

namespace skin {

// A size grip shown as a plain rectangle of the skin's face colour.
class TSkinSizer : public TSkinFaceFill {
    Q_OBJECT

public:
    explicit TSkinSizer(QWidget *grip) : TSkinFaceFill(grip) {}

    ControlKind Kind() const override { return ControlKind::Sizer; }
};

} // namespace skin
