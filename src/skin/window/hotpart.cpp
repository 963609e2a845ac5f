#include "skin/window/hotpart.h"

namespace skin {

TNCObject *HotPart(const THotInputs &in) {
    if (!in.OverWindow || !in.Active || (in.Pressed && in.Under != in.Pressed))
        return nullptr;
    return in.Under;
}

} // namespace skin
