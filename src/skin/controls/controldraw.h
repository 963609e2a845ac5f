#pragma once

#include "skin/draw/skindrawtext.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>

class QPainter;
class QTabBar;
class QWidget;

namespace skin {

class TDataSkinObject;

// Drawing routines the control skins share. Rectangles with a negative width or height are
// inverted and draw nothing. Frame counts below 1 count as 1 and frames are kept within the
// strip, so no skin value reaches outside an image.

// One frame of the object's image scaled in nine parts over rect (its margins and tiling),
// keyed when the object's Trans is 1, opaque otherwise.
void DrawSkinPart(QPainter &dc, const QRect &rect, int frameCount, int frame,
                  const TDataSkinObject &obj);
// One frame of a horizontal strip stretched whole over rect, magenta transparent.
void DrawStripToDC(QPainter &dc, const QRect &rect, int frameCount, int frame, const QImage &strip);

// The format, laid out right to left for a right-to-left widget.
SkinTextFormat AddRTLFlag(const QWidget *control, SkinTextFormat format);

// One caption in rect, 1 pixel above the vertical centre; centred (Qt::AlignHCenter) or across
// the whole width with the given alignment. Mnemonics shown; plain font style; the system
// shadow colour when not enabled, else the painter's pen.
void DrawPanelText(const QWidget *control, QPainter &dc, const QRect &rect, const QString &text,
                   bool enabled, Qt::Alignment align);
// An icon followed by a caption in rect, centred vertically: Qt::AlignLeft 3 pixels in,
// Qt::AlignHCenter centred, Qt::AlignRight 2 pixels from the edge (right wins over centre).
// A null icon or one not narrower than rect is left out.
void DrawImageText(const QWidget *control, QPainter &dc, const QRect &rect, Qt::Alignment align,
                   const QString &text, const QPixmap &icon, bool enabled);
// A one-line caption with mnemonics centred on both axes; align is the text's horizontal
// alignment (left, centre, right). Plain font style; the system shadow colour when not
// enabled.
void DrawCaptionText(QPainter &dc, const QRect &rect, const QString &text, Qt::Alignment align,
                     bool enabled);
// A small arrow drawn with the pen at (x, y): 0 up, 1 down, 2 left and 3 right outlines.
// Other directions draw nothing.
void DrawArrowLines(QPainter &dc, int x, int y, int direction);
// Lines through the points with the pen, each without its end point (the last point stays
// undrawn); no anti-aliasing.
void DrawPolyline(QPainter &dc, std::initializer_list<QPoint> points);
// A dotted rectangle just inside rect.
void DrawFocusRect(QPainter &dc, const QRect &rect);
// The style's focus rectangle on a tab of bar drawn at tab, placed where the style places it
// on a tab it draws itself.
void DrawTabFocusRect(QPainter &dc, const QTabBar *bar, const QRect &tab);

} // namespace skin
