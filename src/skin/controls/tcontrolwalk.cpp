#include "skin/controls/tcontrolwalk.h"

#include "skin/controls/controlskinfactory.h"
#include "skin/controls/propbyname.h"
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskinbitbutton.h"
#include "skin/controls/tskincontrol.h"
#include "skin/controls/tskinscrollbar.h"
#include "skin/controls/tskintabbtn.h"
#include "skin/controls/vendorclass.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QChildEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSizeGrip>
#include <QSlider>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

namespace skin {

namespace {

QString ClassName(const QObject *object) {
    return QString::fromLatin1(object->metaObject()->className());
}

template <class T> bool Is(const QObject *object) {
    return qobject_cast<const T *>(object) != nullptr;
}

// Composite widgets: their inner widgets are parts of them, not controls of their own.
bool IsComposite(const QWidget *w) {
    return Is<QComboBox>(w) || Is<QAbstractSpinBox>(w) || Is<QAbstractScrollArea>(w) ||
           Is<QLineEdit>(w) || Is<QAbstractButton>(w) || Is<QAbstractSlider>(w) ||
           Is<QProgressBar>(w) || Is<QTabBar>(w) || Is<QLabel>(w) || Is<QMenuBar>(w) ||
           Is<QCalendarWidget>(w) || Is<QSizeGrip>(w);
}

// A page of a tab widget (a widget of the stack inside it).
bool IsTabPage(const QWidget *w) {
    const QWidget *stack = w->parentWidget();
    return Is<QStackedWidget>(stack) && Is<QTabWidget>(stack->parentWidget());
}

bool IsRadioOrCheckGroup(const QWidget *w) {
    const QString name = ClassName(w).toLower();
    if (name.contains(QLatin1String("radiogroup")) || name.contains(QLatin1String("checkgroup")))
        return true;
    if (!Is<QGroupBox>(w))
        return false;
    for (const QObject *child : w->children())
        if (Is<QRadioButton>(child) || Is<QCheckBox>(child))
            return true;
    return false;
}

bool IsReportList(const QWidget *w) {
    if (const auto *tree = qobject_cast<const QTreeView *>(w))
        return !tree->isHeaderHidden();
    if (const auto *table = qobject_cast<const QTableView *>(w))
        return table->horizontalHeader() && !table->horizontalHeader()->isHidden();
    return false;
}

// A date edit with a drop-down calendar and no time part.
bool IsDropDownDate(const QDateTimeEdit *edit) {
    return edit->calendarPopup() && !(edit->displayedSections() & QDateTimeEdit::TimeSections_Mask);
}

} // namespace

bool HasOwnScrollbars(const QWidget *control) {
    return Is<QAbstractScrollArea>(control) && !Is<QHeaderView>(control);
}

TControlWalk::TControlWalk(TWinSkinForm *form, TSkinData *skinData)
    : QObject(form), factory(CreateControlSkin), skinForm(form), data(skinData) {}

TControlWalk *TControlWalk::Of(TWinSkinForm *form, TSkinData *skinData) {
    if (!form)
        return nullptr;
    auto *walk = form->findChild<TControlWalk *>(QString(), Qt::FindDirectChildrenOnly);
    if (!walk)
        walk = new TControlWalk(form, skinData);
    walk->data = skinData;
    return walk;
}

void TControlWalk::ReadSkin3rd() {
    skin3rdKinds.clear();
    if (!data)
        return;
    for (const QString &line : data->Skin3rd()) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString key = line.left(eq).toLower();
        if (eq > 0 && !skin3rdKinds.contains(key))
            skin3rdKinds.insert(key, line.mid(eq + 1).toLower().left(50));
    }
}

void TControlWalk::SkinFormControls(QWidget *form) {
    if (!form || !data)
        return;
    native = false;
    ReadSkin3rd();
    Walk(form);
}

void TControlWalk::SkinNativeChildren(QWidget *window) {
    if (!window || !data)
        return;
    native = true;
    Walk(window);
}

