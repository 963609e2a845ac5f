#include "skin/controls/tskinadvpage.h"

#include "skin/controls/propbyname.h"
#include "skin/data/skinobjects.h"
#include "skin/draw/drawprimitives.h"

namespace skin {

namespace {

const QRect TabBackgroundSize(0, 0, 100, 21);

} // namespace

void TSkinAdvPage::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (initialized)
        return;
    TSkinControl::InitSkin(form, data, colour);
    SetTabBackgrounds();
}

void TSkinAdvPage::ReapplyColor() {
    TSkinControl::ReapplyColor();
    SetTabBackgrounds();
}

void TSkinAdvPage::SetTabBackgrounds() {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (!skin || !skin->Tabs || !control)
        return;
    const TDataSkinBorder &tabs = *skin->Tabs;
    const auto frame = [&tabs](int index) {
        return BuildPartBitmap(TabBackgroundSize, tabs.Image, tabs.Margins(), false, tabs.Tile != 0,
                               tabs.FrameCount(), index);
    };
    SetImagePropByName(control, QStringLiteral("TabBackGround"), frame(1));
    SetImagePropByName(control, QStringLiteral("TabBackGroundActive"), frame(2));
}

void TSkinAdvPage::Restore() {
    TSkinControl::Restore();
    SetImagePropByName(control, QStringLiteral("TabBackGround"), QImage());
    SetImagePropByName(control, QStringLiteral("TabBackGroundActive"), QImage());
}

} // namespace skin
