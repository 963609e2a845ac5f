// The skin engine's test window: an MDI frame ("MDI window", a menu bar with File and Window)
// whose area holds the children "Notes" and "Entry", above a tab set (tabs hanging below a line).
// It is skinned as the program's windows are: the same style, manager and layers, and a
// component with the program's skin; with the argument "--unskinned" it has no skin. With
// "--late-area" the window starts without its area, which an "Open area" button gives it; with
// "--rtl" it is laid out right to left. File > New child (Ctrl+N) adds a child, Window > Restore
// restores the active one, and F12 switches the skin off and on.
//
// For the end-to-end run it prints, whenever they change, one line per child, one for the MDI
// buttons and one for each of the other states below, every rectangle "x,y,w,h" in screen
// coordinates:
//   child <title> active=<0|1> state=<normal|max|min> frame=<x,y,w,h> max=<rect>
//   mdibuttons none | mdibuttons min=<rect> restore=<rect> close=<rect>
//   closed <title>
//   skinned <0|1> caption=<the skinned caption's text>
//   area rect=<rect> | area none
//   open button=<rect>               (while the window waits for its area)
//   menu first=<rect of the skinned bar's first button> popup=<rect of the open menu, or ->
// (a caption button that does not show has the rectangle "-").
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskincontrollayer.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tskindata.h"
#include "skin/menus/tskinmenulayer.h"
#include "skin/window/tframemenubar.h"
#include "skin/window/tncobject.h"
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
#include <QShortcut>
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

QString SkinLine(const QMainWindow &window) {
    const TWinSkinForm *form = SkinManager() ? SkinManager()->FindSkinnedWindow(&window) : nullptr;
    return QStringLiteral("skinned %1 caption=%2")
        .arg(form ? 1 : 0)
        .arg(form ? form->Layout().TitleText().trimmed() : QString());
}

QString AreaLine(const QMdiArea *area) {
    if (!area)
        return QStringLiteral("area none");
    const QWidget *viewport = area->viewport();
    return QStringLiteral("area rect=") +
           Rect(QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size()));
}

// The skinned bar's first button and the menu open now.
QString MenuLine(const QMainWindow &window) {
    const TWinSkinForm *form = SkinManager() ? SkinManager()->FindSkinnedWindow(&window) : nullptr;
    QRect first;
    if (form && form->MenuBar() && !form->MenuBar()->Objects().empty())
        first = form->MenuBar()->Objects().front()->Rect().translated(window.mapToGlobal(QPoint()));
    const QWidget *popup = QApplication::activePopupWidget();
    return QStringLiteral("menu first=%1 popup=%2")
        .arg(Rect(first), Rect(popup && popup->isVisible() ? popup->geometry() : QRect()));
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

// The area with its two children above the tab set.
QWidget *Workspace(QMdiArea *&area) {
    area = new QMdiArea;
    area->setBackground(QColor(0x6a, 0x7f, 0x96));
    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->addWidget(area, 1);
    column->addWidget(TabSet());
    auto *notes = new QTextEdit;
    notes->setPlainText(QStringLiteral("Rent is due on the first.\nPay the water bill."));
    AddChild(*area, QStringLiteral("Notes"), notes, QRect(12, 12, 330, 210));
    AddChild(*area, QStringLiteral("Entry"), EntryForm(), QRect(210, 110, 330, 230));
    return central;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool skinned = !arguments.contains(QStringLiteral("--unskinned"));
    QApplication::setStyle(new SkinStyle);
    if (skinned) {
        InstallSkinManager();
        InstallControlLayer();
        InstallMenuLayer();
    }

    // Left alive when main returns, as many programs leave their main window.
    auto &window = *new QMainWindow;
    window.setWindowTitle(QStringLiteral("MDI window"));
    if (arguments.contains(QStringLiteral("--rtl")))
        window.setLayoutDirection(Qt::RightToLeft);
    QMdiArea *area = nullptr;
    QPushButton *open = nullptr;
    if (arguments.contains(QStringLiteral("--late-area"))) {
        open = new QPushButton(QStringLiteral("Open area"));
        QObject::connect(open, &QPushButton::clicked, &window, [&window, &area, &open] {
            open = nullptr;
            window.setCentralWidget(Workspace(area));
        });
        auto *waiting = new QWidget;
        (new QVBoxLayout(waiting))->addWidget(open, 0, Qt::AlignCenter);
        window.setCentralWidget(waiting);
    } else {
        window.setCentralWidget(Workspace(area));
    }
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    int made = 0;
    file->addAction(QStringLiteral("&New child"), QKeySequence(Qt::CTRL | Qt::Key_N), &window,
                    [&area, &made] {
                        if (!area)
                            return;
                        const int n = ++made;
                        AddChild(*area, QStringLiteral("Child %1").arg(n), new QTextEdit,
                                 QRect(40 + 30 * n, 40 + 30 * n, 300, 200))
                            ->show();
                    });
    file->addAction(QStringLiteral("&Quit"), &app, &QApplication::quit);
    QMenu *windows = window.menuBar()->addMenu(QStringLiteral("&Window"));
    windows->addAction(QStringLiteral("&Tile"), &window, [&area] {
        if (area)
            area->tileSubWindows();
    });
    windows->addAction(QStringLiteral("&Cascade"), &window, [&area] {
        if (area)
            area->cascadeSubWindows();
    });
    windows->addAction(QStringLiteral("&Restore"), &window, [&area] {
        if (QMdiSubWindow *child = area ? area->activeSubWindow() : nullptr)
            child->showNormal();
    });
    window.resize(760, 560);
    window.move(80, 60);
    TSkinData *data = skinned ? AttachSkin(&window) : nullptr;
    auto *toggle = new QShortcut(QKeySequence(Qt::Key_F12), &window);
    QObject::connect(toggle, &QShortcut::activated, [data] {
        if (data)
            data->SetActive(!data->Active());
    });
    window.show();

    // The states as the run waits for them, printed as they change.
    QString last;
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&] {
        QStringList lines;
        if (area)
            for (QMdiSubWindow *child : area->subWindowList(QMdiArea::CreationOrder))
                lines << ChildLine(*area, child);
        lines << MDIButtonsLine(window) << SkinLine(window) << AreaLine(area) << MenuLine(window);
        if (open)
            lines << QStringLiteral("open button=") +
                         Rect(QRect(open->mapToGlobal(QPoint(0, 0)), open->size()));
        const QString now = lines.join(QLatin1Char('\n'));
        if (now != last)
            out << now << Qt::endl;
        last = now;
    });
    report.start(50);
    return app.exec();
}
