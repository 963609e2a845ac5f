#pragma once

#include "skin/data/syscolours.h"

#include <QString>
#include <memory>

namespace skin {

struct SkinObjects;
class TDataSkinObject;

// The images computed after a skin's sections are read: the combo strip and its mirrored twin,
// the combo arrow, the toolbar gradient, the caption sample colour, and the track-bar fallbacks.
class TDerivedImages {
public:
    explicit TDerivedImages(SkinObjects &data);

    // A fresh object `name` with the program image of that name, margins 3, Tile 0, Frame 1.
    void LoadResourceSkinObject(std::unique_ptr<TDataSkinObject> &object,
                                const QString &name) const;
    void ComposeComboButton() const;
    void BuildComboArrow() const;
    void BuildToolbarGradient() const;
    SkinColor CalcTitleSampleColor() const;

private:
    SkinObjects &data;
};

} // namespace skin
