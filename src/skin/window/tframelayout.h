#pragma once

#include "skin/window/captionbuttons.h"
#include "skin/window/windowcodes.h"

#include <QFont>
#include <QMargins>
#include <QRect>
#include <QRegion>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace skin {

struct SkinObjects;

// What a skinned window's frame layout is computed from.
struct TFrameInputs {
    QSize Size;          // the whole window, frame included
    QString Title;       // the title as the window shows it
    QFont CaptionFont;   // resolved: measured and drawn as it is
    TCaptionFacts Facts; // caption styles, active and show state, frame kind
    bool RightToLeft = false;
    bool Popup = false;    // a dialog-type window
    int MenuBarHeight = 0; // the menu-bar strip below the caption
    int IconSize = 16;     // the window icon a system-menu button shows without an image
};

// Where one caption button sits, whether it shows and whether it can be clicked.
struct TCaptionButtonPlace {
    QRect Rect;
    bool Visible = false;
    bool Enabled = true;
};

// The frame of one skinned window at one size: its thicknesses, the caption and menu-bar
// strips, the title's rectangle and the caption buttons' places. Computed when an input changes
// (size, title, active or show state, skin) and read by painting and hit testing alike.
class TFrameLayout {
public:
    // Asks the window whether a button of Visibility 1000..2000 shows (greater than 0: shows).
    using TAskWindow = std::function<qintptr(int visibility, int action)>;

    TFrameLayout() = default;
    TFrameLayout(const SkinObjects &skin, const TFrameInputs &inputs, const TAskWindow &askWindow);

    // The border thicknesses the skin gives a window of that frame kind (none without a
    // caption); a frame count below 1 counts as 1.
    static QMargins Metrics(const SkinObjects &skin, TFrameKind kind);
    // The caption font of a skin: the system's title font at the skin's title height, every
    // attribute set so that no widget font is merged into it.
    static QFont CaptionFont(const SkinObjects &skin);

    QSize Size() const { return size; }
    const QMargins &Metrics() const { return metrics; }
    int MenuBarHeight() const { return menuBarHeight; }
    // The caption strip (0, 0, width, caption height) and the area its title and top border
    // take: between the side borders, or the whole width when minimized.
    QRect CaptionRect() const { return QRect(0, 0, size.width(), metrics.top()); }
    QRect CaptionArea() const { return captionArea; }
    QRect MenuBarRect() const;
    QRect ClientRect() const;
    // Everything outside the client.
    QRegion FrameRegion() const;
    // The title with its blanks, its rectangle (text plate included) and the largest left edge
    // of the right-aligned caption buttons (0 when there is none).
    const QString &TitleText() const { return titleText; }
    QRect TextRect() const { return textRect; }
    int RightButtonsLeft() const { return rightButtonsLeft; }
    // The left edge of the leftmost caption button shown in the menu-bar strip (the MDI buttons
    // of a maximized child), or none.
    std::optional<int> MenuStripButtonsLeft() const { return menuStripButtonsLeft; }
    // One place per caption button of the skin, in the skin's order.
    const std::vector<TCaptionButtonPlace> &Buttons() const { return buttons; }
    // The index of the visible, clickable caption button at a point, or -1.
    int ButtonAt(QPoint p) const;
    FrameHit HitTest(QPoint p, bool sizable) const;

private:
    QSize size;
    QMargins metrics;
    int menuBarHeight = 0;
    QRect captionArea;
    QString titleText;
    QRect textRect;
    int rightButtonsLeft = 0;
    std::optional<int> menuStripButtonsLeft;
    std::vector<TCaptionButtonPlace> buttons;
    std::vector<int> actions;
};

} // namespace skin
