#include "skin/menus/menuitempainter.h"

#include "skin/data/skinobjects.h"
#include "skin/draw/skincolor.h"
#include "skin/draw/skindrawtext.h"
#include "skin/menus/menuimagecache.h"

#include <QPainter>
#include <QStyleOptionMenuItem>
#include <qdrawutil.h>

namespace skin {

namespace {

constexpr int GlyphSize = 16;
constexpr int SelectedFrame = 4;
constexpr int NormalFrame = 1;
constexpr int ItemFlags = Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextShowMnemonic;

bool IsSeparator(const QStyleOptionMenuItem &option) {
    return option.menuItemType == QStyleOptionMenuItem::Separator;
}

QColor TextColour(const QStyleOptionMenuItem &option, const SkinObjects &skin) {
    const QPalette &palette = option.palette;
    if (option.state & QStyle::State_Enabled)
        return SkinToQColor(
            option.state & QStyle::State_Selected ? skin.HilightText : skin.MenuText, palette);
    // A shadow colour equal to the text colour would hide that the item is disabled.
    if (ColorToRGB(skin.ButtonShadow, palette) == ColorToRGB(skin.MenuText, palette))
        return SkinToQColor(clBtnShadow, palette);
    return SkinToQColor(skin.ButtonShadow, palette);
}

// The popup's background under the item, or the Menu colour.
void DrawItemBackground(QPainter &painter, const QRect &rect, const SkinObjects &skin,
                        const QImage &background, const QPalette &palette) {
    if (!background.isNull() && background.rect().contains(rect))
        painter.drawImage(rect.topLeft(), background, rect);
    else
        painter.fillRect(rect, SkinToQColor(skin.Menu, palette));
}

// A tick of the text colour centred in box.
void DrawTick(QPainter &painter, const QRect &box, const QColor &colour) {
    const QPoint c = box.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 2));
    painter.drawPolyline(QPolygon({c + QPoint(-4, 0), c + QPoint(-1, 3), c + QPoint(4, -3)}));
    painter.restore();
}

// The arrow of an item that opens a submenu: at the right end, at the left when right to left.
void DrawSubmenuArrow(QPainter &painter, const QRect &r, bool rtl, const QColor &colour) {
    const int y = r.center().y();
    const int x = rtl ? r.left() + 8 : r.right() - 8;
    const int tip = rtl ? x - 4 : x + 4;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygon({QPoint(x, y - 4), QPoint(tip, y), QPoint(x, y + 4)}));
    painter.restore();
}

void DrawGlyph(QPainter &painter, const QStyleOptionMenuItem &option, QRect box, bool rtl) {
    const QRect &r = option.rect;
    const bool checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
    if (option.icon.isNull()) {
        if (checked)
            DrawTick(painter, rtl ? box : box.translated(0, r.center().y() - box.center().y()),
                     option.palette.color(QPalette::ButtonText));
        return;
    }
    const bool enabled = option.state & QStyle::State_Enabled;
    const QPixmap pixmap =
        option.icon.pixmap(QSize(GlyphSize, GlyphSize), enabled ? QIcon::Normal : QIcon::Disabled);
    const int imageHeight =
        pixmap.isNull() ? GlyphSize : int(pixmap.deviceIndependentSize().height());
    int top = rtl ? box.top() : r.top() + (r.height() - imageHeight) / 2;
    if (checked) {
        if (!rtl)
            box.moveTop(r.top() + (r.height() - GlyphSize) / 2);
        painter.fillRect(box, option.palette.color(QPalette::Light));
        painter.fillRect(box, QBrush(option.palette.color(QPalette::Button), Qt::Dense4Pattern));
        qDrawShadeRect(&painter, box, option.palette, true, 1);
        top = box.top();
    }
    painter.drawPixmap(box.left(), top, pixmap);
}

