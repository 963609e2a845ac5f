#include "skin/controls/controldraw.h"

#include "skin/data/skinobjects.h"
#include "skin/data/tdataskinobject.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/skincolor.h"
#include "skin/draw/skindrawtext.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTabBar>
#include <QWidget>

#include <cstdlib>

namespace skin {

namespace {

bool Inverted(const QRect &r) {
    return r.width() < 0 || r.height() < 0;
}

// Bold, italic, underline and strike-out off.
void PlainFontStyle(QPainter &dc) {
    QFont f = dc.font();
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    dc.setFont(f);
}

QColor ShadowColour(const QWidget *control) {
    return control ? SkinToQColor(clBtnShadow, control->palette()) : SkinToQColor(clBtnShadow);
}

// A line from `from` up to, but not including, `to`: every step along the longer axis, the
// other coordinate rounded to the nearest pixel (halves towards the start).
void LineTo(QPainter &dc, QPoint from, QPoint to) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const auto along = [steps](int delta, int i) {
        const int n = std::abs(delta);
        const int offset = (2 * n * i + steps - 1) / (2 * steps);
        return delta < 0 ? -offset : offset;
    };
    for (int i = 0; i < steps; ++i)
        dc.drawPoint(from.x() + along(dx, i), from.y() + along(dy, i));
}

} // namespace

void DrawPolyline(QPainter &dc, std::initializer_list<QPoint> points) {
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    const QPoint *prev = nullptr;
    for (const QPoint &p : points) {
        if (prev)
            LineTo(dc, *prev, p);
        prev = &p;
    }
    dc.restore();
}

void DrawSkinPart(QPainter &dc, const QRect &rect, int frameCount, int frame,
                  const TDataSkinObject &obj) {
    if (Inverted(rect))
        return;
    DrawPart(dc, rect, obj.Image, false, obj.Tile != 0, obj.Trans == 1, frameCount, frame,
             obj.Margins());
}

void DrawStripToDC(QPainter &dc, const QRect &rect, int frameCount, int frame,
                   const QImage &strip) {
    DrawStripFrame(dc, rect, strip, true, frameCount, frame);
}

SkinTextFormat AddRTLFlag(const QWidget *control, SkinTextFormat format) {
    if (control && control->layoutDirection() == Qt::RightToLeft)
        format.options |= SkinTextOption::RightToLeft;
    return format;
}

void DrawPanelText(const QWidget *control, QPainter &dc, const QRect &rect, const QString &text,
                   bool enabled, Qt::Alignment align) {
    const SkinTextFormat format{align, Qt::TextExpandTabs | Qt::TextShowMnemonic};
    dc.save();
    PlainFontStyle(dc);
    QRect r = rect;
    SkinDrawText(dc, text, r, format.measuring());
    const int dy = (rect.height() - r.height()) / 2 - 1;
    if (align & Qt::AlignHCenter)
        r.translate((rect.width() - r.width()) / 2, dy);
    else
        r = QRect(rect.left(), r.top() + dy, rect.width(), r.height());
    if (!enabled)
        dc.setPen(ShadowColour(control));
    SkinDrawText(dc, text, r, AddRTLFlag(control, format));
    dc.restore();
}

