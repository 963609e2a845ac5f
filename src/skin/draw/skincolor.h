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
enum SysColorIndex : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
};

inline constexpr SkinColor clSystemColor = SkinColor(0xFF000000u);

constexpr SkinColor SysColorValue(int index) {
    return clSystemColor | (index & 0xFF);
}

inline constexpr SkinColor clScrollBar = SysColorValue(COLOR_SCROLLBAR);
inline constexpr SkinColor clBackground = SysColorValue(COLOR_BACKGROUND);
inline constexpr SkinColor clActiveCaption = SysColorValue(COLOR_ACTIVECAPTION);
inline constexpr SkinColor clInactiveCaption = SysColorValue(COLOR_INACTIVECAPTION);
inline constexpr SkinColor clMenu = SysColorValue(COLOR_MENU);
inline constexpr SkinColor clWindow = SysColorValue(COLOR_WINDOW);
inline constexpr SkinColor clWindowFrame = SysColorValue(COLOR_WINDOWFRAME);
inline constexpr SkinColor clMenuText = SysColorValue(COLOR_MENUTEXT);
inline constexpr SkinColor clWindowText = SysColorValue(COLOR_WINDOWTEXT);
inline constexpr SkinColor clCaptionText = SysColorValue(COLOR_CAPTIONTEXT);
inline constexpr SkinColor clActiveBorder = SysColorValue(COLOR_ACTIVEBORDER);
inline constexpr SkinColor clInactiveBorder = SysColorValue(COLOR_INACTIVEBORDER);
inline constexpr SkinColor clAppWorkSpace = SysColorValue(COLOR_APPWORKSPACE);
inline constexpr SkinColor clHighlight = SysColorValue(COLOR_HIGHLIGHT);
inline constexpr SkinColor clHighlightText = SysColorValue(COLOR_HIGHLIGHTTEXT);
inline constexpr SkinColor clBtnFace = SysColorValue(COLOR_BTNFACE);
inline constexpr SkinColor clBtnShadow = SysColorValue(COLOR_BTNSHADOW);
inline constexpr SkinColor clGrayText = SysColorValue(COLOR_GRAYTEXT);
inline constexpr SkinColor clBtnText = SysColorValue(COLOR_BTNTEXT);
inline constexpr SkinColor clInactiveCaptionText = SysColorValue(COLOR_INACTIVECAPTIONTEXT);
inline constexpr SkinColor clBtnHighlight = SysColorValue(COLOR_BTNHIGHLIGHT);
inline constexpr SkinColor cl3DDkShadow = SysColorValue(COLOR_3DDKSHADOW);
inline constexpr SkinColor cl3DLight = SysColorValue(COLOR_3DLIGHT);
inline constexpr SkinColor clInfoText = SysColorValue(COLOR_INFOTEXT);
inline constexpr SkinColor clInfoBk = SysColorValue(COLOR_INFOBK);
inline constexpr SkinColor clHotLight = SysColorValue(COLOR_HOTLIGHT);
inline constexpr SkinColor clGradientActiveCaption = SysColorValue(COLOR_GRADIENTACTIVECAPTION);
inline constexpr SkinColor clGradientInactiveCaption = SysColorValue(COLOR_GRADIENTINACTIVECAPTION);
inline constexpr SkinColor clMenuHighlight = SysColorValue(COLOR_MENUHILIGHT);
inline constexpr SkinColor clMenuBar = SysColorValue(COLOR_MENUBAR);

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
