#include "frameart.h"

#include "imagekit.h"

#include <QPainter>

namespace skinpack {

namespace {

constexpr int kBorderHeight = 40;

QColor captionRowColour(const Theme &t, bool active, int row) {
    const QColor top = active ? t.captionTop : t.captionInactiveTop;
    const QColor bottom = active ? t.captionBottom : t.captionInactiveBottom;
    if (row == 0)
        return active ? t.frameOuter : t.frameOuterInactive;
    if (row == 1)
        return mix(top, Qt::white, 0.22);
    return mix(top, bottom, double(row - 2) / (t.captionHeight - 3));
}

QColor borderColour(const Theme &t, bool active) {
    return active ? t.captionBottom : t.captionInactiveBottom;
}

QColor innerEdge(const Theme &t, bool active) {
    return mix(borderColour(t, active), active ? t.frameOuter : t.frameOuterInactive, 0.5);
}

QImage leftFrame(const Theme &t, bool active) {
    const int w = t.borderWidth;
    const int capH = t.captionHeight;
    const QColor outer = active ? t.frameOuter : t.frameOuterInactive;
    QImage img = solidCanvas(w, kBorderHeight, borderColour(t, active));
    QPainter p(&img);
    for (int y = 0; y < capH; ++y)
        p.fillRect(1, y, w - 1, 1, captionRowColour(t, active, y));
    // Middle: inner edge line against the client area.
    p.fillRect(w - 1, capH, 1, kBorderHeight - capH - 3, innerEdge(t, active));
    p.fillRect(1, kBorderHeight - 4, w - 1, 1, innerEdge(t, active));
    p.fillRect(0, 0, 1, kBorderHeight, outer);
    p.fillRect(0, kBorderHeight - 1, w, 1, outer);
    p.end();
    // Rounded top-left corner of radius 3, drawn pixel by pixel (it feeds the window region).
    img.setPixel(0, 0, KeyColor);
    img.setPixel(1, 0, KeyColor);
    img.setPixel(2, 0, KeyColor);
    img.setPixel(0, 1, KeyColor);
    img.setPixel(0, 2, KeyColor);
    img.setPixel(1, 1, outer.rgb());
    img.setPixel(2, 1, mix(outer, captionRowColour(t, active, 1), 0.5).rgb());
    img.setPixel(1, 2, outer.rgb());
    return img;
}

QColor plateFill(const Theme &t, CaptionGlyph glyph, bool pressed) {
    if (glyph == CaptionGlyph::Close)
        return pressed ? t.closePressed : t.closeHot;
    return pressed ? mix(t.captionBottom, t.frameOuter, 0.55) : mix(t.captionTop, Qt::white, 0.2);
}

} // namespace

QImage CaptionBackground(const Theme &theme, bool active, int width) {
    QImage img(width, theme.captionHeight, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < theme.captionHeight; ++y)
        p.fillRect(0, y, width, 1, captionRowColour(theme, active, y));
    // A darker last row separates the caption from the menu bar.
    p.fillRect(0, theme.captionHeight - 1, width, 1,
               mix(captionRowColour(theme, active, theme.captionHeight - 1),
                   active ? theme.frameOuter : theme.frameOuterInactive, 0.4));
    return img;
}

QImage DrawLeftBorder(const Theme &theme) {
    return joinFrames({leftFrame(theme, true), leftFrame(theme, false)});
}

QImage DrawRightBorder(const Theme &theme) {
    return joinFrames({leftFrame(theme, true).mirrored(true, false),
                       leftFrame(theme, false).mirrored(true, false)});
}

QImage DrawTopBorder(const Theme &theme) {
    return joinFrames({CaptionBackground(theme, true, 120), CaptionBackground(theme, false, 120)},
                      Qt::Vertical);
}

QImage DrawBottomBorder(const Theme &theme) {
    QList<QImage> frames;
    for (bool active : {true, false}) {
        QImage img = solidCanvas(40, theme.borderWidth, borderColour(theme, active));
        QPainter p(&img);
        p.fillRect(0, 0, 40, 1, innerEdge(theme, active));
        p.fillRect(0, theme.borderWidth - 1, 40, 1,
                   active ? theme.frameOuter : theme.frameOuterInactive);
        frames << img;
    }
    return joinFrames(frames, Qt::Vertical);
}

QImage DrawTextBack(const Theme &theme) {
    QList<QImage> frames;
    for (bool active : {true, false}) {
        const QImage under = CaptionBackground(theme, active, 24);
        QImage plate = clearCanvas(24, theme.captionHeight);
        QPainter p(&plate);
        const QColor base = captionRowColour(theme, active, theme.captionHeight / 2);
        paintPlate(p, QRect(0, 4, 24, theme.captionHeight - 8), 5, mix(base, Qt::white, 0.10),
                   mix(base, Qt::white, 0.04), mix(base, Qt::white, 0.16));
        p.end();
        frames << flattenOver(plate, under);
    }
    return joinFrames(frames, Qt::Vertical);
}

int CaptionButtonWidth(CaptionGlyph glyph) {
    return glyph == CaptionGlyph::Close ? 30 : 28;
}

void PaintCaptionGlyph(QPainter &p, int x, int y, CaptionGlyph glyph, const QColor &c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (glyph) {
    case CaptionGlyph::Minimize:
        p.fillRect(x, y + 8, 10, 2, c);
        break;
    case CaptionGlyph::Maximize:
        p.fillRect(x, y, 10, 2, c);
        p.fillRect(x, y, 1, 10, c);
        p.fillRect(x + 9, y, 1, 10, c);
        p.fillRect(x, y + 9, 10, 1, c);
        break;
    case CaptionGlyph::Restore:
        p.fillRect(x + 2, y, 8, 2, c);
        p.fillRect(x + 9, y, 1, 7, c);
        p.fillRect(x + 8, y + 6, 1, 1, c);
        p.fillRect(x, y + 3, 7, 2, c);
        p.fillRect(x, y + 3, 1, 7, c);
        p.fillRect(x + 6, y + 3, 1, 7, c);
        p.fillRect(x, y + 9, 7, 1, c);
        p.fillRect(x + 2, y, 1, 3, c);
        break;
    case CaptionGlyph::Help: {
        p.fillRect(x + 3, y, 4, 1, c);
        p.fillRect(x + 2, y + 1, 1, 2, c);
        p.fillRect(x + 7, y + 1, 1, 3, c);
        p.fillRect(x + 6, y + 4, 1, 1, c);
        p.fillRect(x + 5, y + 5, 1, 2, c);
        p.fillRect(x + 4, y + 8, 2, 2, c);
        break;
    }
    case CaptionGlyph::Close:
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x + 0.5, y + 0.5), QPointF(x + 9.5, y + 9.5));
        p.drawLine(QPointF(x + 9.5, y + 0.5), QPointF(x + 0.5, y + 9.5));
        break;
    }
    p.restore();
}

