#include "skin/window/keyedframes.h"

#include "skin/draw/keyedblit.h"
#include "skin/draw/stripframe.h"

#include <QHash>

namespace skin {

namespace {

struct FrameKey {
    qint64 image;
    int count;
    int index;
    bool vertical;
    bool operator==(const FrameKey &) const = default;
};

size_t qHash(const FrameKey &key, size_t seed = 0) {
    return qHashMulti(seed, key.image, key.count, key.index, key.vertical);
}

// Skins hold a few dozen frames; the bound only matters after many reloads.
constexpr qsizetype MaxCachedFrames = 512;

} // namespace

QImage KeyedFrame(const QImage &strip, int frameCount, int frameIndex, bool vertical) {
    static QHash<FrameKey, QImage> cache;
    const QRect frame = StripFrameRect(strip.size(), frameCount, frameIndex, vertical);
    if (frame.isEmpty())
        return QImage();
    const FrameKey key{strip.cacheKey(), frameCount, frameIndex, vertical};
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    if (cache.size() >= MaxCachedFrames)
        cache.clear();
    const QImage keyed = KeyedImage(strip.copy(frame));
    cache.insert(key, keyed);
    return keyed;
}

} // namespace skin
