#include "scrollart.h"

#include "controlart.h"
#include "imagekit.h"

#include "skin/data/skinmetrics.h"

#include <QPainter>

namespace skinpack {

namespace {

QImage arrowButton(const Theme &t, Direction dir, Look look) {
    const int s = skin::kArrowSize;
    QImage drawing = clearCanvas(s, s);
    QPainter p(&drawing);
    QColor ink = t.glyph;
    if (look != Look::Normal) {
        const PlateColours c = PlateLook(t, look);
        paintPlate(p, QRect(1, 1, s - 2, s - 2), 3, c.top, c.bottom, c.outline);
    }
    if (look == Look::Pressed)
        ink = t.pressedBorder;
    else if (look == Look::Disabled)
        ink = t.disabledGlyph;
    const int shift = look == Look::Pressed ? 1 : 0;
    paintArrow(p, QRect(shift, shift, s, s), dir, 7, ink);
    p.end();
    // The plate corners are keyed; the flat normal look shows the trough through the key.
    QImage out = flattenOver(drawing, t.trough);
    if (look == Look::Normal) {
        // Fill the inside so the arrow stands on the trough colour even where painters draw
        // the frame opaque.
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
                if (out.pixel(x, y) == KeyColor && x > 0 && y > 0 && x < s - 1 && y < s - 1)
                    out.setPixel(x, y, t.trough.rgb());
    }
    return out;
}

QImage gripFrame(const Theme &t, Qt::Orientation o, Look look) {
    const int s = skin::kArrowSize;
    QImage img = keyCanvas(s, s);
    QPainter p(&img);
    const QColor ink = look == Look::Pressed ? t.hilightText
                       : look == Look::Hot   ? t.hotBorder
                                             : mix(t.buttonShadow, t.controlBottom, 0.2);
    for (int i = -1; i <= 1; ++i) {
        if (o == Qt::Horizontal)
            p.fillRect(s / 2 + 2 * i, 5, 1, s - 10, ink);
        else
            p.fillRect(5, s / 2 + 2 * i, s - 10, 1, ink);
    }
    return img;
}

QColor thumbFill(const Theme &t, Look look) {
    switch (look) {
    case Look::Pressed:
        return t.accent;
    case Look::Hot:
        return mix(t.buttonShadow, t.hotBorder, 0.5);
    default:
        return mix(t.buttonShadow, t.trough, 0.35);
    }
}

// The thumb's up-right frame: w x h, the shape drawn horizontally and turned for vertical use.
QImage thumbShape(const Theme &t, ThumbShape shape, Look look) {
    const bool upright =
        shape == ThumbShape::Horz || shape == ThumbShape::Up || shape == ThumbShape::Down;
    const int w = upright ? 11 : 20;
    const int h = upright ? 20 : 11;
    PlateColours c = PlateLook(t, look);
    if (look == Look::Normal || look == Look::Focused)
        c = {t.field, t.controlBottom, look == Look::Focused ? t.accent : t.controlBorder};
    QImage drawing = clearCanvas(w, h);
    QPainter p(&drawing);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    const qreal r = 2.5;
    switch (shape) {
    case ThumbShape::Horz:
    case ThumbShape::Vert:
        path = roundedPath(QRectF(0, 0, w, h), r);
        break;
    case ThumbShape::Down:
        path.moveTo(0.5, 0.5);
        path.lineTo(w - 0.5, 0.5);
        path.lineTo(w - 0.5, h - 6.5);
        path.lineTo(w / 2.0, h - 0.5);
        path.lineTo(0.5, h - 6.5);
        path.closeSubpath();
        break;
    case ThumbShape::Up:
        path.moveTo(0.5, h - 0.5);
        path.lineTo(w - 0.5, h - 0.5);
        path.lineTo(w - 0.5, 6.5);
        path.lineTo(w / 2.0, 0.5);
        path.lineTo(0.5, 6.5);
        path.closeSubpath();
        break;
    case ThumbShape::Right:
        path.moveTo(0.5, 0.5);
        path.lineTo(w - 6.5, 0.5);
        path.lineTo(w - 0.5, h / 2.0);
        path.lineTo(w - 6.5, h - 0.5);
        path.lineTo(0.5, h - 0.5);
        path.closeSubpath();
        break;
    case ThumbShape::Left:
        path.moveTo(w - 0.5, 0.5);
        path.lineTo(6.5, 0.5);
        path.lineTo(0.5, h / 2.0);
        path.lineTo(6.5, h - 0.5);
        path.lineTo(w - 0.5, h - 0.5);
        path.closeSubpath();
        break;
    }
    QLinearGradient fill(0, 0, upright ? w : 0, upright ? 0 : h);
    fill.setColorAt(0, c.top);
    fill.setColorAt(1, c.bottom);
    p.setPen(QPen(c.outline, 1));
    p.setBrush(fill);
    p.drawPath(path);
    if (look == Look::Pressed || look == Look::Focused || look == Look::Hot) {
        p.setRenderHint(QPainter::Antialiasing, false);
        const QColor grip = look == Look::Hot ? t.hotBorder : t.accent;
        if (upright)
            p.fillRect(w / 2 - 1, h / 2 - 3, 3, 6, grip);
        else
            p.fillRect(w / 2 - 3, h / 2 - 1, 6, 3, grip);
    }
    p.end();
    return flattenOver(drawing, t.buttonFace);
}

} // namespace

QImage DrawScrollbar(const Theme &theme) {
    QList<QImage> frames;
    // Per arrow: normal, pressed, (unused: disabled), hot.
    for (Direction dir : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        for (Look look : {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot})
            frames << arrowButton(theme, dir, look);
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical})
        for (Look look : {Look::Normal, Look::Pressed, Look::Hot})
            frames << gripFrame(theme, o, look);
    frames << keyCanvas(skin::kArrowSize, skin::kArrowSize);
    return joinFrames(frames);
}