// Caption (vertically centred) and shortcut text of an item.
void DrawMenuItemContent(QPainter &painter, const QStyleOptionMenuItem &option,
                         const SkinObjects &skin, int leftWidth) {
    const QRect &r = option.rect;
    const bool rtl = option.direction == Qt::RightToLeft;
    const QRect box =
        rtl ? QRect(r.right() - leftWidth - GlyphSize, r.top() + 1, GlyphSize, GlyphSize)
            : QRect(r.left() + 1 + leftWidth, r.top() + 1, GlyphSize, GlyphSize);
    DrawGlyph(painter, option, box, rtl);

    const qsizetype tab = option.text.indexOf(QLatin1Char('\t'));
    QString caption = tab < 0 ? option.text : option.text.left(tab);
    const QString shortcut = tab < 0 ? QString() : option.text.mid(tab + 1);
    QFont font = option.font;
    font.setBold(option.menuItemType == QStyleOptionMenuItem::DefaultItem);
    const QColor colour = TextColour(option, skin);
    if (option.menuItemType == QStyleOptionMenuItem::SubMenu)
        DrawSubmenuArrow(painter, r, rtl, colour);
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    const QRect area =
        rtl ? QRect(QPoint(r.left() + 1, r.top()), QPoint(box.left() - 4, r.bottom()))
            : QRect(QPoint(box.left() + GlyphSize + 3, r.top()), QPoint(r.right() - 1, r.bottom()));
    QRect text = area;
    // An empty caption or a lone '&' still measures a line.
    const QString measured =
        caption.isEmpty() || caption == QLatin1String("&") ? caption + QLatin1Char(' ') : caption;
    SkinDrawText(painter, measured, text, {Qt::AlignLeft, ItemFlags, SkinTextOption::MeasureOnly});
    text.moveTop(area.top() + (area.height() - text.height()) / 2);
    if (rtl) {
        text.moveRight(area.right());
        text.setLeft(std::max(text.left(), area.left()));
        SkinDrawText(painter, caption, text,
                     {Qt::AlignRight, ItemFlags, SkinTextOption::RightToLeft});
        if (!shortcut.isEmpty()) {
            QRect keys(QPoint(r.left() + 11, text.top()), QPoint(text.left() - 1, text.bottom()));
            SkinDrawText(painter, shortcut, keys, {Qt::AlignLeft, ItemFlags});
        }
    } else {
        text.setRight(std::min(text.right(), area.right()));
        SkinDrawText(painter, caption, text, {Qt::AlignLeft, ItemFlags});
        if (!shortcut.isEmpty()) {
            QRect keys(QPoint(text.right() + 1, text.top()),
                       QPoint(area.right() - 10, text.bottom()));
            SkinDrawText(painter, shortcut, keys, {Qt::AlignRight, ItemFlags});
        }
    }
    painter.restore();
}

// Without a MenuItem image: the Hilight or Menu colour, and an etched line for a separator.
void DrawPlainMenuItem(QPainter &painter, const QStyleOptionMenuItem &option,
                       const SkinObjects &skin) {
    const QRect &r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter.fillRect(r, SkinToQColor(selected ? skin.Hilight : skin.Menu, option.palette));
    if (IsSeparator(option)) {
        const int y = r.top() + 4;
        qDrawShadeLine(&painter, r.left(), y, r.right(), y, option.palette, true, 1, 0);
        return;
    }
    DrawMenuItemContent(painter, option, skin, 0);
}

} // namespace

void DrawSkinMenuItem(QPainter &painter, const QStyleOptionMenuItem &option, const SkinRef &skin,
                      const QImage &background, TMenuImageCache &images) {
    const QRect &r = option.rect;
    if (r.isEmpty() || !skin)
        return;
    const TDataSkinObject *item = skin->MenuItem.get();
    if (!item || !item->HasImage()) {
        DrawPlainMenuItem(painter, option, *skin);
        return;
    }
    DrawItemBackground(painter, r, *skin, background, option.palette);
    using TPart = TMenuImageCache::TPart;
    if (IsSeparator(option)) {
        painter.drawImage(r.topLeft(), images.Image(skin, TPart::Separator, r.size()));
        return;
    }
    const int frame = option.state & QStyle::State_Selected ? SelectedFrame : NormalFrame;
    painter.drawImage(r.topLeft(), images.Image(skin, TPart::ItemFrame, r.size(), frame));
    DrawMenuItemContent(painter, option, *skin, item->LeftWidth);
}

int MenuItemExtraWidth(const SkinObjects &skin, bool hasImages, bool systemMenu) {
    const int left = skin.MenuItem ? skin.MenuItem->LeftWidth : 0;
    if (!hasImages)
        return left + 35;
    return left + (systemMenu ? 12 : 10);
}

} // namespace skin
