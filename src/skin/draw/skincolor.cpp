#include "skin/draw/skincolor.h"

namespace skin {

QColor GetSysColor(int index, const QPalette &palette) {
    using P = QPalette;
    using I = SysColorIndex;
    switch (I(index)) {
    case I::ScrollBar:
    case I::Light3D:
        return palette.color(P::Active, P::Midlight);
    case I::Background:
    case I::AppWorkspace:
    case I::ButtonShadow:
        return palette.color(P::Active, P::Dark);
    case I::ActiveCaption:
    case I::Highlight:
    case I::MenuHighlight:
        return palette.color(P::Active, P::Highlight);
    case I::InactiveCaption:
        return palette.color(P::Inactive, P::Highlight);
    case I::Window:
        return palette.color(P::Active, P::Base);
    case I::WindowFrame:
    case I::DarkShadow3D:
        return palette.color(P::Active, P::Shadow);
    case I::MenuText:
        return palette.color(P::Active, P::WindowText);
    case I::WindowText:
        return palette.color(P::Active, P::Text);
    case I::CaptionText:
    case I::HighlightText:
        return palette.color(P::Active, P::HighlightedText);
    case I::ButtonFace:
        return palette.color(P::Active, P::Button);
    case I::GrayText:
        return palette.color(P::Disabled, P::Text);
    case I::ButtonText:
        return palette.color(P::Active, P::ButtonText);
    case I::InactiveCaptionText:
        return palette.color(P::Disabled, P::WindowText);
    case I::ButtonHighlight:
        return palette.color(P::Active, P::Light);
    case I::InfoText:
        return palette.color(P::Active, P::ToolTipText);
    case I::InfoBackground:
        return palette.color(P::Active, P::ToolTipBase);
    case I::HotLight:
        return palette.color(P::Active, P::Link);
    case I::GradientActiveCaption:
        return palette.color(P::Active, P::Highlight).lighter(130);
    case I::GradientInactiveCaption:
        return palette.color(P::Inactive, P::Highlight).lighter(130);
    default: // Menu, ActiveBorder, InactiveBorder, MenuBar and unknown indexes
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
