#pragma once

#include <QLatin1String>

namespace skin {

// Every kind of control skin the control walk can ask for; CreateControlSkin makes the skin
// object of each.
enum class ControlKind {
    Button,
    BitButton,
    MenuButton,
    SpeedButton,
    CheckBox,
    RadioButton,
    ObjImage,
    GroupBox,
    StatusBar,
    Box,
    BoxH,
    Tab,
    TabBtn,
    Tab31,
    TabSheet,
    AdvPage,
    UpDown,
    Progress,
    TrackBar,
    ComBox,
    DateTime,
    Edit,
    Scrollbar,
    ListView,
    MediaPlayer,
    Sizer,
};

// The skin class name of a kind ("TSkinButton"), for logs and tests.
QLatin1String kindName(ControlKind kind);

} // namespace skin
