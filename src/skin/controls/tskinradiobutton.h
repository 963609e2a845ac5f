#pragma once

#include "skin/controls/tskincheckbox.h"

namespace skin {

// The strip frame of a radio button: as a check box without the partly checked state; 8
// frames: rows of four for unchecked and checked.
int RadioButtonFrame(int frameCount, bool checked, bool enabled);

// A radio button painted from the skin's radio strip, laid out as a check box.
class TSkinRadioButton : public TSkinCheckBox {
    Q_OBJECT

public:
    explicit TSkinRadioButton(QAbstractButton *button);
    ControlKind Kind() const override { return ControlKind::RadioButton; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcRadioButton; }
    QImage Strip(const TDataSkinButton &buttons) const override;
    int StripCount(const TDataSkinButton &buttons) const override;
    int StateFrame(int frameCount, bool enabled) const override;
};

} // namespace skin
