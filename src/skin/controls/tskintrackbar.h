#pragma once

#include "skin/controls/tskincontrol.h"

class QSlider;
class QStyleOptionSlider;

namespace skin {

// A slider painted from the skin: the style draws its tick marks, the skin its channel (Track,
// or TRACKVERT for a vertical slider: fixed caps, stretched middle, centred across the
// groove) and its thumb (frame 2 of the Trackbar.ThumbHorz or ThumbVert strip, whatever the
// state). Without a thumb image the thumb is a white rectangle outlined in ButtonShadow;
// without a channel image no channel is drawn. The focus shows as the style's focus rectangle
// around the slider.
class TSkinTrackBar : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinTrackBar(QSlider *slider);

    ControlKind Kind() const override { return ControlKind::TrackBar; }

    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcTrackBar; }
    Message BeforeMessage(QEvent *event) override;

private:
    QSlider *Slider() const;
    QStyleOptionSlider Option() const;
    void DrawChannel(QPainter &dc, const QStyleOptionSlider &option, const SkinObjects &skin);
    void DrawThumb(QPainter &dc, const QStyleOptionSlider &option, const SkinObjects &skin);
};

} // namespace skin
