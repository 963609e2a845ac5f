#pragma once

#include <QImage>
#include <QSize>

namespace skin {

class TDataSkinBorder;
class TDataSkinTitle;

// The images of one window's frame at its current size: the four borders (opaque) and the
// caption's text plate (keyed). Each is built from the skin when its size, its frame or its
// source image changes, and drawn as it is by every paint in between, so a paint allocates no
// image.
class TFrameImages {
public:
    enum TPart { PartLeft, PartRight, PartTop, PartBottom, PartTextBack, PartCount };

    // Border `part` (Left/Right horizontal strips, Top/Bottom vertical) at `size`, showing frame 1
    // while `active` and frame 2 otherwise (1 for a single-frame part); centre tiled unless the
    // border is stretched. A null image for an empty size or image.
    QImage Border(const TDataSkinBorder &border, TPart part, QSize size, bool active);
    // The border as painted on a translucent window: the key-coloured pixels of a part whose
    // Trans is set are transparent.
    QImage PaintedBorder(const TDataSkinBorder &border, TPart part, QSize size, bool active);
    // The text plate (a vertical strip of 2 frames) at `size`, three parts with the title's
    // plate margins; key-coloured pixels transparent.
    QImage TextBack(const TDataSkinTitle &title, QSize size, bool active);
    // Forgets every image (a new skin).
    void Clear();

    // The frame a border shows.
    static int BorderFrame(const TDataSkinBorder &border, bool active);

private:
    struct Entry {
        qint64 source = 0;
        QSize size;
        int frame = 0;
        QImage image;
        QImage keyed; // made from `image` when first painted keyed
    };
    Entry entries[PartCount];
};

} // namespace skin
