#pragma once

namespace skin {

// Width of a scroll-bar arrow (and height of a horizontal scroll bar) the skin's art and cuts
// assume; the engine uses it wherever a system metric for scroll arrows is asked for.
constexpr int kArrowSize = 17;

} // namespace skin
