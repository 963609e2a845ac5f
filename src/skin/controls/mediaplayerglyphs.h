#pragma once

#include <QImage>
#include <QRgb>

namespace skin {

// The buttons of a media player, in the order of its button set.
enum class MediaButton { Play, Pause, Stop, Next, Prev, Step, Back, Record, Eject };
inline constexpr int MediaButtonCount = 9;

// How a media-player glyph is shown: "EN" enabled, "DI" disabled, "CL" coloured.
enum class MediaGlyphState { Enabled, Disabled, Coloured };

// The transparent colour of the glyphs (olive).
inline constexpr QRgb MediaGlyphKey = 0xFF808000;

// The glyph of a media-player button, drawn on the olive key colour.
QImage MediaPlayerGlyph(MediaButton button, MediaGlyphState state);

} // namespace skin