QImage DrawScrollTrough(const Theme &theme, Qt::Orientation orientation) {
    const int s = skin::kArrowSize;
    QList<QImage> frames;
    // 1 enabled, 2 copy, 3 unavailable, 4 copy.
    for (bool enabled : {true, true, false, false}) {
        QImage img = solidCanvas(s, s, enabled ? theme.trough : theme.disabledFill);
        QPainter p(&img);
        const QColor line = mix(theme.trough, theme.buttonShadow, 0.3);
        if (orientation == Qt::Horizontal)
            p.fillRect(0, 0, s, 1, line);
        else
            p.fillRect(0, 0, 1, s, line);
        frames << img;
    }
    return joinFrames(frames);
}

QImage DrawScrollThumb(const Theme &theme, Qt::Orientation orientation) {
    const bool horz = orientation == Qt::Horizontal;
    const int w = horz ? 20 : skin::kArrowSize;
    const int h = horz ? skin::kArrowSize : 20;
    QList<QImage> frames;
    for (Look look : {Look::Normal, Look::Pressed, Look::Hot}) {
        const QColor fill = thumbFill(theme, look);
        const QRect body = horz ? QRect(0, 3, w, h - 6) : QRect(3, 0, w - 6, h);
        frames << PlateImage(w, h, body, 4, {fill, fill, fill.darker(108)}, theme.trough);
    }
    return joinFrames(frames);
}

QImage DrawUpDown(const Theme &theme, Qt::Orientation orientation) {
    const bool vert = orientation == Qt::Vertical;
    const int w = vert ? 15 : 10;
    const int h = vert ? 10 : 15;
    QList<QImage> frames;
    for (int half = 0; half < 2; ++half)
        for (Look look : {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot})
            frames << PlateImage(w, h, QRect(0, 0, w, h), 2, PlateLook(theme, look), theme.field);
    return joinFrames(frames);
}

QImage DrawUpDownGlyphs(const Theme &theme, Qt::Orientation orientation) {
    const bool vert = orientation == Qt::Vertical;
    const int w = vert ? 7 : 4;
    const int h = vert ? 4 : 7;
    QList<QImage> frames;
    for (int half = 0; half < 2; ++half) {
        const Direction dir = vert ? (half == 0 ? Direction::Up : Direction::Down)
                                   : (half == 0 ? Direction::Left : Direction::Right);
        for (Look look : {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot}) {
            QImage img = keyCanvas(w, h);
            QPainter p(&img);
            const QColor ink = look == Look::Disabled  ? theme.disabledGlyph
                               : look == Look::Pressed ? theme.pressedBorder
                               : look == Look::Hot     ? theme.hotBorder.darker(120)
                                                       : theme.glyph;
            paintArrow(p, img.rect(), dir, 7, ink);
            frames << img;
        }
    }
    return joinFrames(frames);
}

QImage DrawTrackThumb(const Theme &theme, ThumbShape shape) {
    QList<QImage> frames;
    for (Look look : {Look::Hot, Look::Normal, Look::Pressed, Look::Disabled, Look::Focused})
        frames << thumbShape(theme, shape, look);
    return joinFrames(frames);
}

QImage DrawTrack(const Theme &theme, Qt::Orientation orientation, int length, int thickness) {
    const bool horz = orientation == Qt::Horizontal;
    const int w = horz ? length : thickness;
    const int h = horz ? thickness : length;
    QImage img = solidCanvas(w, h, mix(theme.trough, theme.buttonShadow, 0.25));
    QPainter p(&img);
    p.setPen(theme.buttonShadow);
    p.drawRect(0, 0, w - 1, h - 1);
    return img;
}

} // namespace skinpack
