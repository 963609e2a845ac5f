#pragma once

#include <QRect>
#include <QSize>

namespace skin {

class TDataSkinTitle;

// Where a skinned caption puts its title.
struct TCaptionTextPlace {
    QRect Area;     // the caption area between the side borders
    QSize TextSize; // the title as drawn (with its leading and trailing blanks)
    bool RightToLeft = false;
    bool Popup = false;       // a dialog-type window: limited by its right-aligned buttons
    int RightButtonsLeft = 0; // the largest left edge of the right-aligned caption buttons
    bool DialogFrame = false; // frame kind 3
};

// The title's rectangle (text plate included): shifted by the title's alignment and offsets,
// centred vertically, cut on the right before the caption buttons (popups) or at the title's
// right clip (other windows), and 16 pixels further left on dialog frames aligned left.
QRect CalcCaptionTextRect(const TDataSkinTitle &title, const TCaptionTextPlace &place);

} // namespace skin
