// The control walk: which skin each kind of widget is given, what is left alone, and
// controls added after the walk.
#include "skin/controls/controlskinfactory.h"
#include "skin/controls/tcontrolwalk.h"
#include "skin/controls/tskincontrol.h"
#include "skin/controls/tskinscrollbar.h"
#include "skin/window/twinskinform.h"
#include "support/skin/skinnedwidgets.h"

#include <QtTest>
#include <QtWidgets>

using namespace skin;
using namespace skin::test;

class MyLineEdit : public QLineEdit {
    Q_OBJECT
};
class MyMemo : public QPlainTextEdit {
    Q_OBJECT
};
// Other vendors' classes, known by name.
class TTabSet : public QTabBar {
    Q_OBJECT
};
class TDBNavigator : public QFrame {
    Q_OBJECT
};
class TDcEdit : public QLineEdit {
    Q_OBJECT
};
class TDBComboBoxEh : public QComboBox {
    Q_OBJECT
};
class TDxDBGrid : public QTreeWidget {
    Q_OBJECT
};

namespace {

using Choices = QStringList; // "kind objectName", in the order the walk asks for them

// A walk whose factory also notes every kind it is asked for, made or not.
TControlWalk *RecordingWalk(TWinSkinForm *form, TSkinData *data, Choices *choices) {
    TControlWalk *walk = TControlWalk::Of(form, data);
    walk->SetFactory([choices](ControlKind kind, QWidget *control) {
        choices->append(kindName(kind) + QLatin1Char(' ') + control->objectName());
        return CreateControlSkin(kind, control);
    });
    return walk;
}

template <class T> T *Add(QWidget *parent, const char *name, QLayout *layout = nullptr) {
    auto *w = new T; // the layout makes it the parent's
    w->setObjectName(QLatin1String(name));
    (layout ? layout : parent->layout())->addWidget(w);
    return w;
}

QStringList KindsOf(const TWinSkinForm &form) {
    QStringList kinds;
    for (const QPointer<QObject> &c : form.Controls())
        if (const auto *skin = qobject_cast<const TSkinControl *>(c))
            kinds << kindName(skin->Kind()) + QLatin1Char(' ') + skin->Control()->objectName();
    return kinds;
}

} // namespace

class TestTControlWalk : public QObject {
    Q_OBJECT

private:
    TTestSkin testSkin;
    std::unique_ptr<TSkinData> data = LoadedSkinData(testSkin);

private slots:
    void factoryMakesTheKindAsked();
    void everyKind();
    void skin3rdAndGates_data();
    void skin3rdAndGates();
    void controlsAddedLater();
    void standardDialogByWidgetClass();
    void classNameRows();
    void singleScrollbar();
};

void TestTControlWalk::factoryMakesTheKindAsked() {
    QWidget form;
    auto *button = new QPushButton(&form);
    const QList<std::pair<ControlKind, QWidget *>> built = {
        {ControlKind::Button, button},
        {ControlKind::BitButton, button},
        {ControlKind::MenuButton, button},
        {ControlKind::SpeedButton, new QToolButton(&form)},
        {ControlKind::CheckBox, new QCheckBox(&form)},
        {ControlKind::RadioButton, new QRadioButton(&form)},
        {ControlKind::GroupBox, new QGroupBox(&form)},
        {ControlKind::StatusBar, new QStatusBar(&form)},
        {ControlKind::Box, new QFrame(&form)}};
    for (const auto &[kind, widget] : built) {
        std::unique_ptr<TSkinControl> skin(CreateControlSkin(kind, widget));
        QVERIFY2(skin && skin->Kind() == kind, kindName(kind).data());
    }
    // A skin for a widget it cannot paint gives nothing.
    auto *label = new QLabel(&form);
    for (const ControlKind kind :
         {ControlKind::Button, ControlKind::GroupBox, ControlKind::StatusBar, ControlKind::Edit})
        QVERIFY2(!CreateControlSkin(kind, label), kindName(kind).data());
    QVERIFY(!CreateControlSkin(ControlKind::Button, nullptr));
}