QImage DrawCaptionButton(const Theme &theme, CaptionGlyph glyph) {
    const int w = CaptionButtonWidth(glyph);
    const int h = kCaptionButtonHeight;
    QList<QImage> frames;
    // Frame order: 1 normal, 2 pressed, 3 hot, 4 inactive or disabled.
    for (int frame = 1; frame <= 4; ++frame) {
        const bool active = frame != 4;
        const QImage under = CaptionBackground(theme, active, w).copy(0, kCaptionButtonTop, w, h);
        QImage drawing = clearCanvas(w, h);
        QPainter p(&drawing);
        if (frame == 2 || frame == 3) {
            const QColor fill = plateFill(theme, glyph, frame == 2);
            paintPlate(p, QRect(0, 0, w, h), 4, fill, fill, fill.darker(112));
        }
        const QColor ink =
            active ? theme.titleTextActive : mix(theme.titleTextInactive, Qt::white, 0.3);
        PaintCaptionGlyph(p, (w - 10) / 2, (h - 10) / 2 + (frame == 2 ? 1 : 0), glyph, ink);
        p.end();
        // Around a plate the caption shows through; glyph edges blend with what lies below.
        QImage background = under;
        if (frame == 2 || frame == 3) {
            QImage plateOnly = clearCanvas(w, h);
            QPainter q(&plateOnly);
            const QColor fill = plateFill(theme, glyph, frame == 2);
            paintPlate(q, QRect(0, 0, w, h), 4, fill, fill, fill.darker(112));
            q.end();
            background = flattenOver(plateOnly, under);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (background.pixel(x, y) == KeyColor)
                        background.setPixel(x, y, under.pixel(x, y));
        }
        frames << flattenOver(drawing, background);
    }
    return joinFrames(frames);
}

