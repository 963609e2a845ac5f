#include "skin/window/tcontrollayer.h"
#include "skin/window/tmenulayer.h"

namespace skin {

TControlLayer::~TControlLayer() = default;
TMenuLayer::~TMenuLayer() = default;

} // namespace skin