void TControlWalk::Walk(QWidget *root) {
    root->installEventFilter(this); // controls added later
    for (QObject *child : root->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow() || (Is<QTabBar>(w) && Is<QTabWidget>(root)))
            continue;
        Visit(w);
        if (auto *area = qobject_cast<QScrollArea *>(w); area && area->widget()) {
            Visit(area->widget());
            Walk(area->widget());
        } else if (!IsComposite(w)) {
            Walk(w);
        }
    }
}

void TControlWalk::Visit(QWidget *control) {
    if (native)
        SkinNativeWindow(control);
    else
        SkinVclControl(control);
}

bool TControlWalk::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ChildPolished || !data)
        return false;
    auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child());
    if (!child || child->isWindow() || child->parent() != watched || IsControlSkinned(child))
        return false;
    Visit(child);
    if (!IsComposite(child))
        Walk(child);
    return false;
}

bool TControlWalk::Gate(TSkinData::TSkinControlType type) const {
    return data && data->SkinControls().testFlag(type);
}

TSkinControl *TControlWalk::Attach(ControlKind kind, QWidget *control, bool changeColor) {
    TSkinControl *skin = factory ? factory(kind, control) : nullptr;
    if (skin)
        skin->InitSkin(skinForm, data, changeColor);
    return skin;
}

bool TControlWalk::IsControlSkinned(QWidget *control) const {
    if (SendSkinMessage(control, SM_SKINQUERY) == 1)
        return true;
    // A skin detached from the control waits to be deleted; it skins nothing.
    for (const QObject *child : control->children())
        if (const auto *skin = qobject_cast<const TSkinControl *>(child);
            skin && skin->State() != TSkinControl::SkinState::Detached)
            return true;
    return false;
}

void TControlWalk::PropagateGroupTag(QWidget *control) const {
    if (!IsRadioOrCheckGroup(control))
        return;
    for (QObject *child : control->children())
        if (child->isWidgetType())
            child->setProperty("tag", data->DisableTag());
}

void TControlWalk::SkinChildControls(QWidget *container) {
    for (QObject *child : container->children())
        if (auto *w = qobject_cast<QWidget *>(child); w && !w->isWindow())
            SkinVclControl(w);
}

void TControlWalk::SkinVclControl(QWidget *control) {
    if (!data)
        return;
    if (TagOf(control) == data->DisableTag()) {
        PropagateGroupTag(control);
        return;
    }
    if (!control->parentWidget() || IsControlSkinned(control))
        return;
    const QString className = ClassName(control);
    if (data->OnSkinControl) {
        QObject *answer = nullptr;
        data->OnSkinControl(skinForm, data, control->parentWidget(), control, className.toUpper(),
                            answer);
        if (auto *skin = qobject_cast<TSkinControl *>(answer)) {
            if (!skin->Initialized())
                skin->InitSkin(skinForm, data, skin->ChangeColor());
            if (Is<QFrame>(control))
                SkinChildControls(control);
            return;
        }
    }
    if (FindSkin3rdKind(className, control))
        return;
    const QString vendorClass = VendorClassName(control);
    // Other vendors' controls that paint themselves.
    if (vendorClass == QLatin1String("TDBCOMBOBOXEH") ||
        vendorClass == QLatin1String("TFRDESIGNERPAGE") || vendorClass == QLatin1String("TFRPBOX"))
        return;
    ClassTests(control, vendorClass);
}

