#pragma once

#include "skin/draw/skincolor.h"

#include <QList>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace skin {

// The colour table of a gradient: one colour per line, count entries from start towards end
// (entry i = start + (d * i + n / 2) / n per channel, n = count - 1, divisions truncating
// toward zero; one entry gives the midpoint, fewer than one none). Colours are plain skin
// colours.
QList<SkinColor> GetGradient(int count, SkinColor start, SkinColor end);

// Fills rect with a gradient from start to end, top to bottom (vertical) or left to right,
// one line per table entry. Lines outside the painter's clip keep their colours in the
// rectangle (they are merely not painted). System colours are resolved through the palette.
void GradientFillRect(QPainter &painter, const QRect &rect, SkinColor start, bool vertical,
                      SkinColor end, const QPalette &palette);
void GradientFillRect(QPainter &painter, const QRect &rect, SkinColor start, bool vertical,
                      SkinColor end);

} // namespace skin
