#pragma once

#include "imagekit.h"
#include "theme.h"

#include <QImage>

namespace skinpack {

// Push buttons, check and radio boxes, tabs, headers, progress, status bar and group boxes.

PlateColours PlateLook(const Theme &theme, Look look);

QImage DrawButtons(const Theme &theme);       // 5 frames: normal, pressed, disabled, hot, focused
QImage DrawCheckBoxes(const Theme &theme);    // 12 frames: unchecked, checked, mixed x 4 states
QImage DrawRadioButtons(const Theme &theme);  // 8 frames: unchecked, checked x 4 states
QImage DrawToolBars(const Theme &theme);      // 5 frames
QImage DrawProgress(const Theme &theme);      // 2 frames: trough, fill
QImage DrawProgressChunk(const Theme &theme); // 1 frame
QImage DrawTabs(const Theme &theme);          // 5 frames: normal, selected, hot, disabled, focused
QImage DrawTabBorder(const Theme &theme);     // 1 frame
QImage DrawTabPane(const Theme &theme);       // 1 frame
QImage DrawHeaderBar(const Theme &theme);     // 2 frames: normal, hot
QImage DrawStatusEdges(const Theme &theme);   // 3 frames: lowered, raised, none
QImage DrawGroupBoxEdge(const Theme &theme);  // 2 frames
QImage DrawGroupBoxLabel(const Theme &theme); // 1 frame

} // namespace skinpack
