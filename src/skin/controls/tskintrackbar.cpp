#include "skin/controls/tskintrackbar.h"

#include "skin/controls/controldraw.h"

#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>

namespace skin {

namespace {

// Source and target bands of a three-piece copy: a fixed cap at each end and the middle
// stretched between them, along one axis.
void StretchBands(QPainter &dc, const QImage &image, const QRect &target, int head, int tail,
                  bool vertical) {
    const int length = vertical ? image.height() : image.width();
    const int span = vertical ? target.height() : target.width();
    const auto piece = [&](int from, int count, int to, int size) {
        if (count < 1 || size < 1)
            return;
        const QRect source =
            vertical ? QRect(0, from, image.width(), count) : QRect(from, 0, count, image.height());
        const QRect dest = vertical ? QRect(target.left(), to, target.width(), size)
                                    : QRect(to, target.top(), size, target.height());
        dc.drawImage(dest, image, source);
    };
    const int start = vertical ? target.top() : target.left();
    piece(0, head, start, head);
    piece(head, length - head - tail, start + head, span - head - tail);
    piece(length - tail, tail, start + span - tail, tail);
}

} // namespace

TSkinTrackBar::TSkinTrackBar(QSlider *slider) : TSkinControl(slider) {}

QSlider *TSkinTrackBar::Slider() const {
    return qobject_cast<QSlider *>(Control());
}

TSkinControl::Message TSkinTrackBar::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint && Skin() && Slider()) {
        PaintMessage();
        return Message::Eaten;
    }
    return TSkinControl::BeforeMessage(event);
}

QStyleOptionSlider TSkinTrackBar::Option() const {
    const QSlider *slider = Slider();
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->orientation() == Qt::Horizontal
                            ? slider->invertedAppearance() != (option.direction == Qt::RightToLeft)
                            : !slider->invertedAppearance();
    option.direction = Qt::LeftToRight; // upsideDown carries the direction
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    if (slider->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

void TSkinTrackBar::DrawControl(QPainter &dc, const QRect &rect, const ControlState &) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    const QSlider *slider = Slider();
    if (!skin || !slider || rect.isEmpty())
        return;
    QImage &image = WorkBitmap(rect.size());
    QPainter canvas(&image);
    canvas.translate(-rect.topLeft());
    QStyleOptionSlider option = Option();
    // The ticks exactly as the style draws them beside its groove; the groove is wiped.
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks;
    slider->style()->drawComplexControl(QStyle::CC_Slider, &option, &canvas, slider);
    canvas.setCompositionMode(QPainter::CompositionMode_Clear);
    canvas.fillRect(slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                    QStyle::SC_SliderGroove, slider),
                    Qt::transparent);
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    DrawChannel(canvas, option, *skin);
    DrawThumb(canvas, option, *skin);
    if (slider->hasFocus()) {
        // Around the whole slider, as a trackbar shows its focus (the rectangle's place of the
        // styles that draw one; Fusion only outlines its own groove and handle).
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        slider->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &canvas, slider);
    }
    canvas.end();
    dc.drawImage(rect.topLeft(), image);
}

void TSkinTrackBar::DrawChannel(QPainter &dc, const QStyleOptionSlider &option,
                                const SkinObjects &skin) {
    const QSlider *slider = Slider();
    const QRect r = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                    QStyle::SC_SliderGroove, slider);
    const bool vertical = option.orientation == Qt::Vertical;
    if (vertical && skin.TRACKVERT && skin.TRACKVERT->HasImage()) {
        const TDataSkinObject &track = *skin.TRACKVERT;
        const int w = track.Image.width();
        const int offset = w < r.width() ? (r.width() - w) / 2 : 0;
        StretchBands(dc, track.Image, QRect(r.left() + offset, r.top(), w, r.height()),
                     track.TopHeight, track.BottomHeight, true);
    } else if (skin.Track && skin.Track->HasImage()) {
        // Centred across the groove, as the thumb is.
        const TDataSkinObject &track = *skin.Track;
        const int h = track.Image.height();
        const int offset = h < r.height() ? (r.height() - h) / 2 : 0;
        StretchBands(dc, track.Image, QRect(r.left(), r.top() + offset, r.width(), h),
                     track.LeftWidth, track.RightWidth, false);
    }
}

void TSkinTrackBar::DrawThumb(QPainter &dc, const QStyleOptionSlider &option,
                              const SkinObjects &skin) {
    const QSlider *slider = Slider();
    const QRect t = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                    QStyle::SC_SliderHandle, slider);
    const TDataSkinObject *thumb = nullptr;
    if (option.orientation == Qt::Vertical && skin.TrackbarThumbVert &&
        skin.TrackbarThumbVert->HasImage())
        thumb = skin.TrackbarThumbVert.get();
    else if (skin.TrackbarThumbHorz && skin.TrackbarThumbHorz->HasImage())
        thumb = skin.TrackbarThumbHorz.get();
    if (thumb) {
        DrawStripToDC(dc, t, 5, 2, thumb->Image);
        return;
    }
    dc.setPen(SystemColour(skin.ButtonShadow));
    dc.setBrush(Qt::white);
    dc.drawRect(t.adjusted(0, 0, -1, -1));
}

} // namespace skin
