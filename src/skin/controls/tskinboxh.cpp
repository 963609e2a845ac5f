#include "skin/controls/tskinboxh.h"

namespace skin {

void TSkinBoxH::InitSkin(TWinSkinForm *form, TSkinData *data, bool) {
    // The face colour goes into the palette, where the labels on the box read it.
    TSkinControl::InitSkin(form, data, true);
}

} // namespace skin