void TestTControlWalk::everyKind() {
    QWidget form;
    new QVBoxLayout(&form);
    Add<QPushButton>(&form, "push");
    Add<QPushButton>(&form, "glyph")->setIcon(QIcon(QPixmap(8, 8)));
    auto *menuButton = Add<QPushButton>(&form, "menu");
    menuButton->setMenu(new QMenu(menuButton));
    Add<QToolButton>(&form, "tool");
    Add<QCheckBox>(&form, "check");
    Add<QRadioButton>(&form, "radio");
    auto *group = Add<QGroupBox>(&form, "group");
    Add<QCheckBox>(group, "inGroup", new QVBoxLayout(group));
    auto *radios = Add<QGroupBox>(&form, "radios");
    radios->setProperty("tag", 99);
    Add<QRadioButton>(radios, "groupRadio", new QVBoxLayout(radios));
    Add<QLineEdit>(&form, "edit");
    Add<QComboBox>(&form, "combo")->setEditable(true);
    Add<QSpinBox>(&form, "spin");
    Add<QDateEdit>(&form, "date")->setCalendarPopup(true);
    Add<QTimeEdit>(&form, "time");
    Add<QPlainTextEdit>(&form, "memo");
    Add<QTreeWidget>(&form, "report");
    Add<QListWidget>(&form, "list");
    Add<QProgressBar>(&form, "progress");
    Add<QSlider>(&form, "slider");
    Add<QFrame>(&form, "panel");
    Add<QLabel>(&form, "label");
    auto *tabs = Add<QTabWidget>(&form, "tabs");
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    tabs->addTab(page, QStringLiteral("Page"));
    auto *area = Add<QScrollArea>(&form, "area");
    auto *content = new QWidget;
    area->setWidget(content);
    Add<QPushButton>(content, "inArea", new QVBoxLayout(content));
    Add<QStatusBar>(&form, "status");
    Add<QStatusBar>(&form, "noStatus")->setProperty("tag", 99);

    TWinSkinForm skinForm(nullptr, nullptr);
    Choices choices;
    RecordingWalk(&skinForm, data.get(), &choices)->SkinFormControls(&form);
    const Choices expected = {
        "TSkinButton push",      "TSkinBitButton glyph",   "TSkinMenuButton menu",
        "TSkinSpeedButton tool", "TSkinCheckBox check",    "TSkinRadioButton radio",
        "TSkinCheckBox inGroup", "TSkinGroupBox group",    "TSkinEdit edit",
        "TSkinComBox combo",     "TSkinEdit spin",         "TSkinDateTime date",
        "TSkinEdit time",        "TSkinScrollbar memo",    "TSkinListView report",
        "TSkinScrollbar list",   "TSkinProgress progress", "TSkinTrackBar slider",
        "TSkinBox panel",        "TSkinTab tabs",          "TSkinTabSheet page",
        "TSkinScrollbar area",   "TSkinButton inArea",     "TSkinStatusBar status"};
    QCOMPARE(choices, expected);
    // The skins asked for are attached and listed, with those they add for their parts.
    QCOMPARE(KindsOf(skinForm), (QStringList{"TSkinButton push",
                                             "TSkinBitButton glyph",
                                             "TSkinMenuButton menu",
                                             "TSkinSpeedButton tool",
                                             "TSkinCheckBox check",
                                             "TSkinRadioButton radio",
                                             "TSkinCheckBox inGroup",
                                             "TSkinGroupBox group",
                                             "TSkinEdit edit",
                                             "TSkinComBox combo",
                                             "TSkinEdit spin",
                                             "TSkinDateTime date",
                                             "TSkinEdit time",
                                             "TSkinScrollbar memo",
                                             "TSkinListView report",
                                             "TSkinListView qt_scrollarea_viewport",
                                             "TSkinScrollbar list",
                                             "TSkinProgress progress",
                                             "TSkinTrackBar slider",
                                             "TSkinBox panel",
                                             "TSkinTab tabs",
                                             "TSkinUpDown ScrollLeftButton",
                                             "TSkinUpDown ScrollRightButton",
                                             "TSkinTabSheet page",
                                             "TSkinScrollbar area",
                                             "TSkinButton inArea",
                                             "TSkinStatusBar status"}));
    QCOMPARE(radios->findChild<QRadioButton *>()->property("tag").toInt(), 99);
    for (const QWidget *w : form.findChildren<QWidget *>())
        QVERIFY2(!w->testAttribute(Qt::WA_NativeWindow), qPrintable(w->objectName()));
}

void TestTControlWalk::skin3rdAndGates_data() {
    QTest::addColumn<QString>("skin3rd");
    QTest::addColumn<int>("switchedOff"); // a SkinControls member
    QTest::addColumn<Choices>("expected");
    const int none = 0;
    QTest::newRow("class tests") << "" << none << Choices{"TSkinEdit mine", "TSkinBitButton glyph"};
    QTest::newRow("nil") << "MyLineEdit=nil" << none << Choices{"TSkinBitButton glyph"};
    QTest::newRow("listed, gate off: no class tests")
        << "mylineedit=button" << int(TSkinData::xcButton) << Choices{"TSkinBitButton glyph"};
    QTest::newRow("glyph button without its gate")
        << "" << int(TSkinData::xcBitBtn) << Choices{"TSkinEdit mine"};
}

