// A window with a skinned menu bar (File, Edit, View) and a second, non-modal window with a bar
// of its own (Tools), for the menu bar's end-to-end run. Each drop-down is titled after its
// button ("Edit menu") so that the run sees it open; once skinned, the program prints each
// button of the first window's bar as "<name> x y w h" in window coordinates, then
// "opened <name>" each time a drop-down opens.
#include "skin/menus/tskinmenulayer.h"
#include "skin/menus/twinskinmenu.h"
#include "skin/window/twinskinform.h"
#include "support/skin/windowfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextStream>

using namespace skin;
using namespace skin::test;

namespace {

QTextStream out(stdout);

void AddMenu(QMainWindow &window, const QString &caption, const QString &item) {
    QMenu *menu = window.menuBar()->addMenu(caption);
    menu->addAction(item);
    const QString name = QString(caption).remove(QLatin1Char('&'));
    menu->setWindowTitle(name + QStringLiteral(" menu"));
    QObject::connect(menu, &QMenu::aboutToShow,
                     [name] { out << QStringLiteral("opened ") << name << Qt::endl; });
}

void SetUp(QMainWindow &window, const QString &title, QPoint at) {
    window.setWindowTitle(title);
    window.setCentralWidget(new QLineEdit);
    window.resize(400, 240);
    window.move(at);
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TWindowFixture fixture;
    TSkinMenuLayer layer;
    fixture.Manager().SetMenuLayer(&layer);

    QMainWindow bar, second;
    AddMenu(bar, QStringLiteral("&File"), QStringLiteral("Open"));
    AddMenu(bar, QStringLiteral("&Edit"), QStringLiteral("Cut"));
    AddMenu(bar, QStringLiteral("&View"), QStringLiteral("Zoom"));
    AddMenu(second, QStringLiteral("&Tools"), QStringLiteral("Options"));
    SetUp(bar, QStringLiteral("Bar window"), QPoint(100, 100));
    SetUp(second, QStringLiteral("Second window"), QPoint(600, 100));
    fixture.AddSkinData(TTestSkin(), &bar);
    TWinSkinForm *form = fixture.Show(&bar);
    fixture.Show(&second);

    if (auto *menus = form ? dynamic_cast<TWinSkinMenu *>(form->MenuBar()) : nullptr)
        for (const auto &button : menus->Buttons()) {
            const QRect r = button->Rect();
            out << QString(button->Caption).remove(QLatin1Char('&')) << ' ' << r.x() << ' ' << r.y()
                << ' ' << r.width() << ' ' << r.height() << Qt::endl;
        }
    return app.exec();
}
