#pragma once

#include "skin/controls/tskincontrol.h"

class QDateTimeEdit;

namespace skin {

class TArrowButton;

// A date picker with a drop-down calendar: its border in the skin colours (the shadow colour
// outside, white one pixel in) over its own painting, and a skinned arrow button (TArrowButton)
// over its drop button, kept at its edge as it is sized or turned right-to-left. A frameless
// picker gets no border; its arrow button stays.
class TSkinDateTime : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinDateTime(QDateTimeEdit *picker);

    ControlKind Kind() const override { return ControlKind::DateTime; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    // The arrow button goes: the picker's own button shows again.
    void Restore() override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;
    TArrowButton *ArrowButton() const;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcEdit; }
    void AfterMessage(QEvent *event) override;

private:
    QPointer<TArrowButton> arrow; // a child widget of the picker
};

} // namespace skin
