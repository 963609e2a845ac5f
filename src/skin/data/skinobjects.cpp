#include "skin/data/skinobjects.h"

namespace skin {

SkinObjects::SkinObjects()
    : Left(std::make_unique<TDataSkinBorder>(QStringLiteral("Left"))),
      Right(std::make_unique<TDataSkinBorder>(QStringLiteral("Right"))),
      Top(std::make_unique<TDataSkinBorder>(QStringLiteral("Top"))),
      Bottom(std::make_unique<TDataSkinBorder>(QStringLiteral("Bottom"))),
      Title(std::make_unique<TDataSkinTitle>(QStringLiteral("Title"))),
      Buttons(std::make_unique<TDataSkinButton>(QStringLiteral("Buttons"))) {}

SkinObjects::~SkinObjects() = default;
SkinObjects::SkinObjects(SkinObjects &&) noexcept = default;
SkinObjects &SkinObjects::operator=(SkinObjects &&) noexcept = default;

QList<const TDataSkinObject *> SkinObjects::All() const {
    const TDataSkinObject *const fixed[] = {Left.get(),
                                            Right.get(),
                                            Top.get(),
                                            Bottom.get(),
                                            Buttons.get(),
                                            Title.get(),
                                            Progress.get(),
                                            ProgressChunk.get(),
                                            menuBar.get(),
                                            GroupBoxEdge.get(),
                                            GroupBox.get(),
                                            Tabs.get(),
                                            StatusBarEdges.get(),
                                            TabPane.get(),
                                            ToolBars.get(),
                                            ComboButton.get(),
                                            SunkEdge.get(),
                                            ExtraImages.get(),
                                            Headerbar.get(),
                                            MenuItem.get(),
                                            MenuBackground.get(),
                                            Scrollbar.get(),
                                            HorzScroll.get(),
                                            VertScroll.get(),
                                            HorzScrollThumb.get(),
                                            VertScrollThumb.get(),
                                            TrackbarThumbHorz.get(),
                                            TrackbarThumbVert.get(),
                                            TrackbarThumbLeft.get(),
                                            TrackbarThumbRight.get(),
                                            TrackbarThumbUp.get(),
                                            TrackbarThumbDown.get(),
                                            UpDownHorz.get(),
                                            UpDownVert.get(),
                                            Track.get(),
                                            TRACKVERT.get(),
                                            ComboxArrow.get(),
                                            Toolbar.get()};
    QList<const TDataSkinObject *> list;
    for (const TDataSkinObject *object : fixed)
        if (object)
            list.append(object);
    for (const auto &button : TitleButtons)
        list.append(button.get());
    return list;
}

} // namespace skin
