#pragma once

#include "skin/controls/tskinbutton.h"

namespace skin {

// A push button with a drop-down menu: the caption left of a 17-pixel arrow column with a
// small triangle. A focused button shows the hot frame.
class TSkinMenuButton : public TSkinButton {
    Q_OBJECT

public:
    explicit TSkinMenuButton(QAbstractButton *button);
    ControlKind Kind() const override { return ControlKind::MenuButton; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcButton; }
    int FocusedFrame() const override { return 4; }
    void DrawContent(QPainter &canvas, const QRect &rect, int frame,
                     const ControlState &state) override;
};

} // namespace skin
