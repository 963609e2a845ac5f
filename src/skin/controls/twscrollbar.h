#pragma once

#include "skin/controls/skinimagecache.h"
#include "skin/data/tskindata.h"
#include "skin/window/liveobject.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <optional>

class QPainter;
class QScrollBar;
class QStyleOptionSlider;

namespace skin {

class TSkinControl;

// The parts of a scroll bar, numbered as the scroll codes that hit them.
enum class ScrollPart {
    None = -1,
    FirstArrow = 0,
    SecondArrow = 1,
    PageBefore = 2,
    PageAfter = 3,
    Thumb = 5
};

// Where a point along a bar falls: the arrows at either end, the page areas before and after
// the thumb, or the thumb (given by its start and end along the bar).
ScrollPart ScrollPartAt(int pos, int length, int arrowSize, int thumbStart, int thumbEnd);
// The hot part of a bar that nothing holds pressed: the part at the pointer's place along the
// bar, none while the pointer is not over the bar or the bar is disabled.
ScrollPart HotScrollPart(bool enabled, const std::optional<int> &pointer, int length, int arrowSize,
                         int thumbStart, int thumbEnd);

// Paints one scroll bar of a skinned control from the skin: the Scrollbar strip of 23 frames
// for the arrows (1/5 left and right, 9/13 up and down; +1 pressed, +3 hot) and the thumb's
// grip (17 horizontal, 20 vertical; +1 pressed, +2 hot), the HorzScroll/VertScroll shaft
// (frame 1, or 3 when there is nothing to scroll) and the HorzScrollThumb/VertScrollThumb thumb
// (1 normal, 2 pressed, 3 hot). The bar keeps its own input: line, page and thumb scrolling and
// the wheel are the bar's. Qt places the thumb, so a drag stays on the track.
//
// Without a Scrollbar image the bar paints itself; without a thumb image, or with an arrow
// strip too small to cut 23 frames from, the bar's own thumb or arrows are drawn in the skin's
// place. A bar of a drop-down list shows no hot or pressed parts.
class TWScrollbar : public QObject {
    Q_OBJECT

public:
    // Watches bar for the skin creator (its skin data and switch), while the skin's gate is on;
    // a child of the creator.
    TWScrollbar(TSkinControl *creator, QScrollBar *bar, TSkinData::TSkinControlType gate,
                bool tracksMouse = true);
    ~TWScrollbar() override;

    QScrollBar *Bar() const;
    ScrollPart HotPart() const { return hotPart; }
    bool Pressed() const { return pressed; }
    // Draws the bar as the skin shows it; false when the skin leaves it to the bar.
    bool DrawBar(QPainter &dc);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Active() const;
    void Track(QEvent *event);
    void SetState(ScrollPart hot, bool down);
    // The hot part as the pointer now stands, when nothing holds the bar: the thumb moves
    // under a still pointer (wheel, keys), and no leave comes for a pointer that left while a
    // popup held it.
    void UpdateHot();
    QStyleOptionSlider Option() const;
    // The part at pos (the bar's coordinates), none outside the bar or while it is disabled.
    ScrollPart HotPartAt(const std::optional<QPoint> &pos) const;

    QPointer<TSkinControl> creator;
    TLiveObject<QScrollBar> bar;
    TSkinData::TSkinControlType gate;
    bool tracksMouse;
    ScrollPart hotPart = ScrollPart::None;
    bool pressed = false;
    TSkinImageCache shaftCache; // shaft and arrows
    TSkinImageCache thumbCache; // thumb and grip
};

} // namespace skin
