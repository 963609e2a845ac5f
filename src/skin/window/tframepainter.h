#pragma once

#include "skin/window/frameimages.h"
#include "skin/window/windowkinds.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QRegion>
#include <memory>
#include <vector>

class QPainter;

namespace skin {

struct SkinObjects;
class TFrameLayout;
class TWinSysButton;

// What a frame paint shows besides the layout: the window's look at this moment.
struct TFrameLook {
    bool Active = true;
    bool RightToLeft = false;
    bool Translucent = false; // key-coloured border pixels are see-through
    TShowState ShowState = TShowState::Normal;
    QFont CaptionFont;
    QPalette Palette;
    QIcon Icon;       // the window's icon, or none
    QImage IconImage; // shown without an icon: one frame on the key colour
    int IconSize = 16;
};

// Paints a skinned window's frame from its layout (borders, caption, title, caption buttons,
// the menu-bar strip) and cuts the window's outline from the border images. Keeps the border
// images of the last size, so a paint of an unchanged frame allocates no image.
class TFramePainter {
public:
    void Paint(QPainter &painter, const SkinObjects &skin, const TFrameLayout &layout,
               const TFrameLook &look, const std::vector<std::unique_ptr<TWinSysButton>> &buttons);
    // The caption buttons placed in the menu-bar strip (the MDI buttons of a maximized child),
    // over the bar: normal, pressed, or hot in the frame of an inactive button.
    void PaintMenuStripButtons(QPainter &painter, const TFrameLayout &layout,
                               const std::vector<std::unique_ptr<TWinSysButton>> &buttons) const;
    // The window's outline at the layout's size, drawn as while `active`.
    QRegion Outline(const SkinObjects &skin, const TFrameLayout &layout, bool active);
    // Forgets the images (a new skin).
    void Clear() { images.Clear(); }

private:
    void DrawBorder(QPainter &painter, const SkinObjects &skin, TFrameImages::TPart part,
                    const QRect &rect, bool active);
    void PaintCaption(QPainter &painter, const SkinObjects &skin, const TFrameLayout &layout,
                      const TFrameLook &look,
                      const std::vector<std::unique_ptr<TWinSysButton>> &buttons);
    void PaintCaptionText(QPainter &painter, const SkinObjects &skin, const TFrameLayout &layout,
                          const TFrameLook &look);

    TFrameImages images;
    bool translucent = false;
};

} // namespace skin
