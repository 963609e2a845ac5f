#pragma once

#include "skin/controls/tskincontrol.h"

class QGroupBox;

namespace skin {

// A group box painted whole: the skin's face colour, a rounded line in the skin's shadow
// colour at half the text height, and the title 8 pixels in from the left (from the right
// for a right-aligned or right-to-left box) on the face colour, cutting the line. A checkable
// group box keeps its native look.
class TSkinGroupBox : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinGroupBox(QGroupBox *box);
    ControlKind Kind() const override { return ControlKind::GroupBox; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcPanel; }
    Message BeforeMessage(QEvent *event) override;
    ControlState ReadControlState() const override;
};

} // namespace skin
