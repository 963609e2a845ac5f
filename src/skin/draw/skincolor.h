#pragma once

#include <QColor>
#include <QPalette>
#include <QRgb>
#include <QtGlobal>

namespace skin {

// A colour of the skin engine: red in bits 0-7, green in 8-15, blue in 16-23. A negative
// value is a system colour whose low byte is the system colour index (see SysColorIndex).
using SkinColor = qint32;

// System colour indexes and their negative colour values (clSystemColor | index).
enum class SysColorIndex : int {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

inline constexpr SkinColor clSystemColor = SkinColor(0xFF000000u);

constexpr SkinColor SysColorValue(int index) {
    return clSystemColor | (index & 0xFF);
}
constexpr SkinColor SysColorValue(SysColorIndex index) {
    return SysColorValue(int(index));
}

inline constexpr SkinColor clScrollBar = SysColorValue(SysColorIndex::ScrollBar);
inline constexpr SkinColor clBackground = SysColorValue(SysColorIndex::Background);
inline constexpr SkinColor clActiveCaption = SysColorValue(SysColorIndex::ActiveCaption);
inline constexpr SkinColor clInactiveCaption = SysColorValue(SysColorIndex::InactiveCaption);
inline constexpr SkinColor clMenu = SysColorValue(SysColorIndex::Menu);
inline constexpr SkinColor clWindow = SysColorValue(SysColorIndex::Window);
inline constexpr SkinColor clWindowFrame = SysColorValue(SysColorIndex::WindowFrame);
inline constexpr SkinColor clMenuText = SysColorValue(SysColorIndex::MenuText);
inline constexpr SkinColor clWindowText = SysColorValue(SysColorIndex::WindowText);
inline constexpr SkinColor clCaptionText = SysColorValue(SysColorIndex::CaptionText);
inline constexpr SkinColor clActiveBorder = SysColorValue(SysColorIndex::ActiveBorder);
inline constexpr SkinColor clInactiveBorder = SysColorValue(SysColorIndex::InactiveBorder);
inline constexpr SkinColor clAppWorkSpace = SysColorValue(SysColorIndex::AppWorkspace);
inline constexpr SkinColor clHighlight = SysColorValue(SysColorIndex::Highlight);
inline constexpr SkinColor clHighlightText = SysColorValue(SysColorIndex::HighlightText);
inline constexpr SkinColor clBtnFace = SysColorValue(SysColorIndex::ButtonFace);
inline constexpr SkinColor clBtnShadow = SysColorValue(SysColorIndex::ButtonShadow);
inline constexpr SkinColor clGrayText = SysColorValue(SysColorIndex::GrayText);
inline constexpr SkinColor clBtnText = SysColorValue(SysColorIndex::ButtonText);
inline constexpr SkinColor clInactiveCaptionText =
    SysColorValue(SysColorIndex::InactiveCaptionText);
inline constexpr SkinColor clBtnHighlight = SysColorValue(SysColorIndex::ButtonHighlight);
inline constexpr SkinColor cl3DDkShadow = SysColorValue(SysColorIndex::DarkShadow3D);
inline constexpr SkinColor cl3DLight = SysColorValue(SysColorIndex::Light3D);
inline constexpr SkinColor clInfoText = SysColorValue(SysColorIndex::InfoText);
inline constexpr SkinColor clInfoBk = SysColorValue(SysColorIndex::InfoBackground);
inline constexpr SkinColor clHotLight = SysColorValue(SysColorIndex::HotLight);
inline constexpr SkinColor clGradientActiveCaption =
    SysColorValue(SysColorIndex::GradientActiveCaption);
inline constexpr SkinColor clGradientInactiveCaption =
    SysColorValue(SysColorIndex::GradientInactiveCaption);
inline constexpr SkinColor clMenuHighlight = SysColorValue(SysColorIndex::MenuHighlight);
inline constexpr SkinColor clMenuBar = SysColorValue(SysColorIndex::MenuBar);

// Plain colours in skin layout.
inline constexpr SkinColor clBlack = 0x000000;
inline constexpr SkinColor clWhite = 0xFFFFFF;

// The key colour, magenta: pixels of exactly this colour are transparent in every skin image.
inline constexpr QRgb KeyColor = 0xFFFF00FF;

constexpr int SkinRed(SkinColor c) {
    return c & 0xFF;
}
constexpr int SkinGreen(SkinColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int SkinBlue(SkinColor c) {
    return (c >> 16) & 0xFF;
}
constexpr SkinColor SkinRgb(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// Opaque QRgb of the low three bytes (a system colour is not resolved).
constexpr QRgb SkinColorToQRgb(SkinColor c) {
    return 0xFF000000u | (QRgb(SkinRed(c)) << 16) | (QRgb(SkinGreen(c)) << 8) | QRgb(SkinBlue(c));
}
constexpr SkinColor QRgbToSkinColor(QRgb rgb) {
    return SkinRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// The system colour of an index, taken from the palette (unknown indexes give Window).
QColor GetSysColor(int index, const QPalette &palette);

// Resolves a system colour through the palette; a plain colour is returned as it is (its
// high byte cleared). The one-argument forms use the application's palette.
SkinColor ColorToRGB(SkinColor c, const QPalette &palette);
SkinColor ColorToRGB(SkinColor c);
QColor SkinToQColor(SkinColor c, const QPalette &palette);
QColor SkinToQColor(SkinColor c);

} // namespace skin
