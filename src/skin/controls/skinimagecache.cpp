#include "skin/controls/skinimagecache.h"

namespace skin {

namespace {
constexpr size_t MaxEntries = 12;
} // namespace

void TSkinImageCache::Clear() {
    entries.clear();
    builtFrom.reset();
}

const QImage *TSkinImageCache::Find(const std::shared_ptr<const SkinObjects> &skin, QSize size,
                                    quint64 state) {
    if (builtFrom.lock() != skin) {
        Clear();
        builtFrom = skin;
        return nullptr;
    }
    for (const Entry &e : entries)
        if (e.size == size && e.state == state)
            return &e.image;
    return nullptr;
}

const QImage &TSkinImageCache::Store(QSize size, quint64 state, QImage image) {
    if (entries.size() >= MaxEntries)
        entries.erase(entries.begin());
    entries.push_back(Entry{size, state, std::move(image)});
    return entries.back().image;
}

} // namespace skin
