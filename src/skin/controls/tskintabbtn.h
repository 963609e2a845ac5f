#pragma once

#include "skin/controls/tskintab.h"

namespace skin {

// A tab widget whose tabs look like buttons (its property tabStyle is "buttons" or
// "flatButtons"): each tab is a [Buttons] face, frame 2 for the current tab and 1 for the
// others, on the skin's face colour, with the section's normal and pressed text colours when
// it gives them; there is no pane. Without a [Buttons] image the widget paints natively.
class TSkinTabBtn : public TSkinTab {
    Q_OBJECT

public:
    explicit TSkinTabBtn(QWidget *tabs) : TSkinTab(tabs) {}

    ControlKind Kind() const override { return ControlKind::TabBtn; }

protected:
    bool HasTabFace() const override;
    bool ShowsPane() const override { return false; }
    bool PaintsWhole() const override { return HasTabFace(); }
    QColor StripFill(const SkinObjects &skin) const override;
    void DrawTab(QPainter &canvas, const QRect &t, int state, const SkinObjects &skin) override;
};

// A tab widget styled as buttons.
bool HasButtonTabs(const QWidget *tabs);

} // namespace skin
