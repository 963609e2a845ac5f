#pragma once

#include "skin/data/tskindata.h"

#include <memory>

namespace skin {

// The skin objects a skinned window paints from. A window holds the set it was last built from
// and fetches it again when the skin changes (the manager's skin-changed action rebuilds the
// windows), so a reload never pulls objects out from under a paint.
using SkinRef = std::shared_ptr<const SkinObjects>;

// The component's objects, or nullptr while it has no skin.
inline SkinRef SkinObjectsOf(const TSkinData *data) {
    return data ? data->Objects() : nullptr;
}

} // namespace skin
