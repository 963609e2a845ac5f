#pragma once

#include "skin/controls/tskincontrol.h"
#include "skin/controls/twmediaplayer.h"

namespace skin {

// A media player skinned by a panel of its own (TWMediaPlayer) laid over it: the panel
// follows the player's place, size and visibility and goes with Restore. Without a [Buttons]
// image the panel stays hidden and the player shows itself.
class TSkinMP : public TSkinControl {
    Q_OBJECT

public:
    explicit TSkinMP(QWidget *player);
    ~TSkinMP() override;

    ControlKind Kind() const override { return ControlKind::MediaPlayer; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void Restore() override;
    void ReapplyColor() override;

    TWMediaPlayer *Overlay() const { return overlay; }

protected:
    TSkinData::TSkinControlTypes KindSwitch() const override { return TSkinData::xcButton; }
    void AfterMessage(QEvent *event) override;

private:
    void ShowOverlay();

    QPointer<TWMediaPlayer> overlay;
};

} // namespace skin