QImage DrawMenuBar(const Theme &theme) {
    QList<QImage> frames;
    for (bool active : {true, false}) {
        const QColor base = active ? theme.menubar : mix(theme.menubar, theme.buttonFace, 0.6);
        QImage img = gradientCanvas(40, 20, mix(base, Qt::white, 0.5), base);
        QPainter p(&img);
        p.fillRect(0, 19, 40, 1, mix(base, theme.buttonShadow, 0.45));
        frames << img;
    }
    return joinFrames(frames, Qt::Vertical);
}

QImage DrawMenuItem(const Theme &theme) {
    const int w = 40, h = 22;
    QImage separator = keyCanvas(w, h);
    {
        QPainter p(&separator);
        // Separators show the bottom rows of the frame at their own height (about 7 to 12),
        // so the line sits 5 rows above the bottom.
        p.fillRect(0, h - 5, w, 1, mix(theme.menu, theme.buttonShadow, 0.55));
        p.fillRect(0, h - 4, w, 1, theme.buttonHilight);
    }
    QImage selected = clearCanvas(w, h);
    {
        QPainter p(&selected);
        paintPlate(p, QRect(0, 0, w, h), 3, mix(theme.hilight, Qt::white, 0.08), theme.hilight,
                   theme.hilight.darker(115));
    }
    selected = flattenOver(selected, theme.menu);
    return joinFrames({keyCanvas(w, h), separator, selected, selected, keyCanvas(w, h)});
}

QImage DrawMenuBackground(const Theme &theme) {
    QImage img = RimCanvas(40, 40, theme.menu, theme.buttonShadow);
    QPainter p(&img);
    p.setPen(theme.buttonHilight);
    p.drawRect(1, 1, 37, 37);
    p.setPen(mix(theme.menu, theme.buttonHilight, 0.5));
    p.drawRect(2, 2, 35, 35);
    return img;
}

QImage DrawMdiControls(const Theme &theme) {
    const int w = 16, h = 14;
    QList<QImage> frames;
    const CaptionGlyph glyphs[] = {CaptionGlyph::Minimize, CaptionGlyph::Restore,
                                   CaptionGlyph::Close};
    for (CaptionGlyph glyph : glyphs) {
        // Per group: 1 normal, 2 pressed, 3 (unused, as normal), 4 hot.
        for (int frame = 1; frame <= 4; ++frame) {
            PlateColours c{theme.controlTop, theme.controlBottom, theme.controlBorder};
            if (frame == 2)
                c = {theme.pressedTop, theme.pressedBottom, theme.pressedBorder};
            else if (frame == 4)
                c = {theme.hotTop, theme.hotBottom, theme.hotBorder};
            QImage drawing = clearCanvas(w, h);
            QPainter p(&drawing);
            paintPlate(p, QRect(0, 0, w, h), 2, c.top, c.bottom, c.outline);
            // A 10x10 glyph scaled into 8x8 would blur; use a compact 8x8 version.
            p.setRenderHint(QPainter::Antialiasing, false);
            const int gx = 4, gy = 3;
            const QColor ink = theme.glyph;
            switch (glyph) {
            case CaptionGlyph::Minimize:
                p.fillRect(gx, gy + 6, 8, 2, ink);
                break;
            case CaptionGlyph::Restore:
                p.fillRect(gx + 2, gy, 6, 1, ink);
                p.fillRect(gx + 7, gy, 1, 5, ink);
                p.fillRect(gx, gy + 2, 6, 2, ink);
                p.fillRect(gx, gy + 2, 1, 6, ink);
                p.fillRect(gx + 5, gy + 2, 1, 6, ink);
                p.fillRect(gx, gy + 7, 6, 1, ink);
                break;
            default:
                for (int i = 0; i < 8; ++i) {
                    p.fillRect(gx + i, gy + i, 1, 1, ink);
                    p.fillRect(gx + 7 - i, gy + i, 1, 1, ink);
                }
                break;
            }
            p.end();
            frames << flattenOver(drawing, theme.buttonFace);
        }
    }
    return joinFrames(frames);
}

} // namespace skinpack
