#include "fieldart.h"

#include "frameart.h"
#include "imagekit.h"

#include <QPainter>

namespace skinpack {

namespace {

constexpr int kFieldHeight = 21;

QColor fieldOutline(const Theme &t, int frame) {
    switch (frame) {
    case 2:
        return t.pressedBorder;
    case 3:
        return t.disabledBorder;
    case 4:
        return t.fieldBorderHot;
    default:
        return t.fieldBorder;
    }
}

} // namespace

QImage DrawSunkEdge(const Theme &theme) {
    QList<QImage> frames;
    for (int frame = 1; frame <= 4; ++frame) {
        const int w = 12, h = kFieldHeight;
        QImage img = solidCanvas(w, h, frame == 3 ? theme.disabledFill : theme.field);
        QPainter p(&img);
        p.setPen(fieldOutline(theme, frame));
        p.drawRect(0, 0, w - 1, h - 1);
        if (frame == 2 || frame == 4) {
            // Focus and hover show as a second, lighter ring inside the outline.
            p.setPen(mix(fieldOutline(theme, frame), theme.field, 0.6));
            p.drawRect(1, 1, w - 3, h - 3);
        }
        p.end();
        // One keyed pixel per corner softens the box against the face colour.
        for (const QPoint &c :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            img.setPixel(c, KeyColor);
        frames << img;
    }
    return joinFrames(frames);
}

QImage DrawComboButton(const Theme &theme) {
    QList<QImage> frames;
    for (int frame = 1; frame <= 4; ++frame) {
        const int w = 18, h = kFieldHeight;
        const QColor outline = fieldOutline(theme, frame);
        QColor top = theme.controlTop, bottom = theme.controlBottom;
        if (frame == 2) {
            top = theme.pressedTop;
            bottom = theme.pressedBottom;
        } else if (frame == 3) {
            top = bottom = theme.disabledFill;
        } else if (frame == 4) {
            top = theme.hotTop;
            bottom = theme.hotBottom;
        }
        QImage img = gradientCanvas(w, h, top, bottom);
        QPainter p(&img);
        // Outline on top, right and bottom matches the field's; a separator on the left.
        p.fillRect(0, 0, w, 1, outline);
        p.fillRect(0, h - 1, w, 1, outline);
        p.fillRect(w - 1, 0, 1, h, outline);
        p.fillRect(0, 1, 1, h - 2, mix(outline, theme.field, 0.3));
        if (frame == 2 || frame == 4) {
            p.fillRect(1, 1, w - 2, 1, mix(outline, theme.field, 0.6));
            p.fillRect(1, h - 2, w - 2, 1, mix(outline, theme.field, 0.6));
            p.fillRect(w - 2, 1, 1, h - 2, mix(outline, theme.field, 0.6));
        }
        p.end();
        img.setPixel(w - 1, 0, KeyColor);
        img.setPixel(w - 1, h - 1, KeyColor);
        frames << img;
    }
    return joinFrames(frames);
}

QImage DrawExtraImages(const Theme &theme) {
    QList<QImage> frames;
    const QColor inks[] = {theme.glyph, theme.pressedBorder, theme.disabledGlyph,
                           theme.hotBorder.darker(125)};
    for (const QColor &ink : inks) {
        QImage img = keyCanvas(12, 12);
        QPainter p(&img);
        paintArrow(p, img.rect(), Direction::Down, 7, ink);
        frames << img;
    }
    // Size grip: a triangle of 2x2 dots with a light shadow.
    QImage grip = keyCanvas(12, 12);
    {
        QPainter p(&grip);
        for (int row = 0; row < 3; ++row)
            for (int col = 2 - row; col < 3; ++col) {
                const int x = 2 + col * 3, y = 2 + row * 3;
                p.fillRect(x + 1, y + 1, 2, 2, theme.buttonHilight);
                p.fillRect(x, y, 2, 2, theme.buttonShadow);
            }
    }
    frames << grip;
    return joinFrames(frames);
}

QImage DrawSysMenuGlyphs(const Theme &theme) {
    const CaptionGlyph glyphs[] = {CaptionGlyph::Restore, CaptionGlyph::Maximize,
                                   CaptionGlyph::Minimize, CaptionGlyph::Close};
    QList<QImage> frames;
    for (CaptionGlyph glyph : glyphs) {
        QImage img = solidCanvas(16, 16, Qt::white);
        QPainter p(&img);
        // White is the mask colour: anti-aliasing would leave near-white fringes, so the
        // cross is drawn as whole pixels here.
        if (glyph == CaptionGlyph::Close) {
            for (int i = 0; i < 9; ++i) {
                p.fillRect(4 + i, 4 + i, 1, 1, theme.glyph);
                p.fillRect(12 - i, 4 + i, 1, 1, theme.glyph);
                if (i < 8) {
                    p.fillRect(5 + i, 4 + i, 1, 1, theme.glyph);
                    p.fillRect(11 - i, 4 + i, 1, 1, theme.glyph);
                }
            }
        } else {
            PaintCaptionGlyph(p, 3, 3, glyph, theme.glyph);
        }
        frames << img;
    }
    return joinFrames(frames);
}

} // namespace skinpack
