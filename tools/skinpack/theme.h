#pragma once

#include <QColor>

namespace skinpack {

// Palette and geometry of the generated skin. Every colour the art uses comes from here.
struct Theme {
    // [Colours] of the skin
    QColor windowText{30, 30, 30};
    QColor buttonFace{236, 240, 245};
    QColor hilightText{255, 255, 255};
    QColor hilight{51, 122, 183};
    QColor menubar{228, 234, 242};
    QColor menu{250, 251, 253};
    QColor menuText{30, 30, 30};
    QColor buttonText{30, 30, 30};
    QColor buttonHilight{255, 255, 255};
    QColor buttonLight{248, 250, 252};
    QColor buttonShadow{150, 160, 175};
    QColor buttonDkShadow{90, 100, 115};
    QColor menuBarText{30, 40, 60};
    QColor titleTextActive{255, 255, 255};
    QColor titleTextInactive{225, 230, 238};

    // Window frame
    QColor captionTop{62, 116, 172};
    QColor captionBottom{44, 90, 140};
    QColor captionInactiveTop{168, 180, 198};
    QColor captionInactiveBottom{146, 160, 182};
    QColor frameOuter{28, 60, 98};
    QColor frameOuterInactive{120, 134, 155};
    QColor closeHot{212, 64, 58};
    QColor closePressed{168, 42, 38};

    // Controls
    QColor field{255, 255, 255};
    QColor fieldBorder{160, 172, 190};
    QColor fieldBorderHot{90, 142, 200};
    QColor controlTop{252, 253, 254};
    QColor controlBottom{226, 232, 240};
    QColor controlBorder{150, 162, 180};
    QColor hotTop{240, 246, 253};
    QColor hotBottom{208, 225, 245};
    QColor hotBorder{84, 136, 196};
    QColor pressedTop{190, 210, 235};
    QColor pressedBottom{210, 225, 243};
    QColor pressedBorder{44, 90, 140};
    QColor disabledFill{232, 235, 239};
    QColor disabledBorder{196, 202, 210};
    QColor disabledGlyph{170, 176, 186};
    QColor glyph{60, 70, 85};
    QColor accent{51, 122, 183};
    QColor accentLight{96, 160, 214};
    QColor trough{222, 227, 234};

    int captionHeight = 28;
    int borderWidth = 4;

    static Theme calmBlue() { return Theme{}; }
};

} // namespace skinpack
