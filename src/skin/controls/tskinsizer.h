#pragma once

#include "skin/controls/tskinfacefill.h"

namespace skin {

// A size grip shown as a plain rectangle of the skin's face colour, within its parent's client
// area: where the grip reaches over a skinned window's frame, the frame shows.
class TSkinSizer : public TSkinFaceFill {
    Q_OBJECT

public:
    explicit TSkinSizer(QWidget *grip) : TSkinFaceFill(grip) {}

    ControlKind Kind() const override { return ControlKind::Sizer; }

    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;
};

} // namespace skin
