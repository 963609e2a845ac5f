#pragma once

#include "skin/data/tdataskinobject.h"

namespace skin {

// The push-button skin ([Buttons]) with the check-box and radio-button strips.
class TDataSkinButton : public TDataSkinObject {
public:
    explicit TDataSkinButton(const QString &name);
    ~TDataSkinButton() override;

    QImage CheckImage;
    QImage RadioImage;
    int RadioButtonFrame = 0;
    int CheckButtonFrame = 0;
    bool NormalColour2Given = false;
    bool MouseOverColour2Given = false;
    bool PressedColour2Given = false;
};

} // namespace skin
