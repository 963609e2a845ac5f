#include "skin/window/tframepainter.h"

#include "skin/data/skinobjects.h"
#include "skin/data/tdataskinborder.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tdataskintitle.h"
#include "skin/draw/skincolor.h"
#include "skin/draw/skindrawtext.h"
#include "skin/window/captionbuttons.h"
#include "skin/window/formregion.h"
#include "skin/window/keyedframes.h"
#include "skin/window/tframelayout.h"
#include "skin/window/twinsysbutton.h"

#include <QPainter>

namespace skin {

void TFramePainter::Paint(QPainter &painter, const SkinObjects &skin, const TFrameLayout &layout,
                          const TFrameLook &look,
                          const std::vector<std::unique_ptr<TWinSysButton>> &buttons) {
    const int w = layout.Size().width(), h = layout.Size().height();
    const QMargins &m = layout.Metrics();
    translucent = look.Translucent;
    painter.save();
    if (look.ShowState != TShowState::Minimized) {
        DrawBorder(painter, skin, TFrameImages::PartLeft, QRect(0, 0, m.left(), h), look.Active);
        DrawBorder(painter, skin, TFrameImages::PartRight, QRect(w - m.right(), 0, m.right(), h),
                   look.Active);
        DrawBorder(painter, skin, TFrameImages::PartBottom,
                   QRect(m.left(), h - m.bottom(), w - m.left() - m.right(), m.bottom()),
                   look.Active);
    } else {
        painter.fillRect(QRect(0, 0, w, h), SkinToQColor(skin.ButtonFace, look.Palette));
    }
    PaintCaption(painter, skin, layout, look, buttons);
    if (look.ShowState != TShowState::Minimized && layout.MenuBarHeight() > 0)
        painter.fillRect(layout.MenuBarRect(), SkinToQColor(skin.ButtonFace, look.Palette));
    painter.restore();
}

void TFramePainter::DrawBorder(QPainter &painter, const SkinObjects &skin, TFrameImages::TPart part,
                               const QRect &rect, bool active) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const TDataSkinBorder *borders[] = {skin.Left.get(), skin.Right.get(), skin.Top.get(),
                                        skin.Bottom.get()};
    const QImage image = translucent
                             ? images.PaintedBorder(*borders[part], part, rect.size(), active)
                             : images.Border(*borders[part], part, rect.size(), active);
    if (!image.isNull())
        painter.drawImage(rect.topLeft(), image);
}

void TFramePainter::PaintCaption(QPainter &painter, const SkinObjects &skin,
                                 const TFrameLayout &layout, const TFrameLook &look,
                                 const std::vector<std::unique_ptr<TWinSysButton>> &buttons) {
    // Nothing of the caption reaches below it: not the title, not a button taller than it.
    painter.setClipRect(layout.CaptionRect());
    DrawBorder(painter, skin, TFrameImages::PartTop, layout.CaptionArea(), look.Active);
    PaintCaptionText(painter, skin, layout, look);
    const std::vector<TCaptionButtonPlace> &places = layout.Buttons();
    for (size_t i = 0; i < places.size() && i < buttons.size(); ++i) {
        const TWinSysButton &button = *buttons[i];
        const TDataSkinSysButton &data = button.Button();
        if (!places[i].Visible || places[i].Rect.isEmpty() || data.Visibility == MDIButtonPlacement)
            continue;
        const QRect &rect = places[i].Rect;
        if (button.ShowsWindowIcon()) {
            if (!look.Icon.isNull())
                look.Icon.paint(&painter,
                                QRect(rect.topLeft(), QSize(look.IconSize, look.IconSize)));
            else if (!look.IconImage.isNull())
                painter.drawImage(rect.topLeft(), KeyedFrame(look.IconImage, 1, 1, false));
            continue;
        }
        const int count = std::max(1, data.FrameCount());
        const int frame =
            CaptionButtonFrame(int(button.State()), places[i].Enabled, look.Active, count, false);
        painter.drawImage(rect.topLeft(), KeyedFrame(data.Image, count, frame, false));
    }
    painter.setClipping(false);
}

void TFramePainter::PaintMenuStripButtons(
    QPainter &painter, const TFrameLayout &layout,
    const std::vector<std::unique_ptr<TWinSysButton>> &buttons) const {
    const std::vector<TCaptionButtonPlace> &places = layout.Buttons();
    for (size_t i = 0; i < places.size() && i < buttons.size(); ++i) {
        const TDataSkinSysButton &data = buttons[i]->Button();
        if (!places[i].Visible || places[i].Rect.isEmpty() || data.Visibility != MDIButtonPlacement)
            continue;
        const int count = std::max(1, data.FrameCount());
        const int frame =
            CaptionButtonFrame(int(buttons[i]->State()), places[i].Enabled, true, count, true);
        painter.drawImage(places[i].Rect.topLeft(), KeyedFrame(data.Image, count, frame, false));
    }
}

void TFramePainter::PaintCaptionText(QPainter &painter, const SkinObjects &skin,
                                     const TFrameLayout &layout, const TFrameLook &look) {
    const TDataSkinTitle &title = *skin.Title;
    const QRect area = layout.CaptionArea();
    QRect textRect = layout.TextRect();
    const QRect plate(textRect.left(), area.top(), textRect.width(), area.height());
    const QImage back = images.TextBack(title, plate.size(), look.Active);
    if (!back.isNull())
        painter.drawImage(plate.topLeft(), back);

    textRect.adjust(title.TXTBackleft, 0, -title.TXTBackRight, 0);
    if (textRect.width() <= 0)
        return;
    painter.setFont(look.CaptionFont);
    painter.setPen(
        SkinToQColor(look.Active ? skin.TitleTextActive : skin.TitleTextNoActive, look.Palette));
    // A title is no menu caption: '&' stands for itself.
    SkinDrawText(painter, layout.TitleText(), textRect,
                 {look.RightToLeft ? Qt::AlignRight : Qt::AlignLeft, Qt::TextSingleLine,
                  SkinTextOption::ElideEnd});
}

QRegion TFramePainter::Outline(const SkinObjects &skin, const TFrameLayout &layout, bool active) {
    return BuildFormRegion(skin, images, layout.Size(), layout.Metrics(), active);
}

} // namespace skin
