#include "skin/controls/controlskinfactory.h"

#include "skin/controls/tskinadvpage.h"
#include "skin/controls/tskinbitbutton.h"
#include "skin/controls/tskinbox.h"
#include "skin/controls/tskinboxh.h"
#include "skin/controls/tskinbutton.h"
#include "skin/controls/tskincheckbox.h"
#include "skin/controls/tskincombox.h"
#include "skin/controls/tskindatetime.h"
#include "skin/controls/tskinedit.h"
#include "skin/controls/tskingroupbox.h"
#include "skin/controls/tskinlistview.h"
#include "skin/controls/tskinmenubutton.h"
#include "skin/controls/tskinmp.h"
#include "skin/controls/tskinobjimage.h"
#include "skin/controls/tskinprogress.h"
#include "skin/controls/tskinradiobutton.h"
#include "skin/controls/tskinscrollbar.h"
#include "skin/controls/tskinsizer.h"
#include "skin/controls/tskinspeedbutton.h"
#include "skin/controls/tskinstatusbar.h"
#include "skin/controls/tskintab.h"
#include "skin/controls/tskintab31.h"
#include "skin/controls/tskintabbtn.h"
#include "skin/controls/tskintabsheet.h"
#include "skin/controls/tskintrackbar.h"
#include "skin/controls/tskinupdown.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

// Every kind is decided here: a kind added without a case must not build.
#pragma GCC diagnostic error "-Wswitch"

namespace skin {

namespace {

// The skin for a widget of the class it paints; none for any other widget.
template <class Skin, class Widget> TSkinControl *Make(QWidget *control) {
    auto *widget = qobject_cast<Widget *>(control);
    return widget ? new Skin(widget) : nullptr;
}

// The skin for an edit: a line edit, or a spin box (an edit with its up-down buttons).
template <class Skin> TSkinControl *MakeForEdit(QWidget *control) {
    return qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractSpinBox *>(control)
               ? new Skin(control)
               : nullptr;
}

} // namespace

TSkinControl *CreateControlSkin(ControlKind kind, QWidget *control) {
    if (!control)
        return nullptr;
    switch (kind) {
    case ControlKind::Button:
        return Make<TSkinButton, QAbstractButton>(control);
    case ControlKind::BitButton:
        return Make<TSkinBitButton, QAbstractButton>(control);
    case ControlKind::MenuButton:
        return Make<TSkinMenuButton, QAbstractButton>(control);
    case ControlKind::SpeedButton:
        return Make<TSkinSpeedButton, QAbstractButton>(control);
    case ControlKind::CheckBox:
        return Make<TSkinCheckBox, QAbstractButton>(control);
    case ControlKind::RadioButton:
        return Make<TSkinRadioButton, QAbstractButton>(control);
    case ControlKind::GroupBox:
        return Make<TSkinGroupBox, QGroupBox>(control);
    case ControlKind::StatusBar:
        return Make<TSkinStatusBar, QStatusBar>(control);
    case ControlKind::Box:
        return new TSkinBox(control);
    case ControlKind::ObjImage:
        return new TSkinObjImage(control);
    case ControlKind::BoxH:
        return new TSkinBoxH(control);
    case ControlKind::Tab:
        if (qobject_cast<QTabWidget *>(control) || qobject_cast<QTabBar *>(control))
            return new TSkinTab(control);
        return nullptr;
    case ControlKind::TabSheet:
        return new TSkinTabSheet(control);
    case ControlKind::TrackBar:
        return Make<TSkinTrackBar, QSlider>(control);
    case ControlKind::MediaPlayer:
        return new TSkinMP(control);
    case ControlKind::Sizer:
        return new TSkinSizer(control);
    case ControlKind::UpDown:
        // A spin box's buttons, or a tab bar's scroll arrow.
        return qobject_cast<QAbstractButton *>(control) ? new TSkinUpDown(control)
                                                        : MakeForEdit<TSkinUpDown>(control);
    case ControlKind::Progress:
        return Make<TSkinProgress, QProgressBar>(control);
    case ControlKind::ComBox:
        return Make<TSkinComBox, QComboBox>(control);
    case ControlKind::DateTime:
        return Make<TSkinDateTime, QDateTimeEdit>(control);
    case ControlKind::Edit:
        return MakeForEdit<TSkinEdit>(control);
    case ControlKind::Scrollbar:
        return Make<TSkinScrollbar, QAbstractScrollArea>(control);
    case ControlKind::ListView:
        return Make<TSkinListView, QAbstractScrollArea>(control);
    case ControlKind::TabBtn:
        return Make<TSkinTabBtn, QTabWidget>(control);
    case ControlKind::AdvPage:
        return new TSkinAdvPage(control);
    case ControlKind::Tab31:
        return Make<TSkinTab31, QTabBar>(control);
    }
    return nullptr;
}

} // namespace skin
