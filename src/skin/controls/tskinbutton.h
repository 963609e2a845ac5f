#pragma once

#include "skin/controls/tskincontrol.h"

class QAbstractButton;

namespace skin {

// A push button painted from the skin's [Buttons] strip: 1 normal, 2 pressed, 3 disabled,
// 4 hot, 5 focused. The button keeps its own input: pressed is what the button reports
// (mouse or Space), hot follows the mouse entering and leaving. Without a [Buttons] image
// the button paints natively.
class TSkinButton : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinButton(QAbstractButton *button);
    ControlKind Kind() const override { return ControlKind::Button; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) override;

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcButton; }
    Message BeforeMessage(QEvent *event) override;
    void AfterMessage(QEvent *event) override;
    // The caption, and pressed as the button reports it.
    ControlState ReadControlState() const override;

    QAbstractButton *Button() const;
    // The [Buttons] frame of a state: 1; the focused frame when focused; 2 when pressed, else
    // 4 when hot; 3 when disabled.
    virtual int ButtonFrame(const ControlState &state) const;
    virtual int FocusedFrame() const { return 5; }
    // Whether the skin's frame is drawn under the content.
    virtual bool DrawsFace(int frame) const;
    // Caption (and glyph) over the face; the painter carries the font and the text colour.
    virtual void DrawContent(QPainter &canvas, const QRect &rect, int frame,
                             const ControlState &state);
    // The text colour of a frame: the skin's colours given for frames 1, 4 and 2, the
    // system shadow colour when disabled, else the button's own.
    QColor TextColour(const SkinObjects &skin, int frame, bool enabled) const;
    // The text (its first "||" a line break) centred in rect, with a focus rectangle when
    // focused.
    void DrawButtonText(QPainter &canvas, const QRect &rect, Qt::Alignment align,
                        const QString &text, bool focused);
    // A focus rectangle around r, unless the skin's options say none.
    void DrawFocusAround(QPainter &canvas, const QRect &r);

private:
    static bool HasButtonImage(const std::shared_ptr<const SkinObjects> &skin);
};

// text with the first occurrence of pattern replaced.
QString ReplaceFirst(const QString &text, const QString &pattern, const QString &replacement);

} // namespace skin
