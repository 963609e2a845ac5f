#pragma once

#include "skin/controls/controlkind.h"
#include "skin/controls/controlstate.h"
#include "skin/data/tskindata.h"
#include "skin/draw/skindrawtext.h"

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

class QPainter;

namespace skin {

class TWinSkinForm;

// The base of every control skin. It is created with the skinned widget as its parent (so it
// goes with the widget) and sits in the widget's event path as an event filter: each event
// goes to BeforeMessage first, which may eat it; then the widget handles it, and
// AfterMessage reacts. Skins either eat the paint event and paint the whole control, or let
// the widget paint and draw over it. Input events are never eaten: the widget keeps its own
// clicks, keys, focus and accessibility.
//
// The widget owns its skin. The skinned window's object (`SkinForm`) lists the skins of its
// controls; it detaches them when it unskins the window (Detach, then deleteLater), and a
// skin detaches itself the same way when the window's object goes first.
class TSkinControl : public QObject {
    Q_OBJECT

public:
    // New, attached to its widget, or detached for good (to be deleted by who detached it).
    enum class SkinState { New, Attached, Detached };
    // Who paints the control's background: the widget itself, or the skin (the whole control,
    // or the face colour where the parent's background showed).
    enum class BackgroundMode { Native, Skin };
    // What BeforeMessage makes of an event: the widget gets it, or the skin ate it.
    enum class Message { PassOn, Eaten };

    explicit TSkinControl(QWidget *control);
    ~TSkinControl() override;

    virtual ControlKind Kind() const = 0;
    // Attaches to the widget (once; later calls change nothing). With changeColor the widget
    // takes the skin's face colour until Restore.
    virtual void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor);
    // Gives back what InitSkin changed.
    virtual void Restore();
    // Restores the widget and leaves its event path and the window's list for good; whoever
    // detaches deletes the skin later.
    void Detach();
    // Sets the skin's face colour on the widget again and repaints.
    virtual void ReapplyColor();
    // Paints the control now: into dc when given, else onto the widget (inside its paint event).
    void Paint(QPainter *dc = nullptr);
    // Draws the whole control in state into dc within rect (origin 0,0). Nothing in the base.
    virtual void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state);

    // Schedules a repaint of the widget.
    void RefreshControl();

    QWidget *Control() const { return control; }
    TWinSkinForm *SkinForm() const;
    TSkinData *SkinData() const { return skinData; }
    bool Initialized() const { return initialized; }
    bool ChangeColor() const { return changeColor; }
    bool SkinEnabled() const { return skinEnabled; }
    SkinState State() const { return skinState; }
    BackgroundMode Background() const { return backgroundMode; }
    MouseStates MouseState() const { return mouseState; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Whether the skin sits in the widget's event path.
    virtual bool HooksEvents() const { return true; }
    // The SkinControls member of the skin's kind: while it is switched off the widget paints
    // itself. None: always on.
    virtual TSkinData::TSkinControlTypes KindSwitch() const { return {}; }
    // Attached, switched on by SM_SKINENABLE and by the skin's SkinControls.
    bool Active() const;
    virtual Message BeforeMessage(QEvent *event);
    virtual void AfterMessage(QEvent *event);
    // Delivers the event to the widget past this filter.
    bool CallOldProc(QEvent *event);
    // The eaten paint: DrawControl over the whole widget.
    void PaintMessage();
    // The control's state for one paint, read from the widget: enabled, focused and the
    // mouse; descendants add the caption and what the widget says of the mouse.
    virtual ControlState ReadControlState() const;
    void SetMouseState(MouseStates state) { mouseState = state; }
    void SetBackgroundMode(BackgroundMode mode) { backgroundMode = mode; }
    // Sets one colour of the widget's palette while skinned; Restore gives the palette back.
    void SetPaletteColour(QPalette::ColorRole role, const QColor &colour);
    // The widget shows its parent's background under the skin (see InitTransparent).
    bool Transparent() const { return transparent; }

    // The skin in use now (hold it for one paint only); null when there is none.
    std::shared_ptr<const SkinObjects> Skin() const;
    QColor FaceColour(const SkinObjects &skin) const;
    QColor SystemColour(SkinColor c) const;
    void FillSkinColor(QPainter &dc, const QRect &rect, const SkinObjects &skin) const;
    // A focus rectangle around text as drawn in rect with the format.
    static void DrawTextFocusRect(QPainter &dc, const QString &text, const SkinTextFormat &format,
                                  const QRect &rect);
    // The reused off-screen image of one drawing, sized to size; cleared to transparent.
    // Transparent controls leave it clear where the skin image is keyed: the widget paints no
    // background of its own, so when the image is drawn the parent's pixels are already
    // beneath it in the window's backing store and show through. That is why no control skin
    // paints its parent into the image first.
    QImage &WorkBitmap(const QSize &size);
    // Transparent when the widget's tag is the transparent tag or the skin's options say
    // xoTransparent; a transparent widget stops filling its own background until Restore.
    void InitTransparent();

private:
    bool KindSwitchedOn() const;
    void SwitchParentBackground(bool on);

    QPointer<QWidget> control;
    QPointer<TSkinData> skinData;
    QPointer<TWinSkinForm> skinForm;
    MouseStates mouseState;
    bool skinEnabled = true;
    bool changeColor = false;
    bool initialized = false;
    SkinState skinState = SkinState::New;
    BackgroundMode backgroundMode = BackgroundMode::Native;
    bool parentBackgroundWasOn = false;
    bool transparent = false;
    bool inOldProc = false;
    QPalette savedPalette;
    bool savedPaletteSet = false;
    bool savedAutoFill = false;
    bool colourSaved = false;
    bool autoFillSwitched = false;
    QImage bitmap;
};

// Where the pointer is in the widget's coordinates while the widget (or a child of it) is what
// the pointer is over; none when a popup, another window or another widget is on top or the
// pointer is elsewhere. Asks the window system, not Qt's enter and leave bookkeeping, which
// misses the leave of a widget that a popup opened over.
std::optional<QPoint> PointerIn(const QWidget *widget);

// The tag of controls that show their parent's background under them.
inline constexpr int TransparentTag = 5555;

} // namespace skin
