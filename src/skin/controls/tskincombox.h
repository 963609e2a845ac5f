#pragma once

#include "skin/controls/skinimagecache.h"
#include "skin/controls/tskincontrol.h"

class QComboBox;

namespace skin {

class TWScrollbar;

// The frame of a combo box's state: 1 normal, 4 focused or hot, 2 pressed, 3 disabled; in the
// flat style (ComboButton Style 1) a pressed or hot button shows 2 or 4 even when disabled.
int ComboStateFrame(bool enabled, bool focused, bool hot, bool pressed, bool flat = false);
// Whether a combo box's button is hot: the combo is enabled and the pointer (in the combo's
// coordinates; none while the combo is not under it) is over the button.
bool ComboButtonHot(bool enabled, const std::optional<QPoint> &pointer, const QRect &button);

// A combo box's border and drop button painted from the skin (the ComboButton image, composed
// with SunkEdge into one whole-box image when the skin has both, else the SunkEdge border, the
// ComboButton strip and the ExtraImages glyph; in the flat style a shadow-coloured frame with
// the ComboButton frame as the button), in the state frame. The text field is left to
// the combo: an editable combo's line edit paints itself, and a drop-down list's current item is
// drawn by the style's own label routine on the window colour. A right-to-left combo has its
// button on the left, from the mirrored image. The button is hot under the pointer; the combo is
// pressed while the left button holds it, its line edit, or while its list is dropped. The
// drop-down list's scroll bar is skinned too, without hot or pressed parts.
class TSkinComBox : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinComBox(QComboBox *combo);

    ControlKind Kind() const override { return ControlKind::ComBox; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;
    TWScrollbar *DropListBar() const { return dropList; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcCombo; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    Message BeforeMessage(QEvent *event) override;
    void AfterMessage(QEvent *event) override;

private:
    QComboBox *Combo() const;
    bool HasComboImage() const;
    QRect ButtonZone() const;
    void SetMouse(MouseStates state);
    // Hot as the pointer now stands: asked again when the list closes and when the combo is
    // enabled, as no leave comes for a pointer that left while the list held it.
    void UpdateHot(const std::optional<QPoint> &pointer);
    void DrawBorder(QImage &image, const SkinObjects &skin, int frame, bool rtl) const;
    void DrawFlat(QPainter &p, const QRect &r, const SkinObjects &skin, int frame, bool rtl) const;
    void DrawCurrentItem(QPainter &dc) const;

    QObject *popup = nullptr;        // the drop-down list's window, watched for hiding
    TWScrollbar *dropList = nullptr; // a child of this object
    TSkinImageCache cache;
};

} // namespace skin
