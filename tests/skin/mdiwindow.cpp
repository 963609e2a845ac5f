// The skin engine's test window: an MDI frame ("MDI window", a menu bar with File and Window)
// whose area holds the children "Notes" and "Entry", above a tab set (tabs hanging below a line).
// It is skinned as the program's windows are: the same style, manager and layers, and a
// component with the program's skin; with the argument "--unskinned" it has no skin.
//
// For the end-to-end run it prints, whenever they change, one line per child and one for the
// MDI buttons, every rectangle "x,y,w,h" in screen coordinates:
//   child <title> active=<0|1> state=<normal|max|min> frame=<x,y,w,h> max=<rect>
//   mdibuttons none | mdibuttons min=<rect> restore=<rect> close=<rect>
//   closed <title>
// (a caption button that does not show has the rectangle "-").
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskincontrollayer.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tskindata.h"
#include "skin/menus/tskinmenulayer.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"
#include "skinresource.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

using namespace skin;

namespace {

QTextStream out(stdout);

QString Rect(const QRect &r) {
    return r.isEmpty()
               ? QStringLiteral("-")
               : QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The screen rectangle of the shown caption button of `form` with that Action.
QRect ButtonRect(const TWinSkinForm *form, int action) {
    if (!form)
        return QRect();
    for (const auto &button : form->CaptionButtons())
        if (button->Action() == action && button->Visible())
            return button->Rect().translated(form->Handle()->mapToGlobal(QPoint(0, 0)));
    return QRect();
}

QString ChildLine(QMdiArea &area, QMdiSubWindow *child) {
    const TWinSkinForm *form = SkinManager() ? SkinManager()->FindSkinnedWindow(child) : nullptr;
    const bool active = form ? form->IsActive() : area.activeSubWindow() == child;
    const char *state = child->isMaximized() ? "max" : child->isMinimized() ? "min" : "normal";
    return QStringLiteral("child %1 active=%2 state=%3 frame=%4 max=%5")
        .arg(child->windowTitle())
        .arg(active ? 1 : 0)
        .arg(QLatin1String(state))
        .arg(Rect(QRect(child->mapToGlobal(QPoint(0, 0)), child->size())))
        .arg(Rect(child->isMaximized() ? QRect() : ButtonRect(form, cbaMaximize)));
}

QString MDIButtonsLine(const QMainWindow &window) {
    const TWinSkinForm *form = SkinManager() ? SkinManager()->FindSkinnedWindow(&window) : nullptr;
    const QRect min = ButtonRect(form, cbaMDIMinimize);
    if (min.isEmpty())
        return QStringLiteral("mdibuttons none");
    return QStringLiteral("mdibuttons min=%1 restore=%2 close=%3")
        .arg(Rect(min), Rect(ButtonRect(form, cbaMDIRestore)), Rect(ButtonRect(form, cbaMDIClose)));
}

QMdiSubWindow *AddChild(QMdiArea &area, const QString &title, QWidget *content, QRect geometry) {
    QMdiSubWindow *child = area.addSubWindow(content);
    child->setWindowTitle(title);
    child->setGeometry(geometry);
    QObject::connect(child, &QObject::destroyed,
                     [title] { out << QStringLiteral("closed ") << title << Qt::endl; });
    return child;
}

QWidget *EntryForm() {
    auto *form = new QWidget;
    auto *layout = new QFormLayout(form);
    layout->addRow(QStringLiteral("Payee"), new QLineEdit(QStringLiteral("Grocer")));
    auto *kind = new QComboBox;
    kind->addItems({QStringLiteral("Expense"), QStringLiteral("Income")});
    layout->addRow(QStringLiteral("Kind"), kind);
    layout->addRow(new QCheckBox(QStringLiteral("Continuous adding")));
    layout->addRow(new QPushButton(QStringLiteral("Save")));
    return form;
}

QTabBar *TabSet() {
    auto *tabs = new QTabBar;
    tabs->setShape(QTabBar::RoundedSouth);
    tabs->setExpanding(false);
    for (const char *caption : {"Summary", "Income", "Expenses", "Accounts"})
        tabs->addTab(QString::fromLatin1(caption));
    tabs->setCurrentIndex(1);
    return tabs;
}

TSkinData *AttachSkin(QWidget *window) {
    kexboraInitSkinResource();
    QFile package(QStringLiteral(":/skins/kexbora.skn"));
    auto *data = new TSkinData(window);
    data->SetActive(true);
    data->SetSkinFormtype(TSkinData::sfMainform);
    data->SetOptions(TSkinData::xoPreview | TSkinData::xoToolbarBK);
    TSkinData::TSkinControlTypes controls =
        TSkinData::TSkinControlTypes::fromInt((TSkinData::xcFastReport << 1) - 1);
    controls.setFlag(TSkinData::xcMenuItem, false);
    controls.setFlag(TSkinData::xcFastReport, false);
    data->SetSkinControls(controls);
    data->SetSkinStream(package.open(QIODevice::ReadOnly) ? package.readAll() : QByteArray());
    data->Loaded();
    return data;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const bool skinned = !app.arguments().contains(QStringLiteral("--unskinned"));
    QApplication::setStyle(new SkinStyle);
    if (skinned) {
        InstallSkinManager();
        InstallControlLayer();
        InstallMenuLayer();
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("MDI window"));
    auto *area = new QMdiArea;
    area->setBackground(QColor(0x6a, 0x7f, 0x96));
    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->addWidget(area, 1);
    column->addWidget(TabSet());
    window.setCentralWidget(central);
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Quit"), &app, &QApplication::quit);
    QMenu *windows = window.menuBar()->addMenu(QStringLiteral("&Window"));
    windows->addAction(QStringLiteral("&Tile"), area, &QMdiArea::tileSubWindows);
    windows->addAction(QStringLiteral("&Cascade"), area, &QMdiArea::cascadeSubWindows);

    auto *notes = new QTextEdit;
    notes->setPlainText(QStringLiteral("Rent is due on the first.\nPay the water bill."));
    AddChild(*area, QStringLiteral("Notes"), notes, QRect(12, 12, 330, 210));
    AddChild(*area, QStringLiteral("Entry"), EntryForm(), QRect(210, 110, 330, 230));
    window.resize(760, 560);
    window.move(80, 60);
    if (skinned)
        AttachSkin(&window);
    window.show();

    // The states as the run waits for them, printed as they change.
    QString last;
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&] {
        QStringList lines;
        for (QMdiSubWindow *child : area->subWindowList(QMdiArea::CreationOrder))
            lines << ChildLine(*area, child);
        lines << MDIButtonsLine(window);
        const QString now = lines.join(QLatin1Char('\n'));
        if (now != last)
            out << now << Qt::endl;
        last = now;
    });
    report.start(50);
    return app.exec();
}
