#include "skin/controls/tskinradiobutton.h"

#include "skin/data/tdataskinbutton.h"

#include <QAbstractButton>

namespace skin {

int RadioButtonFrame(int frameCount, bool checked, bool enabled) {
    int frame = checked ? 2 : 1;
    if (!enabled)
        frame += 2;
    if (frameCount == 8)
        frame = frame == 2 ? 5 : frame == 3 ? 4 : frame == 4 ? 8 : frame;
    return frame;
}

TSkinRadioButton::TSkinRadioButton(QAbstractButton *button) : TSkinCheckBox(button) {}

QImage TSkinRadioButton::Strip(const TDataSkinButton &buttons) const {
    return buttons.RadioImage;
}

int TSkinRadioButton::StripCount(const TDataSkinButton &buttons) const {
    return buttons.RadioButtonFrame;
}

int TSkinRadioButton::StateFrame(int frameCount, bool enabled) const {
    const auto *button = qobject_cast<const QAbstractButton *>(Control());
    return RadioButtonFrame(frameCount, button && button->isChecked(), enabled);
}

} // namespace skin
