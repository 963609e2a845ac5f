#include "skin/draw/skincolor.h"

namespace skin {

QColor GetSysColor(int index, const QPalette &palette) {
    using P = QPalette;
    switch (index) {
    case COLOR_SCROLLBAR:
    case COLOR_3DLIGHT:
        return palette.color(P::Active, P::Midlight);
    case COLOR_BACKGROUND:
    case COLOR_APPWORKSPACE:
    case COLOR_BTNSHADOW:
        return palette.color(P::Active, P::Dark);
    case COLOR_ACTIVECAPTION:
    case COLOR_HIGHLIGHT:
    case COLOR_MENUHILIGHT:
        return palette.color(P::Active, P::Highlight);
    case COLOR_INACTIVECAPTION:
        return palette.color(P::Inactive, P::Highlight);
    case COLOR_WINDOW:
        return palette.color(P::Active, P::Base);
    case COLOR_WINDOWFRAME:
    case COLOR_3DDKSHADOW:
        return palette.color(P::Active, P::Shadow);
    case COLOR_MENUTEXT:
        return palette.color(P::Active, P::WindowText);
    case COLOR_WINDOWTEXT:
        return palette.color(P::Active, P::Text);
    case COLOR_CAPTIONTEXT:
    case COLOR_HIGHLIGHTTEXT:
        return palette.color(P::Active, P::HighlightedText);
    case COLOR_BTNFACE:
        return palette.color(P::Active, P::Button);
    case COLOR_GRAYTEXT:
        return palette.color(P::Disabled, P::Text);
    case COLOR_BTNTEXT:
        return palette.color(P::Active, P::ButtonText);
    case COLOR_INACTIVECAPTIONTEXT:
        return palette.color(P::Disabled, P::WindowText);
    case COLOR_BTNHIGHLIGHT:
        return palette.color(P::Active, P::Light);
    case COLOR_INFOTEXT:
        return palette.color(P::Active, P::ToolTipText);
    case COLOR_INFOBK:
        return palette.color(P::Active, P::ToolTipBase);
    case COLOR_HOTLIGHT:
        return palette.color(P::Active, P::Link);
    case COLOR_GRADIENTACTIVECAPTION:
        return palette.color(P::Active, P::Highlight).lighter(130);
    case COLOR_GRADIENTINACTIVECAPTION:
        return palette.color(P::Inactive, P::Highlight).lighter(130);
    default: // MENU, ACTIVEBORDER, INACTIVEBORDER, MENUBAR and unknown indexes
        return palette.color(P::Active, P::Window);
    }
}

SkinColor ColorToRGB(SkinColor c, const QPalette &palette) {
    if (c < 0)
        return QRgbToSkinColor(GetSysColor(c & 0xFF, palette).rgb());
    return c & 0xFFFFFF;
}

SkinColor ColorToRGB(SkinColor c) {
    return ColorToRGB(c, QPalette());
}

QColor SkinToQColor(SkinColor c, const QPalette &palette) {
    return QColor(SkinColorToQRgb(ColorToRGB(c, palette)));
}

QColor SkinToQColor(SkinColor c) {
    return SkinToQColor(c, QPalette());
}

} // namespace skin