void TestTControlWalk::skin3rdAndGates() {
    QFETCH(QString, skin3rd);
    QFETCH(int, switchedOff);
    QFETCH(Choices, expected);
    TSkinData local;
    local.SetSkinStream(testSkin.Packed());
    local.SetSkin3rd(local.Skin3rd() << skin3rd);
    local.SetSkinControls(local.SkinControls() & ~TSkinData::TSkinControlTypes(switchedOff));
    QWidget form;
    new QVBoxLayout(&form);
    auto *mine = new MyLineEdit;
    mine->setObjectName(QStringLiteral("mine"));
    form.layout()->addWidget(mine);
    Add<QPushButton>(&form, "glyph")->setIcon(QIcon(QPixmap(8, 8)));
    TWinSkinForm skinForm(nullptr, nullptr);
    Choices choices;
    RecordingWalk(&skinForm, &local, &choices)->SkinFormControls(&form);
    QCOMPARE(choices, expected);
}

void TestTControlWalk::controlsAddedLater() {
    QWidget form;
    new QVBoxLayout(&form);
    auto *page = Add<QWidget>(&form, "page");
    new QVBoxLayout(page);
    TWinSkinForm skinForm(nullptr, nullptr);
    TControlWalk::Of(&skinForm, data.get())->SkinFormControls(&form);
    form.show();
    // A page filled when first shown: its controls are skinned as they appear.
    auto *box = Add<QGroupBox>(page, "box");
    Add<QCheckBox>(box, "late", new QVBoxLayout(box));
    QCoreApplication::processEvents();
    QCOMPARE(KindsOf(skinForm), (QStringList{"TSkinCheckBox late", "TSkinGroupBox box"}));
}

void TestTControlWalk::standardDialogByWidgetClass() {
    QWidget dialog;
    new QVBoxLayout(&dialog);
    Add<QLabel>(&dialog, "text");
    auto *group = Add<QGroupBox>(&dialog, "group");
    Add<QCheckBox>(group, "again", new QVBoxLayout(group));
    auto *buttons = Add<QDialogButtonBox>(&dialog, "buttons");
    buttons->addButton(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    TWinSkinForm skinForm(nullptr, nullptr);
    Choices choices;
    RecordingWalk(&skinForm, data.get(), &choices)->SkinNativeChildren(&dialog);
    QCOMPARE(choices, (Choices{"TSkinCheckBox again", "TSkinButton ok", "TSkinButton cancel"}));
}

void TestTControlWalk::classNameRows() {
    QWidget form;
    new QVBoxLayout(&form);
    Add<QTabBar>(&form, "set")->setShape(QTabBar::RoundedSouth);
    Add<TTabSet>(&form, "named");
    auto *navigator = Add<TDBNavigator>(&form, "navigator");
    Add<QToolButton>(navigator, "navButton", new QHBoxLayout(navigator));
    Add<TDcEdit>(&form, "dc1")->setProperty("NumButtons", 1);
    Add<TDcEdit>(&form, "dc0")->setProperty("numbuttons", 0);
    Add<TDcEdit>(&form, "dcNone");
    Add<TDBComboBoxEh>(&form, "eh");
    Add<TDxDBGrid>(&form, "grid");
    TWinSkinForm skinForm(nullptr, nullptr);
    TControlWalk::Of(&skinForm, data.get())->SkinFormControls(&form);
    // A TDcEdit by its buttons, tested before the edits; TDBComboBoxEh left alone. With one
    // button the rule asks for the combo skin, which draws a combo box's drop button and follows
    // its list: a line edit has neither, so dc1 keeps its own look.
    QCOMPARE(KindsOf(skinForm),
             (QStringList{"TSkinTab31 set", "TSkinTab31 named", "TSkinBox navigator",
                          "TSkinSpeedButton navButton", "TSkinEdit dc0", "TSkinScrollbar grid"}));
}

void TestTControlWalk::singleScrollbar() {
    // The bars alone: skinned without the border (background mode Skin).
    TSkinData local;
    local.SetSkinStream(testSkin.Packed());
    local.SetSkin3rd(local.Skin3rd() << QStringLiteral("MyMemo=singlescrollbar"));
    QWidget form;
    new QVBoxLayout(&form);
    auto *memo = Add<MyMemo>(&form, "memo");
    TWinSkinForm skinForm(nullptr, nullptr);
    TControlWalk::Of(&skinForm, &local)->SkinFormControls(&form);
    const auto *skin = memo->findChild<TSkinScrollbar *>();
    QVERIFY(skin && skin->Background() == TSkinControl::BackgroundMode::Skin);
}

QTEST_MAIN(TestTControlWalk)
#include "tst_tcontrolwalk.moc"
