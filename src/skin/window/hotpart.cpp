#include "skin/window/hotpart.h"

namespace skin {

TNCObject *HotPart(const THotInputs &in) {
    if (!in.OverWindow)
        return nullptr;
    if (in.Pressed)
        return in.Under == in.Pressed ? in.Pressed : nullptr;
    return in.Active ? in.Under : nullptr;
}

} // namespace skin
