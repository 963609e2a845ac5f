#pragma once

#include "skin/data/tdataskinobject.h"

namespace skin {

// The group-box label plate ([GroupBox]).
class TDataSkinBoxLabel : public TDataSkinObject {
public:
    explicit TDataSkinBoxLabel(const QString &name);
    ~TDataSkinBoxLabel() override;

    int BackgroundLeftShift = 0;
    int BackgroundRightShift = 0;
    int BackgroundAlignment = 0;
};

} // namespace skin
