#pragma once

// What the control skins read of the skin-data component, in one place: the skin objects and
// colours they paint from, and the DrawText-style text routine.

#include "skin/data/tskindata.h"

#include <QRect>
#include <QString>
#include <optional>

class QPainter;

namespace skin {

// The skin objects and colours of one paint. Fetch it when a paint starts and use it only
// during that paint.
struct ControlSkin {
    const TDataSkinButton *Buttons = nullptr;
    const TDataSkinObject *StatusBarEdges = nullptr;
    const TDataSkinObject *ExtraImages = nullptr;
    SkinColor ButtonFace = clBtnFace;
    SkinColor ButtonText = clBtnText;
    SkinColor ButtonShadow = clBtnShadow;
};

// The component's skin; empty without a component or while it has no skin read.
std::optional<ControlSkin> FetchControlSkin(const TSkinData *data);

// DrawText format flags.
enum DrawTextFormat : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
    DT_RTLREADING = 0x20000,
};

// Draws text into rect with the painter's font and pen: lines start at rect's top and are
// aligned left, centred or right; "&" marks a mnemonic unless DT_NOPREFIX. With DT_CALCRECT
// nothing is drawn: rect keeps its top-left and takes the text's width and height (lines
// wrap at rect's width with DT_WORDBREAK). Returns the text's height.
int SkinDrawText(QPainter &painter, const QString &text, QRect &rect, unsigned format);

} // namespace skin
