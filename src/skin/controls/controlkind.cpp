#include "skin/controls/controlkind.h"

// A kind without a name must not build.
#pragma GCC diagnostic error "-Wswitch"

namespace skin {

QLatin1String kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
        return QLatin1String("TSkinButton");
    case ControlKind::BitButton:
        return QLatin1String("TSkinBitButton");
    case ControlKind::MenuButton:
        return QLatin1String("TSkinMenuButton");
    case ControlKind::SpeedButton:
        return QLatin1String("TSkinSpeedButton");
    case ControlKind::CheckBox:
        return QLatin1String("TSkinCheckBox");
    case ControlKind::RadioButton:
        return QLatin1String("TSkinRadioButton");
    case ControlKind::ObjImage:
        return QLatin1String("TSkinObjImage");
    case ControlKind::GroupBox:
        return QLatin1String("TSkinGroupBox");
    case ControlKind::StatusBar:
        return QLatin1String("TSkinStatusBar");
    case ControlKind::Box:
        return QLatin1String("TSkinBox");
    case ControlKind::BoxH:
        return QLatin1String("TSkinBoxH");
    case ControlKind::Tab:
        return QLatin1String("TSkinTab");
    case ControlKind::TabBtn:
        return QLatin1String("TSkinTabBtn");
    case ControlKind::Tab31:
        return QLatin1String("TSkinTab31");
    case ControlKind::TabSheet:
        return QLatin1String("TSkinTabSheet");
    case ControlKind::AdvPage:
        return QLatin1String("TSkinAdvPage");
    case ControlKind::UpDown:
        return QLatin1String("TSkinUpDown");
    case ControlKind::Progress:
        return QLatin1String("TSkinProgress");
    case ControlKind::TrackBar:
        return QLatin1String("TSkinTrackBar");
    case ControlKind::ComBox:
        return QLatin1String("TSkinComBox");
    case ControlKind::DateTime:
        return QLatin1String("TSkinDateTime");
    case ControlKind::Edit:
        return QLatin1String("TSkinEdit");
    case ControlKind::Scrollbar:
        return QLatin1String("TSkinScrollbar");
    case ControlKind::ListView:
        return QLatin1String("TSkinListView");
    case ControlKind::MediaPlayer:
        return QLatin1String("TSkinMP");
    case ControlKind::Sizer:
        return QLatin1String("TSkinSizer");
    }
    return QLatin1String();
}

} // namespace skin
