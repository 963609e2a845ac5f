#pragma once

namespace skin {

// The frame a skinned window gets: a caption with a sizing border, a caption without one, no
// caption (the window keeps whatever frame it has), or a dialog frame.
enum class TFrameKind { Sizable = 0, Fixed = 1, NoCaption = 2, Dialog = 3 };

// What a skinned window is to MDI: an ordinary window, an MDI frame (it holds a QMdiArea, its
// MDI client) or an MDI child (a QMdiSubWindow inside such an area).
enum class TWindowKind { Normal = 0, MDIFrame = 1, MDIChild = 2 };

// How the window is shown.
enum class TShowState { Normal = 0, Maximized = 1, Minimized = 2 };

// Where a skinned window is in its life: attached (the frame is not painted yet), skinned,
// taking a new skin, detaching (the window is going), fixing its size, finished (the manager
// frees it).
enum class TFormState { Attached, Skinned, Reapplying, Detaching, FixingSize, Finished };

} // namespace skin
