#pragma once

#include "skin/controls/mediaplayerglyphs.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>

namespace skin {

class TSkinData;
class TSkinControl;

// The panel laid exactly over a media player while it is skinned: it draws the player's
// visible buttons side by side from the skin's [Buttons] strip (1 normal, 2 pressed, 3
// disabled) with the player's glyphs, and hands left presses and releases on to the player,
// which does the work. A release counts for the player only over the button that was
// pressed. The player describes its buttons in its properties visibleButtons, enabledButtons
// and coloredButtons (set text such as "[btPlay,btStop]", or a list of names).
class TWMediaPlayer : public QWidget {
    Q_OBJECT

public:
    // No button under the mouse.
    static constexpr int NoButton = MediaButtonCount;

    explicit TWMediaPlayer(QWidget *parent = nullptr);

    void Attach(QWidget *player, TSkinControl *skinControl, TSkinData *skinData);
    // Takes the player's geometry.
    void PlaceOver(const QWidget *player);
    // The button under x (visible buttons counted from the left), or NoButton.
    int HitTest(int x);

    int ButtonCount() const { return buttonCount; }
    int ButtonWidth() const { return buttonWidth; }
    int PressedIndex() const { return pressedIndex; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ReadFlags();
    void Layout();
    void DrawCell(QPainter &p, const QRect &cell, int kind);
    void Forward(QMouseEvent *event);

    std::array<std::array<QImage, 3>, MediaButtonCount> glyphs;
    std::array<bool, MediaButtonCount> visibleFlags{};
    std::array<bool, MediaButtonCount> enabledFlags{};
    std::array<bool, MediaButtonCount> coloredFlags{};
    int buttonCount = 0;
    int buttonWidth = 0;
    QPointer<TSkinData> skinData;
    bool mouseIsDown = false;
    int pressedIndex = NoButton;
    int hitIndex = NoButton;
    QPointer<QWidget> mediaPlayer;
    QPointer<TSkinControl> skinControl;
};

} // namespace skin
