#pragma once

#include "skin/data/tskindata.h"

namespace skin {

// The skin objects a skinned window paints from. Every reader in the window layer goes through
// this one alias and SkinObjectsOf(), so the way the component hands out its objects is a local
// matter: take a SkinRef for as long as objects or images from it are in use, and fetch it
// again when the skin changes (the manager's skin-changed action rebuilds the windows).
using SkinRef = const TSkinData *;

// The component's objects, or nullptr while it has no skin.
inline SkinRef SkinObjectsOf(const TSkinData *data) {
    return data && !data->SkinLoading() ? data : nullptr;
}

} // namespace skin
