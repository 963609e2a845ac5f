#pragma once

// Registers the embedded skin (":/skins/kexbora.skn") and the skin engine's fallback images
// (":/skins/TORVANDMENU.bmp", ":/skins/TRACK.bmp", ":/skins/TRACKVERT.bmp"). Resources in a
// static library must be registered once before first use; calling it again does no harm.
void kexboraInitSkinResource();