void DrawImageText(const QWidget *control, QPainter &dc, const QRect &rect, Qt::Alignment align,
                   const QString &text, const QPixmap &icon, bool enabled) {
    const QSize iconSize = icon.isNull() ? QSize() : icon.deviceIndependentSize().toSize();
    const bool useIcon = !icon.isNull() && iconSize.width() < rect.width();
    const int iw = useIcon ? iconSize.width() : 0;
    const int ih = useIcon ? iconSize.height() : 0;
    const SkinTextFormat format{Qt::AlignLeft,
                                Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic,
                                SkinTextOption::ElideEnd};
    QRect textRect = rect;
    if (useIcon)
        textRect.setRight(textRect.right() + iw + 2);
    dc.save();
    PlainFontStyle(dc);
    if (text.isEmpty())
        textRect.setWidth(0);
    else
        SkinDrawText(dc, text, textRect, format.measuring());
    const int tw = textRect.width();
    int x = 3;
    if (align & Qt::AlignRight)
        x = rect.width() - iw - tw - 2;
    else if (align & Qt::AlignHCenter)
        x = (rect.width() - iw - tw) / 2;
    if (x < 2)
        x = 1;
    if (useIcon)
        dc.drawPixmap(rect.left() + x, rect.top() + (rect.height() - ih) / 2, icon);
    textRect.moveTo(rect.left() + x + iw, rect.top() + (rect.height() - textRect.height()) / 2);
    if (!text.isEmpty()) {
        if (!enabled)
            dc.setPen(ShadowColour(control));
        textRect.setLeft(std::max(textRect.left(), rect.left()));
        textRect.setRight(std::min(textRect.right(), rect.right()));
        SkinDrawText(dc, text, textRect, AddRTLFlag(control, format));
    }
    dc.restore();
}

void DrawCaptionText(QPainter &dc, const QRect &rect, const QString &text, Qt::Alignment align,
                     bool enabled) {
    const SkinTextFormat format{align & Qt::AlignHorizontal_Mask,
                                Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextShowMnemonic};
    dc.save();
    PlainFontStyle(dc);
    QRect r = rect;
    SkinDrawText(dc, text, r, format.measuring());
    r.translate((rect.width() - r.width()) / 2, (rect.height() - r.height()) / 2);
    if (!enabled)
        dc.setPen(ShadowColour(nullptr));
    SkinDrawText(dc, text, r, format);
    dc.restore();
}

void DrawArrowLines(QPainter &dc, int x, int y, int direction) {
    const auto P = [x, y](int dx, int dy) { return QPoint(x + dx, y + dy); };
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    switch (direction) {
    case 0:
        LineTo(dc, P(0, 0), P(0, -1));
        LineTo(dc, P(1, 1), P(4, 4));
        LineTo(dc, P(0, 1), P(3, 4));
        LineTo(dc, P(0, 2), P(2, 4));
        LineTo(dc, P(-1, 1), P(-4, 4));
        LineTo(dc, P(0, 2), P(-3, 4));
        LineTo(dc, P(0, 1), P(-2, 4));
        break;
    case 1:
        LineTo(dc, P(0, 3), P(0, 4));
        LineTo(dc, P(1, 2), P(4, -1));
        LineTo(dc, P(0, 2), P(3, -1));
        LineTo(dc, P(0, 1), P(2, 0));
        LineTo(dc, P(-1, 2), P(-4, -1));
        LineTo(dc, P(0, 2), P(-3, -1));
        LineTo(dc, P(0, 1), P(-2, 0));
        break;
    case 2:
        DrawPolyline(dc, {P(0, 0), P(1, 2), P(1, -2), P(-1, 0), P(1, 2)});
        break;
    case 3:
        DrawPolyline(dc, {P(0, 0), P(-1, 2), P(-1, -2), P(1, 0), P(-1, 2)});
        break;
    default:
        break;
    }
    dc.restore();
}

void DrawFocusRect(QPainter &dc, const QRect &rect) {
    if (rect.width() < 1 || rect.height() < 1)
        return;
    dc.save();
    QPen pen(dc.pen().color(), 0, Qt::DotLine);
    dc.setPen(pen);
    dc.setBrush(Qt::NoBrush);
    dc.drawRect(rect.adjusted(0, 0, -1, -1));
    dc.restore();
}

void DrawTabFocusRect(QPainter &dc, const QTabBar *bar, const QRect &tab) {
    QStyleOptionFocusRect option;
    option.initFrom(bar);
    const int inset = 1 + bar->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, bar);
    option.rect = QRect(tab.left() + 1 + inset, tab.top() + inset, tab.width() - 2 - 2 * inset,
                        tab.height() - 2 * inset);
    bar->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &dc, bar);
}

} // namespace skin
