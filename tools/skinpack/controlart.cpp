#include "controlart.h"

#include <QPainter>

namespace skinpack {

namespace {

// States of check and radio boxes, in strip order.
constexpr Look kBoxLooks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};

enum class Mark { None, Check, Mixed };

QImage plateFrame(const Theme &t, int w, int h, qreal radius, Look look, const QColor &under) {
    const PlateColours c = PlateLook(t, look);
    QImage drawing = clearCanvas(w, h);
    QPainter p(&drawing);
    paintPlate(p, QRect(0, 0, w, h), radius, c.top, c.bottom, c.outline);
    if (look == Look::Focused) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(t.accentLight, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(roundedPath(QRectF(1, 1, w - 2, h - 2), radius - 1));
    }
    p.end();
    return flattenOver(drawing, under);
}

// Push-button style strip: normal, pressed, disabled, hot, focused.
QImage plateStrip(const Theme &t, int w, int h, qreal radius) {
    QList<QImage> frames;
    for (Look look : {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot, Look::Focused})
        frames << plateFrame(t, w, h, radius, look, t.buttonFace);
    return joinFrames(frames);
}

// Fill, outline and mark colours of a check or radio box.
struct BoxColours {
    QColor fill;
    QColor outline;
    QColor ink;
};

BoxColours boxLook(const Theme &t, Look look, bool marked) {
    switch (look) {
    case Look::Hot:
        return {marked ? t.accentLight : mix(t.field, t.hotBottom, 0.5), t.hotBorder,
                t.hilightText};
    case Look::Pressed:
        return {marked ? t.pressedBorder : t.pressedBottom, t.pressedBorder, t.hilightText};
    case Look::Disabled:
        return {marked ? t.disabledBorder : t.disabledFill, t.disabledBorder, t.disabledFill};
    default:
        return {marked ? t.accent : t.field,
                marked ? t.accent.darker(115) : mix(t.fieldBorder, t.glyph, 0.3), t.hilightText};
    }
}

QImage checkFrame(const Theme &t, Look look, Mark mark) {
    const int s = 13;
    const BoxColours c = boxLook(t, look, mark != Mark::None);
    QImage drawing = clearCanvas(s, s);
    QPainter p(&drawing);
    paintPlate(p, QRect(0, 0, s, s), 2.5, c.fill, c.fill, c.outline);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (mark == Mark::Check) {
        // A 2-pixel tick, pixel by pixel.
        const QPoint pts[] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
        for (const QPoint &pt : pts)
            p.fillRect(pt.x(), pt.y() - 1, 1, 2, c.ink);
    } else if (mark == Mark::Mixed) {
        p.fillRect(3, 6, 7, 2, c.ink);
    }
    p.end();
    return flattenOver(drawing, t.buttonFace);
}

QImage radioFrame(const Theme &t, Look look, bool checked) {
    const int s = 13;
    const BoxColours c = boxLook(t, look, checked);
    QImage drawing = clearCanvas(s, s);
    QPainter p(&drawing);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(c.outline, 1));
    p.setBrush(c.fill);
    p.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(c.ink);
        p.drawEllipse(QRectF(4, 4, 5, 5));
    }
    p.end();
    return flattenOver(drawing, t.buttonFace);
}

QImage tabFrame(const Theme &t, Look look) {
    const int w = 40, h = 24;
    QColor top = t.controlTop, bottom = t.controlBottom, outline = t.controlBorder;
    switch (look) {
    case Look::Pressed: // selected: the pane colour, joined to the pane below
        top = t.field;
        bottom = t.buttonLight;
        break;
    case Look::Hot:
        top = t.hotTop;
        bottom = t.hotBottom;
        outline = t.hotBorder;
        break;
    case Look::Disabled:
        top = bottom = t.disabledFill;
        outline = t.disabledBorder;
        break;
    default:
        break;
    }
    QImage drawing = clearCanvas(w, h);
    QPainter p(&drawing);
    // Only the top corners are rounded: draw the plate taller and let the bottom edge fall off.
    paintPlate(p, QRect(0, 0, w, h + 6), 4, top, bottom, outline);
    if (look == Look::Focused) {
        p.fillRect(3, 1, w - 6, 2, t.accent);
    }
    p.end();
    QImage img = flattenOver(drawing, t.buttonFace);
    QPainter q(&img);
    if (look == Look::Pressed) {
        q.fillRect(1, 1, w - 2, 2, t.accent);
    } else {
        // Unselected tabs sit behind the pane's top line.
        q.fillRect(0, h - 1, w, 1, t.buttonShadow);
    }
    return img;
}

} // namespace

PlateColours PlateLook(const Theme &t, Look look) {
    switch (look) {
    case Look::Hot:
        return {t.hotTop, t.hotBottom, t.hotBorder};
    case Look::Pressed:
        return {t.pressedTop, t.pressedBottom, t.pressedBorder};
    case Look::Disabled:
        return {t.disabledFill, t.disabledFill, t.disabledBorder};
    case Look::Focused:
        return {t.controlTop, t.controlBottom, t.accent};
    case Look::Normal:
        break;
    }
    return {t.controlTop, t.controlBottom, t.controlBorder};
}

