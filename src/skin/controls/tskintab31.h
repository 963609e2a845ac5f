#pragma once

#include "skin/controls/tskincontrol.h"

#include <QImage>
#include <QList>

class QMouseEvent;
class QTabBar;

namespace skin {

// A tab set (see IsTabSet) painted from the skin: on the skin's face colour, its tabs side by
// side from the bar's left edge (moved left as far as the bar has scrolled its tabs), each as
// wide as its caption and 9 pixels, drawn from the Tabs image flipped top to bottom (frame 2 for
// the current tab, 1 for the others) with the section's normal and hot text colours. A tab that
// would pass the end (the bar's right edge, or its scroll arrows while it shows them) is left
// out and the next one is tried in its place, so a later narrower tab may still show.
//
// The style gives the bar's own tabs the same widths, so the bar's hit areas are the tabs drawn
// until a tab is left out; a click on a tab drawn elsewhere than the bar has it is handed to
// the bar on that tab, and one where no tab is drawn selects nothing. While the skin draws the
// tabs the bar does not stretch its own over its width. The bar's focus shows on the current
// tab as the style shows it. Without a Tabs image the bar paints natively.
class TSkinTab31 : public TSkinControl {
    Q_OBJECT

public:
    // A tab as drawn: its index in the bar and its rectangle in the bar's coordinates.
    struct PlacedTab {
        int index;
        QRect rect;
    };

    explicit TSkinTab31(QTabBar *bar);

    ControlKind Kind() const override { return ControlKind::Tab31; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void Restore() override;
    void ReapplyColor() override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

    // The tabs drawn at the bar's size now, left to right.
    QList<PlacedTab> Layout() const;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcTab; }
    Message BeforeMessage(QEvent *event) override;

private:
    QTabBar *Bar() const;
    // The Tabs image flipped, made again when the skin's colours are applied again.
    void PrepareImage();
    // While the skin draws the tabs, the bar does not stretch its own over its width.
    void KeepTabsNarrow(bool on);
    // The width the bar's scroll arrows take at its end while shown.
    int EndMargin() const;
    // A press, double click or release on a drawn tab reaches the bar on that tab; one where
    // the bar has a tab but none is drawn is eaten.
    Message AimAtDrawnTab(QMouseEvent *mouse);

    QImage tabImage;
    bool expandingSwitched = false;
};

} // namespace skin
