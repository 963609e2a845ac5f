#pragma once

#include "skin/window/skinref.h"

#include <QImage>

class QPainter;
class QStyleOptionMenuItem;

namespace skin {

class TMenuImageCache;

// Owner-drawn popup-menu items, painted from the skin's MenuItem strip (frame 1 normal, 2
// separator, 4 selected) over the popup's background, or in plain skin colours when the skin
// has no MenuItem image. `background` covers the whole popup in its own coordinates; without
// one the item stands on the skin's Menu colour.

// One item at option.rect: its frame, glyph or check mark, caption and shortcut text
// ("caption\tshortcut"); right-to-left options mirror the layout. Frames come from `images`.
void DrawSkinMenuItem(QPainter &painter, const QStyleOptionMenuItem &option, const SkinRef &skin,
                      const QImage &background, TMenuImageCache &images);

// What the skin adds to an item's default width: the MenuItem's LeftWidth, then 10 when the
// menu shows images (12 in the system menu), else 35.
int MenuItemExtraWidth(const SkinObjects &skin, bool hasImages, bool systemMenu);

} // namespace skin
