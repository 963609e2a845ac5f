#pragma once

#include "skin/data/skinobjects.h"

#include <QImage>
#include <QSize>
#include <memory>
#include <vector>

namespace skin {

// Images a control skin composed, kept per size and state so that a repaint with nothing
// changed draws the kept image instead of building it again. Every image goes when the skin
// in use is another one. A few entries only: the oldest goes first.
class TSkinImageCache {
public:
    // The image kept for (size, state) under skin; built by build(image) on a miss, into an
    // image of size cleared to transparent.
    template <class Build>
    const QImage &Get(const std::shared_ptr<const SkinObjects> &skin, QSize size, quint64 state,
                      Build &&build) {
        if (const QImage *kept = Find(skin, size, state))
            return *kept;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        build(image);
        return Store(size, state, std::move(image));
    }
    void Clear();

private:
    const QImage *Find(const std::shared_ptr<const SkinObjects> &skin, QSize size, quint64 state);
    const QImage &Store(QSize size, quint64 state, QImage image);

    struct Entry {
        QSize size;
        quint64 state;
        QImage image;
    };
    std::weak_ptr<const SkinObjects> builtFrom;
    std::vector<Entry> entries;
};

} // namespace skin
