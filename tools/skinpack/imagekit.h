#pragma once

#include "skin/draw/skincolor.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>

class QPainter;

namespace skinpack {

using skin::KeyColor;

// State looks shared by the control art.
enum class Look { Normal, Hot, Pressed, Disabled, Focused };

enum class Direction { Left, Right, Up, Down };

// Linear mix of two colours; t = 0 gives a, t = 1 gives b.
QColor mix(const QColor &a, const QColor &b, double t);

// An opaque RGB32 image filled with the key colour.
QImage keyCanvas(int width, int height);
// An opaque RGB32 image filled with one colour.
QImage solidCanvas(int width, int height, const QColor &colour);
// An opaque image of one colour with a 1-pixel rim of another.
QImage RimCanvas(int width, int height, const QColor &fill, const QColor &rim);
// A fully transparent premultiplied ARGB image for anti-aliased drawing.
QImage clearCanvas(int width, int height);

// Composites an anti-aliased drawing over the background it will sit on, then keys out every
// pixel the drawing covers less than half: the result holds only opaque colours and the exact
// key colour, so keyed drawing shows no fringe.
QImage flattenOver(const QImage &drawing, const QImage &background);
QImage flattenOver(const QImage &drawing, const QColor &background);

// Side-by-side (horizontal) or stacked (vertical) strip of equal frames.
QImage joinFrames(const QList<QImage> &frames, Qt::Orientation orientation = Qt::Horizontal);

// One colour per row (or per column), rounded to whole values; deterministic and unblended.
void fillGradient(QPainter &painter, const QRect &rect, const QColor &from, const QColor &to,
                  Qt::Orientation orientation = Qt::Vertical);
QImage gradientCanvas(int width, int height, const QColor &top, const QColor &bottom);

// A rounded rectangle path inset by half a pixel so that 1-pixel outlines stay crisp.
QPainterPath roundedPath(const QRectF &rect, qreal radius);

// Draws a rounded plate (vertical gradient fill, 1-pixel outline) with anti-aliasing.
void paintPlate(QPainter &painter, const QRect &rect, qreal radius, const QColor &top,
                const QColor &bottom, const QColor &outline);

// A filled triangle arrow drawn without anti-aliasing, centred in rect; base = its long side.
void paintArrow(QPainter &painter, const QRect &rect, Direction direction, int base,
                const QColor &colour);

// Colours of a raised control plate in each look.
struct PlateColours {
    QColor top;
    QColor bottom;
    QColor outline;
};

// A keyed image of width x height holding one plate over `body`, flattened over `under`.
QImage PlateImage(int width, int height, const QRect &body, qreal radius,
                  const PlateColours &colours, const QColor &under);

} // namespace skinpack
