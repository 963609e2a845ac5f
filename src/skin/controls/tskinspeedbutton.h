#pragma once

#include "skin/controls/tskinbitbutton.h"

namespace skin {

// A tool button (flat buttons of pages and bars): frame 2 while pressed or checked (even
// when disabled), 4 while hot, 3 when disabled. A flat (auto-raise) button shows the skin's
// frame only while hot or pressed. Its icon and text are placed as the button's tool-button
// style says.
class TSkinSpeedButton : public TSkinBitButton {
    Q_OBJECT

public:
    explicit TSkinSpeedButton(QAbstractButton *button);
    ControlKind Kind() const override { return ControlKind::SpeedButton; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcSpeedButton; }
    int ButtonFrame(const ControlState &state) const override;
    int FocusedFrame() const override { return 1; }
    bool DrawsFace(int frame) const override;
    void DrawContent(QPainter &canvas, const QRect &rect, int frame,
                     const ControlState &state) override;
    int GlyphState(int frame) const override;
    int Layout() const override;
};

} // namespace skin
