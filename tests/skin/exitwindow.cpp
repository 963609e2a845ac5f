// A program that leaves its skinned windows alive when it ends, as many Qt programs leave a main
// window made with new: an MDI frame (a menu bar, an area holding a child with a text edit, so
// skinned scroll bars too) and a plain window. With "--exec" the event loop runs and is quit
// from a timer once both are skinned; without it main returns as soon as they are. Either way
// the program must end with status 0.
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskincontrollayer.h"
#include "skin/menus/tskinmenulayer.h"
#include "skin/window/tskinmanage.h"
#include "support/skin/testskin.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace skin;

namespace {

void AttachSkin(QWidget *window) {
    auto *data = new TSkinData(window);
    data->SetActive(true);
    data->SetSkinFormtype(TSkinData::sfMainform);
    data->SetSkinStream(test::TTestSkin().Packed());
    data->Loaded();
}

bool Skinned(const QWidget *window) {
    return SkinManager() && SkinManager()->FindSkinnedWindow(window);
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(new SkinStyle);
    InstallSkinManager();
    InstallControlLayer();
    InstallMenuLayer();

    auto *frame = new QMainWindow;
    auto *area = new QMdiArea;
    frame->setCentralWidget(area);
    frame->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("Quit"));
    auto *notes = new QTextEdit;
    notes->setPlainText(QStringLiteral("line\n").repeated(80));
    QMdiSubWindow *child = area->addSubWindow(notes);
    child->setGeometry(10, 10, 300, 200);
    frame->resize(600, 400);
    AttachSkin(frame);
    frame->show();
    auto *plain = new QLabel(QStringLiteral("plain"));
    plain->resize(200, 100);
    plain->show();

    if (!QTest::qWaitFor([&] { return Skinned(frame) && Skinned(child) && Skinned(plain); }))
        return 2;
    if (!app.arguments().contains(QStringLiteral("--exec")))
        return 0;
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
