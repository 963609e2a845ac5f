#pragma once

#include "skin/data/tdataskinobject.h"

namespace skin {

// The title alignment a skin gives as a number: 0 left, 1 centred, 2 right; any other number
// gives no alignment (the title stays at the caption area's left edge, unshifted).
Qt::Alignment TitleAlignment(int value);

// The caption text plate (`TextBack`, a vertical strip of 2 frames). The margins hold
// LeftWidth = TextShift, TopHeight = TextShiftVert, RightWidth = TextRightClip.
class TDataSkinTitle : public TDataSkinObject {
public:
    explicit TDataSkinTitle(const QString &name);
    ~TDataSkinTitle() override;

    Qt::Alignment TextAlignment = Qt::AlignLeft;
    int Textbackground = 0;
    int FontHeight = 14;
    int TXTBackleft = 0;
    int TXTBackRight = 0;
    SkinColor ActiveText = clNone; // clNone = not given
    SkinColor InActiveText = clNone;
};

} // namespace skin
