#pragma once

#include "skin/controls/tskincontrol.h"

namespace skin {

class TSkinUpDown;

// The skin colours' border over an edit's sunken frame (line edits, spin boxes, date and time
// edits without a calendar): the outer ring in the shadow colour, the two inner rings white.
// The edit paints itself first, so its text, caret, selection and input method stay its own.
// A frameless edit gets no border. With xcSpin a spin box's buttons get an up-down skin, made and
// owned by this one, drawn after the border.
class TSkinEdit : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinEdit(QWidget *edit);

    ControlKind Kind() const override { return ControlKind::Edit; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;
    TSkinUpDown *UpDown() const { return upDown; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcEdit; }
    void AfterMessage(QEvent *event) override;

private:
    bool HasBorder() const;

    TSkinUpDown *upDown = nullptr; // a child of this object
};

// Frames rect with the skin's shadow colour outside and rings of inner colour inside it.
void DrawSunkenRings(QPainter &dc, const QRect &rect, const QColor &outer, const QColor &inner,
                     int innerRings);

} // namespace skin
