#include "skin/menus/tskinmenustyle.h"

#include "skin/data/skinobjects.h"
#include "skin/draw/skincolor.h"
#include "skin/menus/menuitempainter.h"
#include "skin/menus/twinskinpopmenu.h"
#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace skin {

namespace {

constexpr int MenuBorder = 3;
constexpr int SystemMenuTag = 33333;

// The wrapper of a menu that has a skin to paint with, or nullptr.
const TWinSkinPopMenu *SkinnedWrapper(const QWidget *widget) {
    const TWinSkinPopMenu *wrapper = widget ? TWinSkinPopMenu::Find(widget) : nullptr;
    return wrapper && wrapper->Skin() ? wrapper : nullptr;
}

const TWinSkinPopMenu *WrapperWithBackground(const QWidget *widget) {
    const TWinSkinPopMenu *wrapper = SkinnedWrapper(widget);
    return wrapper && wrapper->HasBackground() ? wrapper : nullptr;
}

// The composed background, or the Menu colour, over rect (the painter's clip limits it).
void FillFromBackground(QPainter &painter, const TWinSkinPopMenu &wrapper, const QRect &rect) {
    if (wrapper.Background().isNull())
        painter.fillRect(rect, SkinToQColor(wrapper.Skin()->Menu));
    else
        painter.drawImage(rect.topLeft(), wrapper.Background(), rect);
}

// Inside the border: the background itself with xoMenuBG, else the Menu colour.
void FillInside(QPainter &painter, const TWinSkinPopMenu &wrapper, const QRect &rect) {
    if (wrapper.BackgroundUnderItems())
        FillFromBackground(painter, wrapper, rect);
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
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        if (const TWinSkinPopMenu *wrapper = WrapperWithBackground(widget)) {
            const QRect all = widget->rect();
            FillFromBackground(*painter, *wrapper, all);
            if (element == PE_PanelMenu)
                FillInside(*painter, *wrapper,
                           all.adjusted(MenuBorder, MenuBorder, -MenuBorder, -MenuBorder));
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
            DrawSkinMenuItem(*painter, *item, *wrapper->Skin(), wrapper->Background());
            return;
        }
    } else if (element == CE_MenuEmptyArea) {
        if (const TWinSkinPopMenu *wrapper = WrapperWithBackground(widget)) {
            FillInside(*painter, *wrapper, option->rect);
            return;
        }
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
        if (const TWinSkinPopMenu *wrapper = SkinnedWrapper(widget); wrapper && item)
            result.rwidth() += MenuItemExtraWidth(*wrapper->Skin(), item->maxIconWidth > 0,
                                                  TagOf(widget) == SystemMenuTag);
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
