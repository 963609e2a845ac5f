#pragma once

#include "skin/draw/skincolor.h"

#include <QList>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace skin {

// The colour table of a gradient: one colour per line, count entries from start towards end
// (entry i = start + (d * i + n / 2) / n per channel, n = count - 1; one entry gives the
// midpoint). Colours are plain skin colours.
QList<SkinColor> BuildGradient(int count, SkinColor start, SkinColor end);

// Slot of the 16-slot gradient cache holding the table for (count, start, end); built into
// the next slot (round robin) when not cached. GUI thread only.
int GetGradient(int count, SkinColor start, SkinColor end);
// Slot of a cached table for (count, start, end), or -1.
int FindGradient(int count, SkinColor start, SkinColor end);
// The table of a slot (empty for an unused slot or an index outside 0..15).
const QList<SkinColor> &GradientTable(int slot);
// Forgets every cached table and restarts the round robin at slot 0.
void ClearGradientCache();

inline constexpr int GradientCacheSlots = 16;

// Fills rect with a gradient from start to end, top to bottom (vertical) or left to right,
// one line per table entry. Lines outside the painter's clip keep their colours in the
// rectangle (they are merely not painted). System colours are resolved through the palette.
void GradientFillRect(QPainter &painter, const QRect &rect, SkinColor start, bool vertical,
                      SkinColor end, const QPalette &palette);
void GradientFillRect(QPainter &painter, const QRect &rect, SkinColor start, bool vertical,
                      SkinColor end);

} // namespace skin
