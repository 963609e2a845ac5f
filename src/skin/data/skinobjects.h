#pragma once

#include "skin/data/syscolours.h"
#include "skin/data/tdataskinborder.h"
#include "skin/data/tdataskinboxlabel.h"
#include "skin/data/tdataskinbutton.h"
#include "skin/data/tdataskinobject.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tdataskintitle.h"

#include <QBrush>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace skin {

// One read skin: every skin data object and colour the INI reader fills. A TSkinData holds the
// set in use as std::shared_ptr<const SkinObjects> and replaces it whole on a reload, so a set
// never changes once it is in use (see TSkinData::Objects()).
//
// `Left`, `Right`, `Top`, `Bottom`, `Title` and `Buttons` always exist (their images may be
// empty). Every other object is nullptr when the skin lacks its section or image key.
struct SkinObjects {
    SkinObjects();
    ~SkinObjects();
    SkinObjects(SkinObjects &&) noexcept;
    SkinObjects &operator=(SkinObjects &&) noexcept;

    std::unique_ptr<TDataSkinBorder> Left, Right, Top, Bottom; // window frame ([Personality])
    std::unique_ptr<TDataSkinTitle> Title;                     // caption text plate
    std::unique_ptr<TDataSkinButton> Buttons;                  // push, check and radio buttons
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk;
    std::unique_ptr<TDataSkinObject> menuBar; // [Personality] menuBar, a vertical strip
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> TabPane;
    std::unique_ptr<TDataSkinObject> ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton; // composed with SunkEdge when both exist
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll;
    std::unique_ptr<TDataSkinObject> VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb;
    std::unique_ptr<TDataSkinObject> VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
    std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
    std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
    std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
    std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
    std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz;
    std::unique_ptr<TDataSkinBorder> UpDownVert;
    std::unique_ptr<TDataSkinObject> Track;       // the program's "TRACK" image without [Track]
    std::unique_ptr<TDataSkinObject> TRACKVERT;   // likewise "TRACKVERT"
    std::unique_ptr<TDataSkinObject> ComboxArrow; // derived from the combo strip
    std::unique_ptr<TDataSkinObject> Toolbar;     // derived gradient
    // Caption buttons in file order, then the three MDI buttons.
    std::vector<std::unique_ptr<TDataSkinSysButton>> TitleButtons;

    // [Colours]; system colours (negative) until a skin gives its own.
    SkinColor WindowText = clWindowText;
    SkinColor TitleTextActive = clCaptionText;
    SkinColor TitleTextNoActive = clInactiveCaptionText;
    SkinColor ButtonFace = clBtnFace;
    SkinColor ButtonText = clBtnText;
    SkinColor ButtonHilight = clBtnHighlight;
    SkinColor Buttonlight = clBtnHighlight;
    SkinColor ButtonShadow = clBtnShadow;
    SkinColor ButtonDkShadow = cl3DDkShadow;
    SkinColor HilightText = clHighlightText;
    SkinColor Hilight = clHighlight;
    SkinColor Menubar = clBtnFace;
    SkinColor MenuBarText = clMenuText;
    SkinColor MenuText = clMenuText;
    SkinColor Menu = clMenu;
    SkinColor TitleSampleColor = clBtnFace; // caption colour sampled from `Top`
    QBrush ButtonFaceBrush;

    QString SkinName; // the INI entry's name

    // Every object present, in reading order (fixed objects first, then caption buttons).
    QList<const TDataSkinObject *> All() const;
};

} // namespace skin
