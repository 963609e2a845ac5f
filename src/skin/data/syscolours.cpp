#include "skin/data/syscolours.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace skin {

namespace {

// System colour index -> palette colour (the roles a desktop theme gives these elements).
QColor SystemColour(int index, const QPalette &p) {
    switch (index) {
    case 0:
    case 22:
        return p.color(QPalette::Midlight);
    case 1:
    case 12:
    case 16:
        return p.color(QPalette::Dark);
    case 2:
    case 13:
    case 29:
        return p.color(QPalette::Active, QPalette::Highlight);
    case 3:
        return p.color(QPalette::Inactive, QPalette::Highlight);
    case 5:
        return p.color(QPalette::Base);
    case 6:
    case 21:
        return p.color(QPalette::Shadow);
    case 7:
    case 8:
        return p.color(QPalette::WindowText);
    case 9:
    case 14:
        return p.color(QPalette::HighlightedText);
    case 15:
        return p.color(QPalette::Button);
    case 17:
        return p.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return p.color(QPalette::ButtonText);
    case 19:
        return p.color(QPalette::Disabled, QPalette::WindowText);
    case 20:
        return p.color(QPalette::Light);
    case 23:
        return p.color(QPalette::ToolTipText);
    case 24:
        return p.color(QPalette::ToolTipBase);
    case 26:
        return p.color(QPalette::Link);
    case 27:
        return p.color(QPalette::Active, QPalette::Highlight).lighter(130);
    case 28:
        return p.color(QPalette::Inactive, QPalette::Highlight).lighter(130);
    default:
        return p.color(QPalette::Window);
    }
}

} // namespace

QColor ColorToQColor(TColor color, const QPalette *palette) {
    if (color == clNone)
        return QColor();
    if (color < 0) {
        const QPalette p = palette ? *palette : QGuiApplication::palette();
        return SystemColour(color & 0xFF, p);
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor QColorToColor(const QColor &color) {
    return RGBColor(color.red(), color.green(), color.blue());
}

} // namespace skin
