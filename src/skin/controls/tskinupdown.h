#pragma once

#include "skin/controls/skinimagecache.h"
#include "skin/controls/tskincontrol.h"

class QPalette;

namespace skin {

// One button of an up-down pair: up and down from UpDown.Vert, left and right from
// UpDown.Horz.
enum class UpDownPart { Up, Down, Left, Right };
// The state of one button; its value is the frame within the button's four.
enum class UpDownState { Normal = 1, Pressed = 2, Disabled = 3, Hot = 4 };

// One up-down button over rect: frame 4 x (0 for up and left, 1 for down and right) + state of
// its orientation's strip, stretched and keyed, with the same frame of the glyph strip centred
// on it. Without the strip: a rectangle of the face colour (the shadow colour when pressed or
// hot) outlined in the dark shadow colour, with a line arrow at its centre.
void DrawUpDownButton(QPainter &dc, const QRect &rect, UpDownPart part, UpDownState state,
                      const SkinObjects &skin, const QPalette &palette);

// Up-down (spin) buttons painted from the skin.
// - On a spin box: its up and down buttons, drawn over the box's own painting and kept 3 pixels
//   inside its edges. As the buddy of an edit skin, that skin hands it the box's mouse events and
//   draws it after the border.
// - On an arrow button (a tab bar's scroll arrows): the button painted whole as the one half its
//   arrow points to.
// Each half is hot under the pointer and pressed while the left button holds it; the widget
// keeps its own input (stepping, auto-repeat).
class TSkinUpDown : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinUpDown(QWidget *control);

    ControlKind Kind() const override { return ControlKind::UpDown; }

    // Set before InitSkin: the edit skin that made this one hands it its events.
    void SetBuddy(bool on) { buddy = on; }
    bool Buddy() const { return buddy; }
    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;
    // Follows the pointer over the halves (repainting when a half changed) and the widget's
    // size, style and direction (placing the halves again).
    void TrackMouse(QEvent *event);

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcSpin; }
    bool HooksEvents() const override { return !buddy; }
    Message BeforeMessage(QEvent *event) override;
    void AfterMessage(QEvent *event) override;
    // An arrow button is pressed as it reports it.
    ControlState ReadControlState() const override;

private:
    enum class Half { None, First, Second };
    // The area the two halves share, in the widget's coordinates; empty for none.
    QRect ButtonArea(const QRect &rect) const;
    void PlaceButtons();
    Half HalfAt(const QPoint &pos) const;
    // The state of a half in a paint where `pressed` is the pressed half.
    UpDownState StateOf(Half half, Half pressed, bool enabled) const;
    void SetHalves(Half hot, Half pressed);

    bool buddy = false;
    QRect buttonArea; // ButtonArea of the widget, placed when its inputs change
    Half hotHalf = Half::None;
    Half pressedHalf = Half::None;
    TSkinImageCache cache;
};

} // namespace skin
