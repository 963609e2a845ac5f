#include "skin/menus/tskinmenustyle.h"

#include "skin/data/skinobjects.h"
#include "skin/draw/skincolor.h"
#include "skin/menus/menuitempainter.h"
#include "skin/menus/systemmenu.h"
#include "skin/menus/twinskinpopmenu.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace skin {

namespace {

constexpr int MenuBorder = 3;
constexpr int SeparatorHeight = 8;

// The wrapper of a menu that has a skin to paint with, or nullptr.
const TWinSkinPopMenu *SkinnedWrapper(const QWidget *widget) {
    const TWinSkinPopMenu *wrapper = widget ? TWinSkinPopMenu::Find(widget) : nullptr;
    return wrapper && wrapper->Skin() ? wrapper : nullptr;
}

const TWinSkinPopMenu *WrapperWithBackground(const QWidget *widget) {
    const TWinSkinPopMenu *wrapper = SkinnedWrapper(widget);
    return wrapper && wrapper->HasBackground() ? wrapper : nullptr;
}

// The background's pieces over the rectangles (or the Menu colour without one).
void DrawBackground(QPainter &painter, const TWinSkinPopMenu &wrapper,
                    std::initializer_list<QRect> rects) {
    const QImage &background = wrapper.Background();
    for (const QRect &r : rects) {
        if (background.isNull())
            painter.fillRect(r, SkinToQColor(wrapper.Skin()->Menu));
        else
            painter.drawImage(r.topLeft(), background, r);
    }
}

// The 3-pixel ring of the background around the menu.
void DrawBorder(QPainter &painter, const TWinSkinPopMenu &wrapper, const QRect &all) {
    const int w = all.width(), h = all.height(), b = MenuBorder;
    DrawBackground(painter, wrapper,
                   {QRect(0, 0, w, b), QRect(0, h - b, w, b), QRect(0, b, b, h - 2 * b),
                    QRect(w - b, b, b, h - 2 * b)});
}

// Inside the border: the background itself with xoMenuBG, else the Menu colour.
void FillInside(QPainter &painter, const TWinSkinPopMenu &wrapper, const QRect &rect) {
    if (wrapper.BackgroundUnderItems())
        DrawBackground(painter, wrapper, {rect});
    else
        painter.fillRect(rect, SkinToQColor(wrapper.Skin()->Menu));
}

} // namespace

TSkinMenuStyle::TSkinMenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

const QStyle *TSkinMenuStyle::App() const {
    const QStyle *app = QApplication::style();
    return app && app != this ? app : baseStyle();
}

void TSkinMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const {
    // The panel is painted first, border included; the menu's frame then has nothing to add.
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        if (const TWinSkinPopMenu *wrapper = WrapperWithBackground(widget)) {
            if (element == PE_PanelMenu) {
                const QRect all = widget->rect();
                DrawBorder(*painter, *wrapper, all);
                FillInside(*painter, *wrapper,
                           all.adjusted(MenuBorder, MenuBorder, -MenuBorder, -MenuBorder));
            }
            return;
        }
    }
    App()->drawPrimitive(element, option, painter, widget);
}

void TSkinMenuStyle::drawControl(ControlElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const {
    if (element == CE_MenuItem) {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (const TWinSkinPopMenu *wrapper = SkinnedWrapper(widget); wrapper && item) {
            DrawSkinMenuItem(*painter, *item, wrapper->Skin(), wrapper->Background(), images);
            return;
        }
    } else if (element == CE_MenuEmptyArea && WrapperWithBackground(widget)) {
        return; // the panel filled it
    }
    App()->drawControl(element, option, painter, widget);
}

void TSkinMenuStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                        QPainter *painter, const QWidget *widget) const {
    App()->drawComplexControl(control, option, painter, widget);
}

QSize TSkinMenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                       const QSize &size, const QWidget *widget) const {
    QSize result = App()->sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem) {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (const TWinSkinPopMenu *wrapper = SkinnedWrapper(widget); wrapper && item) {
            result.rwidth() += MenuItemExtraWidth(*wrapper->Skin(), item->maxIconWidth > 0,
                                                  TagOf(widget) == SystemMenuTag);
            // Separators are as high as the system's, so the separator frame's line shows.
            if (item->menuItemType == QStyleOptionMenuItem::Separator)
                result.setHeight(SeparatorHeight);
        }
    }
    return result;
}

int TSkinMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                const QWidget *widget) const {
    if (metric == PM_MenuPanelWidth && WrapperWithBackground(widget))
        return MenuBorder;
    return App()->pixelMetric(metric, option, widget);
}

int TSkinMenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                              QStyleHintReturn *returnData) const {
    return App()->styleHint(hint, option, widget, returnData);
}

QRect TSkinMenuStyle::subElementRect(SubElement element, const QStyleOption *option,
                                     const QWidget *widget) const {
    return App()->subElementRect(element, option, widget);
}

QRect TSkinMenuStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                     SubControl sub, const QWidget *widget) const {
    return App()->subControlRect(control, option, sub, widget);
}

} // namespace skin