void TControlWalk::ClassTests(QWidget *control, const QString &vendorClass) {
    const std::shared_ptr<const SkinObjects> skin = data->Objects();
    const bool tabs = Gate(TSkinData::xcTab) && skin && skin->Tabs;
    auto *pushButton = qobject_cast<QPushButton *>(control);
    // Every vendor class named here starts with a T, no Qt class does.
    const bool vendorNamed = vendorClass.startsWith(QLatin1Char('T'));
    const auto vendor = [&vendorClass, vendorNamed](std::initializer_list<const char *> names) {
        return vendorNamed &&
               std::any_of(names.begin(), names.end(), [&vendorClass](const char *n) {
                   return vendorClass == QLatin1String(n);
               });
    };
    if (IsTabSet(control) || vendor({"TTABSET"})) {
        if (tabs)
            Attach(ControlKind::Tab31, control);
    } else if (Is<QTabWidget>(control) || Is<QTabBar>(control)) {
        if (tabs)
            Attach(HasButtonTabs(control) ? ControlKind::TabBtn : ControlKind::Tab, control);
    } else if (tabs && IsTabPage(control)) {
        Attach(ControlKind::TabSheet, control);
    } else if (vendor({"TTABBEDNOTEBOOK"})) {
        if (tabs)
            Attach(ControlKind::Tab, control);
    } else if (vendor({"TMVCPANEL"})) {
        SkinChildControls(control);
    } else if (vendor({"TUPDOWN", "TSPINBUTTON"}) && Gate(TSkinData::xcSpin)) {
        Attach(ControlKind::UpDown, control);
    } else if (vendor({"TMEDIAPLAYER"})) {
        if (Gate(TSkinData::xcButton))
            Attach(ControlKind::MediaPlayer, control);
    } else if (vendor({"TDBNAVIGATOR"}) && Gate(TSkinData::xcPanel)) {
        Attach(ControlKind::Box, control, true);
        SkinChildControls(control);
    } else if (vendor({"TDCEDIT", "TDCDBEDIT"})) {
        // Tested before the edits and combo boxes below, which such an edit is not.
        const int buttons = GetIntPropByName(control, QStringLiteral("NumButtons"));
        if (buttons == 1 && Gate(TSkinData::xcCombo))
            Attach(ControlKind::ComBox, control);
        else if (buttons == 0 && Gate(TSkinData::xcEdit))
            Attach(ControlKind::Edit, control);
    } else if (vendor({"TRZDBCHECKBOX", "TRZCHECKBOX", "TCXDBCHECKBOX", "TCXCHECKBOX"})) {
        if (Gate(TSkinData::xcCheckBox))
            Attach(ControlKind::ObjImage, control, true);
    } else if (vendor({"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"})) {
        if (Gate(TSkinData::xcRadioButton))
            Attach(ControlKind::ObjImage, control, true);
    } else if (Is<QCheckBox>(control) && Gate(TSkinData::xcCheckBox)) {
        Attach(ControlKind::CheckBox, control);
    } else if (Is<QAbstractSpinBox>(control) && !Is<QDateTimeEdit>(control) &&
               Gate(TSkinData::xcEdit)) {
        // An edit with its up-down buddy: the edit skin skins the buttons (xcSpin).
        Attach(ControlKind::Edit, control);
    } else if (Is<QGroupBox>(control) && Gate(TSkinData::xcPanel)) {
        SkinChildControls(control);
        Attach(ControlKind::GroupBox, control);
    } else if (Is<QRadioButton>(control) && Gate(TSkinData::xcRadioButton)) {
        Attach(ControlKind::RadioButton, control);
    } else if (Is<QStatusBar>(control) && Gate(TSkinData::xcStatusBar)) {
        Attach(ControlKind::StatusBar, control);
    } else if (Is<QProgressBar>(control) && Gate(TSkinData::xcProgress)) {
        Attach(ControlKind::Progress, control);
    } else if (Is<QSlider>(control) && Gate(TSkinData::xcTrackBar)) {
        Attach(ControlKind::TrackBar, control);
    } else if ((Is<QComboBox>(control) || vendor({"TTNTCOMBOBOX"})) && Gate(TSkinData::xcCombo)) {
        Attach(ControlKind::ComBox, control);
    } else if (auto *date = qobject_cast<QDateTimeEdit *>(control);
               date && Gate(TSkinData::xcEdit)) {
        Attach(IsDropDownDate(date) ? ControlKind::DateTime : ControlKind::Edit, control);
    } else if ((Is<QTextEdit>(control) || Is<QPlainTextEdit>(control) ||
                vendor({"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"})) &&
               Gate(TSkinData::xcScrollbar)) {
        Attach(ControlKind::Scrollbar, control);
    } else if (pushButton && !pushButton->icon().isNull()) {
        // A glyph button without its gate stays as it is: it is no plain button either.
        if (Gate(TSkinData::xcBitBtn))
            Attach(ControlKind::BitButton, control);
    } else if (Is<QToolButton>(control) && Gate(TSkinData::xcSpeedButton)) {
        Attach(ControlKind::SpeedButton, control);
    } else if (control->metaObject() == &QFrame::staticMetaObject && Gate(TSkinData::xcPanel)) {
        SkinChildControls(control);
        Attach(ControlKind::Box, control, true);
    } else if (vendor({"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) &&
               Gate(TSkinData::xcScrollbar)) {
        Attach(ControlKind::Scrollbar, control);
    } else if (IsReportList(control) && Gate(TSkinData::xcScrollbar)) {
        Attach(ControlKind::ListView, control);
    } else if (HasOwnScrollbars(control) && Gate(TSkinData::xcScrollbar)) {
        Attach(ControlKind::Scrollbar, control);
    } else if (pushButton && Gate(TSkinData::xcButton)) {
        Attach(pushButton->menu() ? ControlKind::MenuButton : ControlKind::Button, control);
    } else if (Is<QLineEdit>(control) && Gate(TSkinData::xcEdit)) {
        Attach(ControlKind::Edit, control);
    } else if (Is<QDialog>(control) || Is<QMainWindow>(control)) {
        // A window embedded in the window.
        Attach(ControlKind::Box, control, true);
    }
}

void TControlWalk::SkinEditIfBordered(QWidget *control) {
    const auto *edit = qobject_cast<const QLineEdit *>(control);
    const auto *frame = qobject_cast<const QFrame *>(control);
    if ((edit && edit->hasFrame()) || (frame && frame->frameWidth() > 0))
        Attach(ControlKind::Edit, control);
}

bool TControlWalk::FindSkin3rdKind(const QString &className, QWidget *control) {
    const auto found = skin3rdKinds.constFind(className.toLower());
    if (found == skin3rdKinds.constEnd())
        return false;
    const QString &kind = found.value();
    const auto is = [&kind](const char *name) { return kind == QLatin1String(name); };
    const std::shared_ptr<const SkinObjects> skin = data->Objects();
    if (is("combobox") && Gate(TSkinData::xcCombo)) {
        Attach(ControlKind::ComBox, control);
    } else if (is("edit") && Gate(TSkinData::xcEdit)) {
        SkinEditIfBordered(control);
    } else if (is("radiobutton") && Gate(TSkinData::xcRadioButton)) {
        Attach(ControlKind::RadioButton, control);
    } else if (is("panel") && Gate(TSkinData::xcPanel)) {
        SetPropByName(control, QStringLiteral("Transparent"), QStringLiteral("True"));
        Attach(ControlKind::Box, control, true);
    } else if (is("trackbar") && Gate(TSkinData::xcTrackBar)) {
        SetPropByName(control, QStringLiteral("Transparent"), QStringLiteral("True"));
        Attach(ControlKind::TrackBar, control);
    } else if (is("button") && Gate(TSkinData::xcButton)) {
        Attach(ControlKind::Button, control);
    } else if (is("datetimepicker") && Gate(TSkinData::xcCombo)) {
        Attach(ControlKind::DateTime, control);
    } else if (is("mediaplayer") && Gate(TSkinData::xcButton)) {
        Attach(ControlKind::MediaPlayer, control);
    } else if (is("bitbtn") && Gate(TSkinData::xcButton)) {
        const bool dropDown = className.toLower() == QLatin1String("tcxbutton") &&
                              GetEnumPropByName(control, QStringLiteral("Kind")) ==
                                  QLatin1String("cxbkDropDownButton");
        Attach(dropDown ? ControlKind::MenuButton : ControlKind::BitButton, control);
    } else if (is("pngbitbtn") && Gate(TSkinData::xcButton)) {
        if (auto *button = qobject_cast<TSkinBitButton *>(Attach(ControlKind::BitButton, control)))
            button->SetGlyphPropName(QStringLiteral("PngImage"));
    } else if (is("menubtn") && Gate(TSkinData::xcButton)) {
        Attach(ControlKind::MenuButton, control);
    } else if (is("speedbutton") && Gate(TSkinData::xcSpeedButton)) {
        Attach(ControlKind::SpeedButton, control);
    } else if (is("tab") && Gate(TSkinData::xcTab) && skin && skin->Tabs) {
        Attach(ControlKind::Tab, control);
    } else if (is("progress") && Gate(TSkinData::xcProgress)) {
        Attach(ControlKind::Progress, control);
    } else if ((is("scrollbar") || is("singlescrollbar")) && Gate(TSkinData::xcScrollbar)) {
        auto *bars = qobject_cast<TSkinScrollbar *>(Attach(ControlKind::Scrollbar, control));
        if (is("scrollbar"))
            SkinChildControls(control);
        else if (bars)
            bars->SetSingleBar();
    } else if (is("embedscrollbar") && Gate(TSkinData::xcScrollbar)) {
        for (QObject *child : control->children())
            if (auto *w = qobject_cast<QWidget *>(child); w && HasOwnScrollbars(w))
                Attach(ControlKind::Scrollbar, w);
    } else if (is("container")) {
        SkinChildControls(control);
    } else if (is("groupbox") && Gate(TSkinData::xcGroupBox)) {
        Attach(ControlKind::GroupBox, control, true);
    } else if (is("advpagecontrol") && Gate(TSkinData::xcTab)) {
        Attach(ControlKind::AdvPage, control, true);
    } else if ((is("radiogroup") && Gate(TSkinData::xcGroupBox)) ||
               (is("checkgroup") && Gate(TSkinData::xcPanel))) {
        const bool radio = is("radiogroup");
        if (Gate(TSkinData::xcRadioButton))
            for (QObject *child : control->children())
                if (auto *w = qobject_cast<QWidget *>(child)) {
                    const bool vendor = ClassName(w).toUpper().contains(QLatin1String("TRZ"));
                    Attach(vendor  ? ControlKind::ObjImage
                           : radio ? ControlKind::RadioButton
                                   : ControlKind::CheckBox,
                           w, vendor);
                }
        if (radio || Gate(TSkinData::xcGroupBox))
            Attach(ControlKind::GroupBox, control, true);
    } else if (is("checkbox") && Gate(TSkinData::xcCheckBox)) {
        Attach(ControlKind::CheckBox, control);
    }
    return true;
}

void TControlWalk::SkinNativeWindow(QWidget *control) {
    if (!data || TagOf(control) == data->DisableTag() || IsControlSkinned(control))
        return;
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        if (Gate(TSkinData::xcButton) && !button->text().isEmpty())
            Attach(button->icon().isNull() ? ControlKind::Button : ControlKind::BitButton, control);
    } else if (Is<QCheckBox>(control)) {
        if (Gate(TSkinData::xcCheckBox))
            Attach(ControlKind::CheckBox, control);
    } else if (Is<QRadioButton>(control)) {
        if (Gate(TSkinData::xcRadioButton))
            Attach(ControlKind::RadioButton, control);
    } else if (Is<QComboBox>(control)) {
        if (Gate(TSkinData::xcCombo))
            Attach(ControlKind::ComBox, control);
    } else if (Is<QSizeGrip>(control)) {
        Attach(ControlKind::Sizer, control);
    } else if (Is<QDialog>(control)) {
        Walk(control);
        Attach(ControlKind::BoxH, control);
    } else if (Is<QProgressBar>(control)) {
        Attach(ControlKind::Progress, control);
    } else if (Is<QTabBar>(control)) {
        if (Gate(TSkinData::xcTab))
            Attach(ControlKind::Tab, control);
    } else if (Is<QToolBar>(control)) {
        Attach(ControlKind::BoxH, control);
    } else if (Is<QLineEdit>(control)) {
        if (Gate(TSkinData::xcEdit))
            Attach(ControlKind::Edit, control);
    }
}

} // namespace skin