QImage DrawButtons(const Theme &theme) {
    return plateStrip(theme, 32, 24, 3.5);
}

QImage DrawCheckBoxes(const Theme &theme) {
    QList<QImage> frames;
    for (Mark mark : {Mark::None, Mark::Check, Mark::Mixed})
        for (Look look : kBoxLooks)
            frames << checkFrame(theme, look, mark);
    return joinFrames(frames);
}

QImage DrawRadioButtons(const Theme &theme) {
    QList<QImage> frames;
    for (bool checked : {false, true})
        for (Look look : kBoxLooks)
            frames << radioFrame(theme, look, checked);
    return joinFrames(frames);
}

QImage DrawToolBars(const Theme &theme) {
    return plateStrip(theme, 24, 24, 3);
}

QImage DrawProgress(const Theme &theme) {
    QImage trough =
        gradientCanvas(20, 14, mix(theme.trough, theme.buttonShadow, 0.15), theme.trough);
    {
        QPainter p(&trough);
        p.setPen(theme.fieldBorder);
        p.drawRect(0, 0, 19, 13);
    }
    QImage fill = gradientCanvas(20, 14, theme.accentLight, theme.accent);
    {
        QPainter p(&fill);
        p.fillRect(0, 1, 20, 1, mix(theme.accentLight, Qt::white, 0.35));
        p.setPen(theme.accent.darker(120));
        p.drawRect(0, 0, 19, 13);
    }
    return joinFrames({trough, fill});
}

QImage DrawProgressChunk(const Theme &theme) {
    QImage img = keyCanvas(8, 10);
    QPainter p(&img);
    fillGradient(p, QRect(1, 0, 6, 10), theme.accentLight, theme.accent);
    return img;
}

QImage DrawTabs(const Theme &theme) {
    QList<QImage> frames;
    // Strip order: normal, selected, hot, disabled, focused; "Pressed" stands for selected.
    for (Look look : {Look::Normal, Look::Pressed, Look::Hot, Look::Disabled, Look::Focused})
        frames << tabFrame(theme, look);
    return joinFrames(frames);
}

QImage DrawTabBorder(const Theme &theme) {
    return RimCanvas(40, 40, theme.buttonLight, theme.buttonShadow);
}

QImage DrawTabPane(const Theme &theme) {
    QImage img = RimCanvas(40, 40, theme.buttonLight, theme.buttonShadow);
    QPainter p(&img);
    p.setPen(theme.field);
    p.drawLine(1, 1, 38, 1);
    p.drawLine(1, 1, 1, 38);
    return img;
}

QImage DrawHeaderBar(const Theme &theme) {
    QList<QImage> frames;
    for (bool hot : {false, true}) {
        QImage img =
            gradientCanvas(20, 22, hot ? theme.hotTop : theme.field,
                           hot ? theme.hotBottom : mix(theme.buttonFace, theme.field, 0.3));
        QPainter p(&img);
        p.fillRect(0, 21, 20, 1, hot ? theme.hotBorder : theme.buttonShadow);
        p.fillRect(19, 4, 1, 14, mix(theme.buttonShadow, theme.buttonFace, 0.35));
        frames << img;
    }
    return joinFrames(frames);
}

QImage DrawStatusEdges(const Theme &theme) {
    QList<QImage> frames;
    const QColor face = theme.buttonFace;
    // Lowered: a soft sunken panel; raised: a light top-left edge; none: plain face.
    QImage lowered = solidCanvas(12, 12, face);
    {
        QPainter p(&lowered);
        p.setPen(mix(face, theme.buttonShadow, 0.6));
        p.drawLine(0, 0, 11, 0);
        p.drawLine(0, 0, 0, 11);
        p.setPen(theme.buttonHilight);
        p.drawLine(1, 11, 11, 11);
        p.drawLine(11, 1, 11, 11);
    }
    QImage raised = solidCanvas(12, 12, face);
    {
        QPainter p(&raised);
        p.setPen(theme.buttonHilight);
        p.drawLine(0, 0, 11, 0);
        p.drawLine(0, 0, 0, 11);
        p.setPen(mix(face, theme.buttonShadow, 0.6));
        p.drawLine(1, 11, 11, 11);
        p.drawLine(11, 1, 11, 11);
    }
    frames << lowered << raised << solidCanvas(12, 12, face);
    return joinFrames(frames);
}

QImage DrawGroupBoxEdge(const Theme &theme) {
    QList<QImage> frames;
    for (bool active : {true, false}) {
        QImage drawing = clearCanvas(16, 16);
        QPainter p(&drawing);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(active ? theme.buttonShadow : theme.disabledBorder, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(roundedPath(QRectF(0, 0, 16, 16), 3.5));
        p.end();
        frames << flattenOver(drawing, theme.buttonFace);
    }
    return joinFrames(frames);
}

QImage DrawGroupBoxLabel(const Theme &theme) {
    QImage img = solidCanvas(40, 18, theme.buttonFace);
    QPainter p(&img);
    p.fillRect(0, 17, 40, 1, mix(theme.buttonFace, theme.buttonShadow, 0.5));
    return img;
}

} // namespace skinpack
