#pragma once

#include "skin/controls/tskincontrol.h"

class QAbstractButton;

namespace skin {

// The strip frame of a check box: any count but 12: 1 unchecked, 2 checked, 3 unchecked
// disabled, 4 checked disabled or partly checked; 12 frames: rows of four (normal, hot,
// pressed, disabled) for unchecked, checked and partly checked.
int CheckBoxFrame(int frameCount, Qt::CheckState state, bool enabled);

// A check box painted from the skin's check strip (radio buttons: TSkinRadioButton): the box one
// frame of the strip, vertically centred at the left (at the right for a right-to-left
// widget), the caption 2 pixels beside it. Without the strip the widget paints natively.
class TSkinCheckBox : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinCheckBox(QAbstractButton *button);
    ControlKind Kind() const override { return ControlKind::CheckBox; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcCheckBox; }
    Message BeforeMessage(QEvent *event) override;
    ControlState ReadControlState() const override;
    virtual QImage Strip(const TDataSkinButton &buttons) const;
    virtual int StripCount(const TDataSkinButton &buttons) const;
    virtual int StateFrame(int frameCount, bool enabled) const;

private:
    QImage SkinStrip() const;
};

} // namespace skin
