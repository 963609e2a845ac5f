#pragma once

#include "skin/data/tdataskinobject.h"

namespace skin {

// A skin element with a second image: the window borders (`Left`, `Right`, `Top`, `Bottom`;
// their `Tile` holds the "Stretch" value, 1 = stretch), `Progress`, `Tabs` ("Border"),
// `ComboButton` (its mirrored twin), `UpDown.Horz`/`UpDown.Vert` ("GlyphImage").
class TDataSkinBorder : public TDataSkinObject {
public:
    explicit TDataSkinBorder(const QString &name);
    ~TDataSkinBorder() override;

    QImage Image2;
};

} // namespace skin
