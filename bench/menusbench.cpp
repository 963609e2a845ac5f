// A popup menu of eight items shown and painted once, with the program's skin (its border and
// items drawn by the menu layer) and without (the application style), in the same run.
#include "ledger/app/programskin.h"
#include "skin/controls/skinstyle.h"
#include "skin/menus/tskinmenulayer.h"
#include "skin/window/tskinmanage.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void MenuOpen(benchmark::State &state, bool skinned) {
    static const bool styled = [] {
        QApplication::setStyle(new skin::SkinStyle);
        return true;
    }();
    Q_UNUSED(styled);
    skin::TSkinManage manager;
    skin::TSkinMenuLayer layer;
    if (skinned)
        manager.SetMenuLayer(&layer);
    QWidget window;
    ledger::attachProgramSkin(&window);
    window.resize(400, 300);
    window.show();
    QApplication::processEvents();
    QMenu menu(&window);
    for (const char *text :
         {"撤销(&U)", "重做(&R)", "剪切(&T)", "复制(&C)", "粘贴(&P)", "删除", "全选(&A)"})
        menu.addAction(QString::fromUtf8(text));
    menu.insertSeparator(menu.actions().at(2));
    QImage image;
    bool wrapped = false;
    for (auto _ : state) {
        menu.popup(window.mapToGlobal(QPoint(40, 40)));
        if (image.size() != menu.size())
            image = QImage(menu.size(), QImage::Format_ARGB32_Premultiplied);
        menu.render(&image);
        wrapped = menu.style() != QApplication::style();
        menu.hide();
    }
    state.counters["wrapped"] = wrapped;
}

void SkinMenuOpen(benchmark::State &state) {
    MenuOpen(state, true);
}

void PlainMenuOpen(benchmark::State &state) {
    MenuOpen(state, false);
}

} // namespace

BENCHMARK(SkinMenuOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainMenuOpen)->Unit(benchmark::kMicrosecond);
