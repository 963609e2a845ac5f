#include "skin/controls/tskinadvpage.h"

#include "skin/controls/propbyname.h"
#include "skin/data/skinobjects.h"
#include "skin/draw/drawprimitives.h"

namespace skin {

namespace {

const QRect TabBackgroundSize(0, 0, 100, 21);

} // namespace

void TSkinAdvPage::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    SetTabBackgrounds();
    arrows.Attach(TTabScrollArrows::BarOf(Control()), SkinForm(), SkinData());
}

void TSkinAdvPage::ReapplyColor() {
    TSkinControl::ReapplyColor();
    SetTabBackgrounds();
}

void TSkinAdvPage::SetTabBackgrounds() {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (!skin || !skin->Tabs || !Control())
        return;
    const TDataSkinBorder &tabs = *skin->Tabs;
    const auto frame = [&tabs](int index) {
        return BuildPartBitmap(TabBackgroundSize, tabs.Image, tabs.Margins(), false, tabs.Tile != 0,
                               tabs.FrameCount(), index);
    };
    SetImagePropByName(Control(), QStringLiteral("TabBackGround"), frame(1));
    SetImagePropByName(Control(), QStringLiteral("TabBackGroundActive"), frame(2));
}

void TSkinAdvPage::Restore() {
    arrows.Detach();
    TSkinControl::Restore();
    SetImagePropByName(Control(), QStringLiteral("TabBackGround"), QImage());
    SetImagePropByName(Control(), QStringLiteral("TabBackGroundActive"), QImage());
}

} // namespace skin
