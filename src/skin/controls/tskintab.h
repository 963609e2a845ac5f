#pragma once

#include "skin/controls/tabscrollarrows.h"
#include "skin/controls/tskincontrol.h"

#include <QImage>

class QTabBar;
class QTabWidget;

namespace skin {

// A tab widget (or a tab bar on its own) painted from the skin: the tab strip from the Tabs
// image (frame 2 for the current tab, 1 for the others) and the pane from the Tabs border
// image (Style 0) or Tab.Pane (Style 1). Tabs at the bottom use the images flipped; tabs on
// the left or right are composed as a horizontal strip and turned, the pane image turned
// with them. A tab widget tagged CloseTabTag with its tabs at the top draws a close box on
// each tab; a click on one asks the window (SM_SKINTABCLOSE) and the page (a close event) and,
// unless either refuses, removes the tab and deletes its page once the click is over. The bar's
// scroll arrows take the up-down skin. Without a Tabs image the tab bar paints natively; without a
// pane image the widget paints its own pane. The bar's focus shows as the style shows it.
class TSkinTab : public TSkinControl {
    Q_OBJECT

public:
    enum class TabPosition { Top, Bottom, Left, Right };

    explicit TSkinTab(QWidget *tabs);

    ControlKind Kind() const override { return ControlKind::Tab; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void Restore() override;
    void ReapplyColor() override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

    TabPosition Position() const;
    bool Closable() const;
    // The close box of tab `index` as drawn now, in the widget's coordinates; empty when the
    // widget is not closable or has no such tab.
    QRect CloseRect(int index) const;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcTab; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    Message BeforeMessage(QEvent *event) override;
    // The skin has what the tabs are drawn from; else the bar paints natively.
    virtual bool HasTabFace() const;
    // The pane is drawn from the skin.
    virtual bool ShowsPane() const;
    // The widget's own paint is eaten (else the strip is drawn over it).
    virtual bool PaintsWhole() const;
    // The strip's background around the tabs.
    virtual QColor StripFill(const SkinObjects &skin) const;
    // Tab t of the strip in state 1 (normal) or 2 (current); leaves the text colour in the pen.
    virtual void DrawTab(QPainter &canvas, const QRect &t, int state, const SkinObjects &skin);

private:
    QTabBar *Bar() const;
    QTabWidget *Widget() const;
    // The images turned for the tab position; prepared again when the skin or the position
    // changes.
    void PrepareImages();
    // The pane rectangle (D) and the strip beside it (S), in the widget's coordinates.
    QRect PaneRect(const QRect &rect) const;
    QRect StripRect(const QRect &rect, const QRect &pane) const;
    // Tab `index` in the strip image's coordinates (horizontal, before turning).
    QRect TabInStrip(int index, const QRect &rect, const QRect &pane, const QSize &strip) const;
    void DrawStrip(QPainter &dc, const QRect &rect, const QRect &pane, const SkinObjects &skin,
                   bool enabled);
    void DrawPane(QPainter &dc, const QRect &pane, const SkinObjects &skin);
    // The style's focus rectangle on the current tab while the bar has the focus, where the
    // style puts it on a tab it draws itself.
    void DrawFocusCue(QPainter &dc) const;
    // The tab whose close box holds the point (tab bar coordinates), or -1.
    int CloseHit(const QPoint &barPos) const;
    void CloseTab(int index);
    bool BarPaintEaten() const;
    // The tab bar is not hidden inside its tab widget.
    bool BarShown() const;

    QImage tabImage;
    QImage paneImage;
    QImage stripImage;
    QImage paneBitmap; // the pane as last built, reused while its size stays
    std::weak_ptr<const SkinObjects> preparedFor;
    TabPosition preparedPosition = TabPosition::Top;
    bool closable = false;
    TTabScrollArrows arrows;
};

// Tag of a tab widget whose tabs carry close boxes.
inline constexpr int CloseTabTag = 7777;

} // namespace skin
