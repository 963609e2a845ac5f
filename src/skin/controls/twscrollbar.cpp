#include "skin/controls/twscrollbar.h"

#include "skin/controls/tskincontrol.h"
#include "skin/data/skinmetrics.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/skincolor.h"
#include "skin/window/skinmessageevent.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cstdlib>

namespace skin {

namespace {

constexpr int ScrollbarFrames = 23;

// Frames of the Scrollbar strip.
constexpr int LeftArrowFrame = 1, RightArrowFrame = 5, UpArrowFrame = 9, DownArrowFrame = 13;
constexpr int HorzGripFrame = 17, VertGripFrame = 20;

bool Usable(const TDataSkinObject *o) {
    return o && o->HasImage();
}

// The Scrollbar strip cuts into 23 frames at least a pixel wide.
bool ArrowsUsable(const SkinObjects &skin) {
    return skin.Scrollbar->Image.width() >= ScrollbarFrames;
}

// A rectangle along the bar (start, length) at cross position 0 with the given thickness.
QRect Along(bool vertical, int start, int length, int thickness) {
    return vertical ? QRect(0, start, thickness, length) : QRect(start, 0, length, thickness);
}

} // namespace

ScrollPart ScrollPartAt(int pos, int length, int arrowSize, int thumbStart, int thumbEnd) {
    if (pos < arrowSize)
        return ScrollPart::FirstArrow;
    if (pos < thumbStart)
        return ScrollPart::PageBefore;
    if (pos < thumbEnd)
        return ScrollPart::Thumb;
    if (pos < length - arrowSize)
        return ScrollPart::PageAfter;
    return ScrollPart::SecondArrow;
}

ScrollPart HotScrollPart(bool enabled, const std::optional<int> &pointer, int length, int arrowSize,
                         int thumbStart, int thumbEnd) {
    if (!enabled || !pointer || *pointer < 0 || *pointer >= length)
        return ScrollPart::None;
    return ScrollPartAt(*pointer, length, arrowSize, thumbStart, thumbEnd);
}

TWScrollbar::TWScrollbar(TSkinControl *creator, QScrollBar *bar, TSkinData::TSkinControlType gate,
                         bool tracksMouse)
    : QObject(creator), creator(creator), bar(bar), gate(gate), tracksMouse(tracksMouse) {
    bar->installEventFilter(this);
    connect(bar, &QAbstractSlider::valueChanged, this, &TWScrollbar::UpdateHot);
    connect(bar, &QAbstractSlider::rangeChanged, this, &TWScrollbar::UpdateHot);
    bar->update();
}

TWScrollbar::~TWScrollbar() {
    if (bar) {
        bar->removeEventFilter(this);
        bar->update();
    }
}

QScrollBar *TWScrollbar::Bar() const {
    return bar;
}

bool TWScrollbar::Active() const {
    // A detached creator skins nothing while it waits to be deleted.
    if (!creator || !bar || creator->State() != TSkinControl::SkinState::Attached ||
        !creator->SkinEnabled() || !creator->SkinData() ||
        !creator->SkinData()->SkinControls().testFlag(gate))
        return false;
    const std::shared_ptr<const SkinObjects> skin = creator->SkinData()->Objects();
    return skin && Usable(skin->Scrollbar.get());
}

QStyleOptionSlider TWScrollbar::Option() const {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

ScrollPart TWScrollbar::HotPartAt(const std::optional<QPoint> &pos) const {
    const bool vertical = bar->orientation() == Qt::Vertical;
    const QStyleOptionSlider option = Option();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, bar);
    const int length = vertical ? bar->height() : bar->width();
    const std::optional<int> along = pos && bar->rect().contains(*pos)
                                         ? std::optional<int>(vertical ? pos->y() : pos->x())
                                         : std::nullopt;
    return HotScrollPart(bar->isEnabled(), along, length, std::min(kArrowSize, length / 2),
                         vertical ? thumb.top() : thumb.left(),
                         vertical ? thumb.bottom() + 1 : thumb.right() + 1);
}

void TWScrollbar::SetState(ScrollPart hot, bool down) {
    if (hot == hotPart && down == pressed)
        return;
    hotPart = hot;
    pressed = down;
    bar->update();
}

void TWScrollbar::UpdateHot() {
    if (tracksMouse && !pressed && Active() && (hotPart != ScrollPart::None || bar->underMouse()))
        SetState(HotPartAt(PointerIn(bar)), false);
}

void TWScrollbar::Track(QEvent *event) {
    const auto pos = [event] {
        return static_cast<QSinglePointEvent *>(event)->position().toPoint();
    };
    switch (event->type()) {
    case QEvent::HoverMove:
    case QEvent::MouseMove:
        if (!pressed)
            SetState(HotPartAt(pos()), false);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && bar->isEnabled())
            SetState(HotPartAt(pos()), true);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            SetState(HotPartAt(pos()), false);
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        if (!pressed)
            SetState(ScrollPart::None, false);
        break;
    case QEvent::EnabledChange:
        SetState(HotPartAt(PointerIn(bar)), false);
        break;
    default:
        break;
    }
}

