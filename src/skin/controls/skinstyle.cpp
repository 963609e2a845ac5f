#include "skin/controls/skinstyle.h"

#include "skin/controls/vendorclass.h"
#include "skin/data/skinmetrics.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QTabBar>
#include <QTabWidget>

namespace skin {

namespace {

// Sunken frames of edits and scroll areas are two pixels wide, as the skins' borders are.
constexpr int EditFrameWidth = 2;
// The pages of a tab widget sit this far inside its pane.
constexpr int TabPageInset = 4;
// The button of a combo box is a scroll arrow wide plus the frame.
constexpr int ComboButtonWidth = kArrowSize + EditFrameWidth;
// A tab set's tab is this much wider than its caption.
constexpr int TabSetCaptionPadding = 9;

bool HasSunkenFrame(const QWidget *widget) {
    return qobject_cast<const QLineEdit *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QAbstractScrollArea *>(widget);
}

} // namespace

bool IsTabSet(const QWidget *widget) {
    const auto *bar = qobject_cast<const QTabBar *>(widget);
    if (!bar || qobject_cast<const QTabWidget *>(bar->parentWidget()))
        return false;
    return bar->shape() == QTabBar::RoundedSouth || bar->shape() == QTabBar::TriangularSouth ||
           VendorClassName(bar) == QLatin1String("TTABSET");
}

int TabSetTabWidth(const QFontMetrics &metrics, const QString &caption) {
    return metrics.size(Qt::TextShowMnemonic, caption).width() + TabSetCaptionPadding;
}

SkinStyle::SkinStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int SkinStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                           const QWidget *widget) const {
    switch (metric) {
    case PM_ScrollBarExtent:
        return kArrowSize;
    case PM_DefaultFrameWidth:
        if (HasSunkenFrame(widget))
            return EditFrameWidth;
        break;
    case PM_SpinBoxFrameWidth:
        return EditFrameWidth;
    case PM_TabBarTabHSpace:
        // A tab set's tabs are as wide as the skin draws them, so a click lands on the tab shown.
        if (IsTabSet(widget))
            return TabSetCaptionPadding;
        break;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int SkinStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const {
    if (hint == SH_ComboBox_Popup)
        return 0; // the list drops below the box
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect SkinStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                SubControl sub, const QWidget *widget) const {
    if (control == CC_ComboBox && option) {
        const QRect r = option->rect;
        if (sub == SC_ComboBoxArrow)
            return visualRect(
                option->direction, r,
                QRect(r.right() + 1 - ComboButtonWidth, r.top(), ComboButtonWidth, r.height()));
        if (sub == SC_ComboBoxEditField)
            return visualRect(option->direction, r,
                              QRect(r.left() + EditFrameWidth, r.top() + EditFrameWidth,
                                    r.width() - ComboButtonWidth - 2 * EditFrameWidth,
                                    r.height() - 2 * EditFrameWidth));
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

QRect SkinStyle::subElementRect(SubElement element, const QStyleOption *option,
                                const QWidget *widget) const {
    if (element == SE_TabWidgetTabContents)
        return QProxyStyle::subElementRect(SE_TabWidgetTabPane, option, widget)
            .adjusted(TabPageInset, TabPageInset, -TabPageInset, -TabPageInset);
    return QProxyStyle::subElementRect(element, option, widget);
}

} // namespace skin
