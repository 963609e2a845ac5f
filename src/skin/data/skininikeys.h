#pragma once

#include <QLatin1String>

// The skin INI vocabulary: the section and key names the skin reader looks up and the skin
// generator (tools/skinpack) writes. Names compare ASCII case-insensitively when read.
namespace skin::ini {

using Name = QLatin1String;

// Entry-name endings inside a package: the INI text and the images.
inline constexpr Name IniSuffix{".ini"};
inline constexpr Name ImageSuffix{".bmp"};

namespace section {
inline constexpr Name Personality{"Personality"}; // window frame, caption text, menu bar
inline constexpr Name Fonts{"Fonts"};
inline constexpr Name Colours{"Colours"};
inline constexpr Name MDIControls{"MDICONTROLS"};
inline constexpr Name Buttons{"Buttons"};
inline constexpr Name Progress{"Progress"};
inline constexpr Name ProgressChunk{"Progress.Chunk"};
inline constexpr Name GroupBoxEdge{"GroupBoxEdge"};
inline constexpr Name GroupBox{"GroupBox"};
inline constexpr Name Tabs{"Tabs"};
inline constexpr Name StatusBarEdges{"StatusBarEdges"};
inline constexpr Name TabPane{"Tab.Pane"};
inline constexpr Name ToolBars{"ToolBars"};
inline constexpr Name ComboButton{"ComboButton"};
inline constexpr Name SunkEdge{"SunkEdge"};
inline constexpr Name ExtraImages{"ExtraImages"};
inline constexpr Name Headerbar{"Headerbar"};
inline constexpr Name MenuItem{"MenuItem"};
inline constexpr Name MenuBackground{"MenuBackground"};
inline constexpr Name Scrollbar{"Scrollbar"};
inline constexpr Name HorzScroll{"HorzScroll"};
inline constexpr Name VertScroll{"VertScroll"};
inline constexpr Name HorzScrollThumb{"HorzScrollThumb"};
inline constexpr Name VertScrollThumb{"VertScrollThumb"};
inline constexpr Name TrackbarThumbHorz{"Trackbar.ThumbHorz"};
inline constexpr Name TrackbarThumbVert{"Trackbar.ThumbVert"};
inline constexpr Name TrackbarThumbLeft{"Trackbar.ThumbLeft"};
inline constexpr Name TrackbarThumbRight{"Trackbar.ThumbRight"};
inline constexpr Name TrackbarThumbUp{"Trackbar.ThumbUp"};
inline constexpr Name TrackbarThumbDown{"Trackbar.ThumbDown"};
inline constexpr Name UpDownHorz{"UpDown.Horz"};
inline constexpr Name UpDownVert{"UpDown.Vert"};
inline constexpr Name Track{"Track"};
inline constexpr Name TrackVert{"TRACKVERT"};

// Caption buttons: every section whose upper-cased name starts with CaptionButtonPrefix,
// except the sections named in NotCaptionButtons.
inline constexpr Name CaptionButtonPrefix{"BUTTON"};
inline constexpr Name NotCaptionButtons[] = {Name("BUTTONS"), Name("BUTTON.RADIO"),
                                             Name("BUTTON.CHECKBOX"), Name("BUTTON")};
} // namespace section

namespace key {
// Common to the element sections.
inline constexpr Name Image{"Image"};
inline constexpr Name Bitmap{"Bitmap"}; // the image key of [Buttons] and [Progress]
inline constexpr Name Style{"Style"};
inline constexpr Name LeftWidth{"LeftWidth"};
inline constexpr Name TopHeight{"TopHeight"};
inline constexpr Name RightWidth{"RightWidth"};
inline constexpr Name BottomHeight{"BottomHeight"};
inline constexpr Name Frame{"Frame"};
inline constexpr Name Trans{"Trans"};
inline constexpr Name Tile{"Tile"};
inline constexpr Name NormalColour{"NormalColour"};
inline constexpr Name MouseOverColour{"MouseOverColour"};
inline constexpr Name PressedColour{"PressedColour"};
inline constexpr Name NormalColour2{"NormalColour2"};
inline constexpr Name MouseOverColour2{"MouseOverColour2"};
inline constexpr Name PressedColour2{"PressedColour2"};
inline constexpr Name FrameCount{"FrameCount"}; // scroll thumbs
inline constexpr Name Border{"Border"};         // second image of [Tabs]
inline constexpr Name GlyphImage{"GlyphImage"}; // second image of [UpDown.*]
inline constexpr Name NoSecondImage{"****"};    // second image of [ComboButton]: none
inline constexpr Name BackgroundAlignment{"BackgroundAlignment"};
inline constexpr Name BackgroundLeftShift{"BackgroundLeftShift"};
inline constexpr Name BackgroundRightShift{"BackgroundRightShift"};

// [Buttons]
inline constexpr Name CheckButton{"CheckButton"};
inline constexpr Name CheckButtonFrame{"CheckButtonFrame"};
inline constexpr Name RadioButton{"RadioButton"};
inline constexpr Name RadioButtonFrame{"RadioButtonFrame"};

// [Personality]: the borders are keys Left, Right, Top, Bottom (the image) and that name
// followed by TopHeight, BotHeight, Frame, Stretch or Trans.
inline constexpr Name Left{"Left"};
inline constexpr Name Right{"Right"};
inline constexpr Name Top{"Top"};
inline constexpr Name Bottom{"Bottom"};
inline constexpr Name BotHeight{"BotHeight"};
inline constexpr Name Stretch{"Stretch"};
inline constexpr Name TextBack{"TextBack"};
inline constexpr Name TextShift{"TextShift"};
inline constexpr Name TextShiftVert{"TextShiftVert"};
inline constexpr Name TextRightClip{"TextRightClip"};
inline constexpr Name TextAlignment{"TextAlignment"};
inline constexpr Name Textbackground{"Textbackground"};
inline constexpr Name TXTBackleft{"TXTBackleft"};
inline constexpr Name TXTBackRight{"TXTBackRight"};
// Caption text colours: the prefix followed by R, G and B, one integer each.
inline constexpr Name ActiveText{"ActiveText"};
inline constexpr Name InActiveText{"InActiveText"};
inline constexpr Name MenuBar{"menuBar"};
inline constexpr Name TileMenu{"TileMenu"};
inline constexpr Name TileLeftMenu{"TileLeftMenu"};
inline constexpr Name TileRightMenu{"TileRightMenu"};

// [Fonts]
inline constexpr Name FontHeight{"FontHeight"};

// [Colours], each "R G B".
inline constexpr Name WindowText{"WindowText"};
inline constexpr Name ButtonFace{"ButtonFace"};
inline constexpr Name HilightText{"HilightText"};
inline constexpr Name Hilight{"Hilight"};
inline constexpr Name Menubar{"Menubar"};
inline constexpr Name Menu{"Menu"};
inline constexpr Name MenuText{"MenuText"};
inline constexpr Name ButtonText{"ButtonText"};
inline constexpr Name ButtonHilight{"ButtonHilight"};
inline constexpr Name Buttonlight{"Buttonlight"};
inline constexpr Name ButtonShadow{"ButtonShadow"};
inline constexpr Name ButtonDkShadow{"ButtonDkShadow"};
inline constexpr Name MenuBarText{"MenuBarText"};
inline constexpr Name TitleTextActive{"TitleTextActive"};
inline constexpr Name TitleTextNoActive{"TitleTextNoActive"};

// Caption-button sections.
inline constexpr Name Action{"Action"};
inline constexpr Name Align{"Align"};
inline constexpr Name Xcoord{"Xcoord"};
inline constexpr Name Ycoord{"Ycoord"};
inline constexpr Name Visibility{"Visibility"};
inline constexpr Name Visibility1{"Visibility1"};
inline constexpr Name CombineOp{"CombineOp"};
inline constexpr Name ButtonFrame{"frame"};
inline constexpr Name ButtonImage{"ButtonImage"};
} // namespace key

} // namespace skin::ini
