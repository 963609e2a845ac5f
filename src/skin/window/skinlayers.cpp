#include "skin/window/tcontrollayer.h"
#include "skin/window/tframemenubar.h"
#include "skin/window/tmenulayer.h"

namespace skin {

TControlLayer::~TControlLayer() = default;
TMenuLayer::~TMenuLayer() = default;
TFrameMenuBar::~TFrameMenuBar() = default;

} // namespace skin
