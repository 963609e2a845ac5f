#pragma once

#include "skin/controls/tskincontrol.h"

namespace skin {

// A control shown as a plain area of the skin's face colour: its paint is eaten while it
// Fills(), and its children paint on the colour.
class TSkinFaceFill : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinFaceFill(QWidget *control);

    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

protected:
    Message BeforeMessage(QEvent *event) override;
    virtual bool Fills() const { return true; }
};

} // namespace skin