bool TWScrollbar::eventFilter(QObject *watched, QEvent *event) {
    if (!bar.Is(watched) || !Active())
        return false;
    if (event->type() == QEvent::Type(SM_SKINQUERY)) {
        static_cast<SkinMessageEvent *>(event)->result = 1; // the bar answers that it is skinned
        return true;
    }
    if (event->type() == QEvent::Paint) {
        QPainter painter(bar);
        return DrawBar(painter);
    }
    if (tracksMouse)
        Track(event);
    return false;
}

bool TWScrollbar::DrawBar(QPainter &dc) {
    if (!Active())
        return false;
    const std::shared_ptr<const SkinObjects> skin = creator->SkinData()->Objects();
    const QPalette palette = bar->palette();
    const QColor face = SkinToQColor(skin->ButtonFace, palette);
    const bool vertical = bar->orientation() == Qt::Vertical;
    const QRect rect = bar->rect();
    const int length = vertical ? rect.height() : rect.width();
    const int imageHeight = skin->Scrollbar->Image.height();
    const int glyph = std::abs(imageHeight - kArrowSize) > 2 ? kArrowSize : imageHeight;
    const int arrow = 2 * kArrowSize > length ? length / 2 : kArrowSize;
    const bool enabled = bar->isEnabled();
    const bool scrollable = enabled && bar->maximum() > bar->minimum();
    const bool skinArrows = ArrowsUsable(*skin);
    const int hotStep = pressed ? 1 : 3;
    const int firstArrow = (vertical ? UpArrowFrame : LeftArrowFrame) +
                           (hotPart == ScrollPart::FirstArrow ? hotStep : 0);
    const int secondArrow = (vertical ? DownArrowFrame : RightArrowFrame) +
                            (hotPart == ScrollPart::SecondArrow ? hotStep : 0);

    const quint64 shaftState = quint64(firstArrow) | quint64(secondArrow) << 8 |
                               quint64(scrollable) << 16 | quint64(vertical) << 17;
    dc.drawImage(0, 0, shaftCache.Get(skin, rect.size(), shaftState, [&](QImage &image) {
        QPainter p(&image);
        p.fillRect(image.rect(), face);
        const TDataSkinObject *shaft = vertical ? skin->VertScroll.get() : skin->HorzScroll.get();
        if (Usable(shaft))
            DrawPart(p, Along(vertical, arrow, length - 2 * arrow, glyph), shaft->Image, false,
                     shaft->Tile != 0, shaft->Trans == 1, 4, scrollable ? 1 : 3, shaft->Margins());
        if (skinArrows) {
            const QImage &strip = skin->Scrollbar->Image;
            DrawStripFrame(p, Along(vertical, 0, arrow, glyph), strip, true, ScrollbarFrames,
                           firstArrow);
            DrawStripFrame(p, Along(vertical, length - arrow, arrow, glyph), strip, true,
                           ScrollbarFrames, secondArrow);
        }
    }));

    QStyleOptionSlider option = Option();
    if (!skinArrows) {
        option.subControls = QStyle::SC_ScrollBarAddLine | QStyle::SC_ScrollBarSubLine;
        bar->style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &dc, bar);
    }
    if (!scrollable)
        return true;
    const QRect slider = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                      QStyle::SC_ScrollBarSlider, bar);
    const TDataSkinObject *thumb =
        vertical ? skin->VertScrollThumb.get() : skin->HorzScrollThumb.get();
    if (!Usable(thumb)) {
        option.subControls = QStyle::SC_ScrollBarSlider;
        bar->style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &dc, bar);
        return true;
    }
    const int start = vertical ? slider.top() : slider.left();
    const int thumbLength = vertical ? slider.height() : slider.width();
    if (thumbLength <= 0 || start + thumbLength > length)
        return true;
    const bool onThumb = hotPart == ScrollPart::Thumb;
    const int thumbFrame = onThumb ? (pressed ? 2 : 3) : 1;
    const int gripFrame =
        (vertical ? VertGripFrame : HorzGripFrame) + (onThumb ? (pressed ? 1 : 2) : 0);
    const QSize thumbSize = vertical ? QSize(glyph, thumbLength) : QSize(thumbLength, glyph);
    const quint64 thumbState = quint64(thumbFrame) | quint64(gripFrame) << 8;
    dc.drawImage(vertical ? QPoint(0, start) : QPoint(start, 0),
                 thumbCache.Get(skin, thumbSize, thumbState, [&](QImage &image) {
                     QPainter p(&image);
                     DrawPart(p, image.rect(), thumb->Image, false, false, thumb->Trans == 1,
                              thumb->FrameCount(), thumbFrame, thumb->Margins());
                     if (skinArrows && glyph < thumbLength + 2)
                         DrawStripFrame(p, Along(vertical, (thumbLength - glyph) / 2, glyph, glyph),
                                        skin->Scrollbar->Image, true, ScrollbarFrames, gripFrame);
                 }));
    return true;
}

} // namespace skin
