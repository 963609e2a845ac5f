#pragma once

#include "theme.h"

#include <QImage>

class QPainter;

namespace skinpack {

// Window frame, caption and menu art. Frame layouts are those the skin INI declares.

// Caption background of one state (frame outline, highlight row, gradient), captionHeight high.
QImage CaptionBackground(const Theme &theme, bool active, int width);

QImage DrawLeftBorder(const Theme &theme);   // 2 frames side by side: active, inactive
QImage DrawRightBorder(const Theme &theme);  // mirror of the left border
QImage DrawTopBorder(const Theme &theme);    // 2 frames stacked
QImage DrawBottomBorder(const Theme &theme); // 2 frames stacked
QImage DrawTextBack(const Theme &theme);     // 2 frames stacked: caption text plate

// Caption buttons: 4 frames (normal, pressed, hot, inactive/disabled).
enum class CaptionGlyph { Close, Maximize, Restore, Minimize, Help };
QImage DrawCaptionButton(const Theme &theme, CaptionGlyph glyph);
int CaptionButtonWidth(CaptionGlyph glyph);
inline constexpr int kCaptionButtonHeight = 20;
inline constexpr int kCaptionButtonTop = 4;

// A caption glyph in a 10x10 box at (x, y), without anti-aliasing except the close cross.
void PaintCaptionGlyph(QPainter &painter, int x, int y, CaptionGlyph glyph, const QColor &colour);

QImage DrawMenuBar(const Theme &theme);        // 2 frames stacked: active, inactive
QImage DrawMenuItem(const Theme &theme);       // 5 frames
QImage DrawMenuBackground(const Theme &theme); // 1 frame, 3-pixel rim
QImage DrawMdiControls(const Theme &theme);    // 12 frames: minimise, restore, close x 4

} // namespace skinpack
