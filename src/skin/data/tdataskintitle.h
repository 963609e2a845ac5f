#pragma once

#include "skin/data/tdataskinobject.h"

namespace skin {

// The caption text plate (`TextBack`, a vertical strip of 2 frames). The margins hold
// LeftWidth = TextShift, TopHeight = TextShiftVert, RightWidth = TextRightClip.
class TDataSkinTitle : public TDataSkinObject {
public:
    explicit TDataSkinTitle(const QString &name);
    ~TDataSkinTitle() override;

    int TextAlignment = 0;
    int Textbackground = 0;
    int FontHeight = 14;
    int TXTBackleft = 0;
    int TXTBackRight = 0;
    SkinColor ActiveText = clNone; // clNone = not given
    SkinColor InActiveText = clNone;
};

} // namespace skin
