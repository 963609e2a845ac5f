#include "skin/controls/tskinbitbutton.h"

#include "skin/controls/controldraw.h"
#include "skin/controls/propbyname.h"
#include "skin/draw/bitmaputils.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPainter>

namespace skin {

namespace {

int NumGlyphsOf(const QObject *button) {
    const int n = GetIntPropByName(button, QStringLiteral("NumGlyphs"), 1);
    return n < 1 ? 1 : n;
}

// Grey copy keeping the transparency.
QImage GreyGlyph(const QImage &cell) {
    QImage grey = cell.convertToFormat(QImage::Format_ARGB32);
    const QImage alpha = grey.convertToFormat(QImage::Format_Alpha8);
    GrayBitmap(grey);
    grey = grey.convertToFormat(QImage::Format_ARGB32);
    grey.setAlphaChannel(alpha);
    return grey;
}

} // namespace

GlyphTextLayout LayoutGlyphText(const QSize &client, const QSize &glyphSize, const QSize &textSize,
                                int layout, int margin, int spacing, bool alignCentre) {
    const bool vertical = layout == blGlyphTop || layout == blGlyphBottom;
    const int W = client.width(), H = client.height();
    const int gw = glyphSize.width(), gh = glyphSize.height();
    const int tw = textSize.width(), th = textSize.height();
    GlyphTextLayout out;
    QPoint glyph, text;
    if (vertical) {
        glyph.setX((W - gw + 1) / 2);
        text.setX((W - tw + 1) / 2);
    } else {
        glyph.setY((H - gh + 1) / 2);
        text.setY((H - th + 1) / 2);
    }
    if (tw == 0 || gw == 0)
        spacing = 0;
    const int clientAxis = vertical ? H : W;
    const int glyphAxis = vertical ? gh : gw;
    const int textAxis = vertical ? th : tw;
    if (margin != -1 && !alignCentre) {
        if (spacing == -1)
            spacing = (clientAxis - (margin + glyphAxis) - textAxis) / 2;
    } else if (spacing != -1) {
        margin = (clientAxis - (glyphAxis + spacing + textAxis)) / 2;
    } else {
        margin = (clientAxis - (glyphAxis + textAxis)) / 3;
        spacing = margin;
    }
    switch (layout) {
    case blGlyphRight:
        glyph.setX(W - margin - gw);
        text.setX(glyph.x() - spacing - tw);
        out.format.align = Qt::AlignRight;
        break;
    case blGlyphTop:
        glyph.setY(margin);
        text.setY(glyph.y() + gh + spacing);
        out.format.align = Qt::AlignHCenter;
        break;
    case blGlyphBottom:
        glyph.setY(H - margin - gh);
        text.setY(glyph.y() - spacing - th);
        out.format.align = Qt::AlignHCenter;
        break;
    default:
        glyph.setX(margin);
        text.setX(glyph.x() + gw + spacing);
        break;
    }
    out.glyph = glyph;
    out.text = QRect(text, textSize);
    return out;
}

void DrawGlyph(QPainter &canvas, const QPoint &pos, int numGlyphs, int state,
               const QPixmap &glyph) {
    if (glyph.isNull())
        return;
    const int n = numGlyphs < 1 ? 1 : numGlyphs;
    const int cell = n < state ? 1 : state;
    const QImage strip = glyph.toImage();
    const int cellWidth = strip.width() / n;
    if (cellWidth <= 0)
        return;
    QImage image = strip.copy((cell - 1) * cellWidth, 0, cellWidth, strip.height());
    if (state == 2)
        image = GreyGlyph(image);
    image.setDevicePixelRatio(glyph.devicePixelRatio());
    canvas.drawImage(pos, image);
}

TSkinBitButton::TSkinBitButton(QAbstractButton *button) : TSkinButton(button) {}

int TSkinBitButton::GlyphState(int frame) const {
    return frame == 2 ? 3 : frame == 3 ? 2 : 1;
}

int TSkinBitButton::Layout() const {
    QString name = GetEnumPropByName(Control(), QStringLiteral("Layout"));
    if (name.isEmpty())
        name = GetStrPropByName(Control(), QStringLiteral("Layout"));
    name = name.toLower();
    if (name == QLatin1String("blglyphright"))
        return blGlyphRight;
    if (name == QLatin1String("blglyphtop"))
        return blGlyphTop;
    if (name == QLatin1String("blglyphbottom"))
        return blGlyphBottom;
    return blGlyphLeft;
}

QPixmap TSkinBitButton::IconGlyph() const {
    const QAbstractButton *button = Button();
    if (!button || button->icon().isNull())
        return QPixmap();
    return button->icon().pixmap(button->iconSize(), Control()->devicePixelRatioF());
}

QPixmap TSkinBitButton::PropertyPicture() const {
    const QVariant v = Control()->property(glyphPropName.toLatin1().constData());
    if (v.canConvert<QPixmap>())
        return v.value<QPixmap>();
    if (v.canConvert<QIcon>()) {
        const QIcon icon = v.value<QIcon>();
        const QList<QSize> sizes = icon.availableSizes();
        return sizes.isEmpty() ? QPixmap() : icon.pixmap(sizes.first());
    }
    return QPixmap();
}

void TSkinBitButton::DrawContent(QPainter &canvas, const QRect &rect, int frame,
                                 const ControlState &state) {
    if (glyphPropName.isEmpty())
        DrawGlyphAndText(canvas, rect, IconGlyph(), NumGlyphsOf(Control()), GlyphState(frame), true,
                         state.caption, state.focused);
    else
        DrawGlyphAndText(canvas, rect, PropertyPicture(), 1, 1, false, state.caption,
                         state.focused);
}

void TSkinBitButton::DrawGlyphAndText(QPainter &canvas, const QRect &rect, const QPixmap &glyph,
                                      int numGlyphs, int glyphState, bool cells,
                                      const QString &text, bool focused) {
    const QSize pictureSize = glyph.isNull() ? QSize(0, 0) : glyph.deviceIndependentSize().toSize();
    const QSize glyphSize =
        cells ? QSize(pictureSize.width() / numGlyphs, pictureSize.height()) : pictureSize;
    const QString caption = ReplaceFirst(text, QStringLiteral("||"), QStringLiteral("\r\n"));
    const int layout = Layout();
    QRect bounds = rect.adjusted(2, 2, -2, -2);
    if (layout == blGlyphLeft || layout == blGlyphRight)
        bounds.setRight(bounds.right() - (glyphSize.width() + 2));
    else
        bounds.setBottom(bounds.bottom() - (glyphSize.height() + 2));
    QSize textSize(0, 0);
    if (!caption.isEmpty()) {
        QRect measured = bounds;
        SkinDrawText(
            canvas, caption, measured,
            {Qt::AlignLeft, Qt::TextWordWrap | Qt::TextShowMnemonic, SkinTextOption::MeasureOnly});
        textSize = measured.size();
    }
    const int margin = GetIntPropByName(Control(), QStringLiteral("Margin"), -1);
    const int spacing = GetIntPropByName(Control(), QStringLiteral("Spacing"), 4);
    const bool alignCentre = GetEnumPropByName(Control(), QStringLiteral("Alignment")).toLower() ==
                             QLatin1String("tacenter");
    const GlyphTextLayout at =
        LayoutGlyphText(rect.size(), glyphSize, textSize, layout, margin, spacing, alignCentre);
    if (cells)
        DrawGlyph(canvas, at.glyph, numGlyphs, glyphState, glyph);
    else if (!glyph.isNull())
        canvas.drawPixmap(at.glyph, glyph);
    if (caption.isEmpty())
        return;
    QRect textRect = at.text;
    SkinDrawText(canvas, caption, textRect, AddRTLFlag(Control(), at.format));
    if (focused)
        DrawFocusAround(canvas, at.text.adjusted(-2, -2, 2, 2));
}

} // namespace skin
