#pragma once

#include "skin/window/skinref.h"

#include <QHash>
#include <QImage>
#include <QSize>

namespace skin {

// The images popup menus are painted from, built once per skin and size: the background
// composed from MenuBackground, the MenuItem frames (key colour transparent when the item is
// transparent) and the separator. Opaque images stay RGB32, so drawing them is a plain copy.
// A new skin empties the cache.
class TMenuImageCache {
public:
    enum class TPart { Background, Separator, ItemFrame };

    // The image of a part at a size (ItemFrame takes the MenuItem frame number); a null image
    // when the skin lacks the part's image or the size is empty.
    QImage Image(const SkinRef &skin, TPart part, QSize size, int frame = 1);

private:
    static QImage Build(const SkinObjects &skin, TPart part, QSize size, int frame);

    SkinRef cachedSkin;
    QHash<quint64, QImage> images;
};

} // namespace skin
