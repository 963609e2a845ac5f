#pragma once

#include "skin/menus/menuimagecache.h"

#include <QProxyStyle>

namespace skin {

class TWinSkinPopMenu;

// The style of wrapped popup menus, one shared by all of them: a 3-pixel border and the
// background from the skin's MenuBackground, items measured and drawn from its MenuItem
// strip. It reads the skin from the menu's wrapper (TWinSkinPopMenu); everything else, and
// every menu whose wrapper has no skin to give, goes to the application's style.
class TSkinMenuStyle : public QProxyStyle {
    Q_OBJECT

public:
    TSkinMenuStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget) const override;

    // The images of the menus it paints, shared by all of them.
    TMenuImageCache &Images() const { return images; }

private:
    // The application's style (this style's base while this is the application style).
    const QStyle *App() const;

    mutable TMenuImageCache images;
};

} // namespace skin
