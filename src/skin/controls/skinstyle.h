#pragma once

#include <QProxyStyle>

namespace skin {

// The application style: Fusion with the few metrics the skins are drawn to, so that Qt's own
// layout and hit areas match what the skins paint. It draws nothing itself and applies with or
// without a skin. Install it once, before any window exists.
class SkinStyle : public QProxyStyle {
    Q_OBJECT

public:
    SkinStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
};

} // namespace skin
