#pragma once

#include <QPainter>
#include <QRect>
#include <QString>

namespace skin {

// Text format flags of SkinDrawText, with the values of the DrawText call they come from.
enum SkinTextFormat : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4, // with DT_SINGLELINE only
    DT_BOTTOM = 0x8,  // with DT_SINGLELINE only
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
    DT_RTLREADING = 0x20000,
};

// Draws text into rect with the painter's font, pen and layout, as the format says, and returns
// the height of the text (with DT_VCENTER or DT_BOTTOM: from rect's top to the text's bottom).
//
// - Lines end at CR LF, CR or LF; DT_SINGLELINE keeps everything on one line, DT_WORDBREAK
//   also breaks between words that would pass rect's right edge (a longer word stays whole).
// - '&' marks the next character as a mnemonic (underlined; "&&" is one '&') unless
//   DT_NOPREFIX is given.
// - DT_END_ELLIPSIS cuts a line that does not fit rect's width and ends it with an ellipsis
//   (not with DT_WORDBREAK).
// - The text is clipped to rect unless DT_NOCLIP is given.
// - DT_CALCRECT draws nothing: rect keeps its left and top and takes the size of the text
//   (its width as the wrapping width for DT_WORDBREAK).
// - DT_RTLREADING lays the text out right to left; DT_LEFT and DT_RIGHT keep their sides.
// An empty text draws nothing, returns 0 and, measured, gives an empty rect.
int SkinDrawText(QPainter &painter, const QString &text, QRect &rect, unsigned format);

} // namespace skin
