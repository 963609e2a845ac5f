#pragma once

#include "skin/controls/skinimagecache.h"
#include "skin/controls/tskincontrol.h"

class QProgressBar;

namespace skin {

// The width of a bar's filled part: width x (value - minimum) / (maximum - minimum), rounded;
// 0 for an empty range (a busy bar) or a value at or below the minimum.
int ProgressFill(int width, int minimum, int maximum, int value);

// A progress bar painted whole from the skin's Progress image: frame 1 of the two-frame strip
// over the bar and frame 2 over its filled part; in chunk style (Style 1) the whole image as the
// background and Progress.Chunk stretched or repeated over the filled part. A vertical bar is
// drawn across and turned, so it fills from the bottom. Without the image the bar paints itself.
class TSkinProgress : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinProgress(QProgressBar *bar);

    ControlKind Kind() const override { return ControlKind::Progress; }

    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcProgress; }
    Message BeforeMessage(QEvent *event) override;

private:
    void DrawBar(QImage &image, const SkinObjects &skin, int fill) const;
    TSkinImageCache cache;
};

} // namespace skin
