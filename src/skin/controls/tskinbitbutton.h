#pragma once

#include "skin/controls/tskinbutton.h"

#include <QPixmap>

namespace skin {

// Where a glyph and a caption go on a button.
struct GlyphTextLayout {
    QPoint glyph;
    QRect text;
    SkinTextFormat format{Qt::AlignLeft, Qt::TextWordWrap | Qt::TextShowMnemonic};
};

// Glyph layouts: glyph left of, right of, above or below the caption.
enum ButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

// Places a glyph of glyphSize and a caption of textSize (0 x 0 when empty) on a button of
// client size. A margin of -1 centres the pair; a spacing of -1 spreads it in equal gaps.
// With alignCentre false and a margin given, the spacing of -1 takes half the room left.
GlyphTextLayout LayoutGlyphText(const QSize &client, const QSize &glyphSize, const QSize &textSize,
                                int layout, int margin, int spacing, bool alignCentre);

// Draws cell `state` (1 up, 2 disabled, 3 clicked, 4 down; cell 1 when the strip has fewer
// cells) of a glyph strip of numGlyphs cells at pos; the disabled cell is drawn grey.
void DrawGlyph(QPainter &canvas, const QPoint &pos, int numGlyphs, int state, const QPixmap &glyph);

// A push button with a glyph: the button's icon, a strip of `NumGlyphs` cells (dynamic
// property, 1 by default), placed by the dynamic properties `Layout` ("blGlyphLeft" ...),
// `Margin` (-1) and `Spacing` (4). With a glyph property name set, the picture in that property is
// drawn whole instead.
class TSkinBitButton : public TSkinButton {
    Q_OBJECT

public:
    explicit TSkinBitButton(QAbstractButton *button);
    ControlKind Kind() const override { return ControlKind::BitButton; }

    // The property holding the picture to draw whole (none: the icon strip).
    void SetGlyphPropName(const QString &name) { glyphPropName = name; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcBitBtn; }
    void DrawContent(QPainter &canvas, const QRect &rect, int frame,
                     const ControlState &state) override;
    // The glyph state of a frame: 2 clicked (3), 3 disabled (2), else up (1).
    virtual int GlyphState(int frame) const;
    virtual int Layout() const;
    // Glyph and caption laid out on the button, the glyph through DrawGlyph; a focus
    // rectangle around the caption when focused.
    void DrawGlyphAndText(QPainter &canvas, const QRect &rect, const QPixmap &glyph, int numGlyphs,
                          int glyphState, bool cells, const QString &text, bool focused);
    QPixmap IconGlyph() const;

private:
    QPixmap PropertyPicture() const;

    QString glyphPropName;
};

} // namespace skin
