#pragma once

#include "skin/data/syscolours.h"

#include <QImage>
#include <QMargins>
#include <QRect>
#include <QString>

namespace skin {

// One skinned element: an image strip of `Frame` equal state frames (side by side, or stacked
// for the vertical strips), nine-part margins, switches and text colours. Images are RGB32;
// magenta ($FF00FF) pixels are transparent where `Trans` is set. An element whose section or
// image key is missing has no object at all; an object may still hold an empty image.
class TDataSkinObject {
public:
    explicit TDataSkinObject(const QString &name);
    virtual ~TDataSkinObject();

    TDataSkinObject(const TDataSkinObject &) = delete;
    TDataSkinObject &operator=(const TDataSkinObject &) = delete;

    int LeftWidth = 0;
    int TopHeight = 0;
    int RightWidth = 0;
    int BottomHeight = 0;
    QImage Image;
    int Trans = 0;
    int Tile = 0;
    QString Name;
    int Frame = 0;
    int Style = 0;
    SkinColor NormalColour = -1; // -1 = not given
    SkinColor MouseOverColour = -1;
    SkinColor PressedColour = -1;
    SkinColor NormalColour2 = 0;
    SkinColor MouseOverColour2 = 0;
    SkinColor PressedColour2 = 0;

    // The margins as (LeftWidth, TopHeight, RightWidth, BottomHeight).
    QMargins Margins() const;
    // `Frame`, at least 1: the count to divide by.
    int FrameCount() const;
    // Size of one frame of a horizontal (or vertical) strip; leftover columns/rows are dropped.
    QSize FrameSize(bool vertical = false) const;
    // Source rectangle of frame `index` (1-based, clamped to 1..FrameCount()); empty when the
    // image is empty.
    QRect FrameRect(int index, bool vertical = false) const;
    // A copy of that frame; a null image when there is none.
    QImage FrameImage(int index, bool vertical = false) const;
    bool HasImage() const { return !Image.isNull() && Image.width() > 0 && Image.height() > 0; }
};

} // namespace skin
