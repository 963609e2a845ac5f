#pragma once

#include "skin/data/tdataskinobject.h"

namespace skin {

// A caption button ([BUTTON...] sections and the three MDI buttons). Action: 0 close,
// 1 maximize/restore, 2 minimize, 3 and 11 system menu, 4 help, 7/8/9 MDI child minimize,
// restore, close; what Align, the coordinates and the visibilities mean is the painters'.
class TDataSkinSysButton : public TDataSkinObject {
public:
    explicit TDataSkinSysButton(const QString &name);
    ~TDataSkinSysButton() override;

    int Action = 0;
    int Align = 0;
    int Xcoord = 0;
    int Ycoord = 0;
    int CombineOp = -1;
    int Visibility = 0;
    int Visibility1 = 0;
};

} // namespace skin
