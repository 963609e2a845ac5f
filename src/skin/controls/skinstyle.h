#pragma once

#include <QProxyStyle>

class QFontMetrics;

namespace skin {

// A tab set: a tab bar on its own (not a tab widget's) whose tabs hang below a line, or one of
// the vendor class TTabSet.
bool IsTabSet(const QWidget *widget);
// The width of a tab set's tab: its caption and 9 pixels.
int TabSetTabWidth(const QFontMetrics &metrics, const QString &caption);

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
