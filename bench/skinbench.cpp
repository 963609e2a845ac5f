// Skinned frames with the program's own skin: painting the whole frame, and building the window
// region when the size changes.
#include "ledger/app/programskin.h"
#include "skin/data/tskindata.h"
#include "skin/window/formregion.h"
#include "skin/window/frameimages.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

using namespace skin;

// A window of w x h (frame included) skinned with the program's skin.
struct SkinnedWindow {
    SkinnedWindow(int w, int h) {
        window.setWindowTitle(QStringLiteral("Quorvane"));
        ledger::attachProgramSkin(&window);
        window.resize(w, h);
        window.show();
        QApplication::processEvents();
        QApplication::processEvents();
        form = manager.FindSkinnedWindow(&window);
        window.resize(w, h); // the whole window, frame included
        QApplication::processEvents();
    }
    TSkinManage manager;
    QWidget window;
    TWinSkinForm *form = nullptr;
};

void PrintFrame(QWidget &window, QPainter &painter) {
    SendSkinMessage(&window, SM_SKINPRINTFRAME, painter, SkinSignature);
}

// Every paint after the first: the border images of this size are built already.
void SkinFramePaint(benchmark::State &state, int w, int h) {
    SkinnedWindow skinned(w, h);
    if (!skinned.form) {
        state.SkipWithError("window not skinned");
        return;
    }
    QImage target(skinned.window.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    for (auto _ : state)
        PrintFrame(skinned.window, painter);
}

// The first paint after a resize: the border and plate images are built again.
void SkinFramePaintResized(benchmark::State &state, int w, int h) {
    SkinnedWindow skinned(w, h);
    if (!skinned.form) {
        state.SkipWithError("window not skinned");
        return;
    }
    QImage target(skinned.window.size() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        skinned.window.resize(w + (step ^= 1), h);
        state.ResumeTiming();
        PrintFrame(skinned.window, painter);
    }
}

// Building the region of a new size, the border images drawn anew.
void SkinRegion(benchmark::State &state, int w, int h) {
    SkinnedWindow skinned(w, h);
    if (!skinned.form) {
        state.SkipWithError("window not skinned");
        return;
    }
    const QSize size(w, h);
    for (auto _ : state) {
        TFrameImages images;
        benchmark::DoNotOptimize(BuildFormRegion(*skinned.form->Skin(), images, size,
                                                 skinned.form->Layout().Metrics(), true));
    }
}

// Named <benchmark>/<width>x<height>.
const bool registered = [] {
    for (const QSize size : {QSize(970, 670), QSize(1920, 1080)}) {
        const std::string suffix =
            "/" + std::to_string(size.width()) + "x" + std::to_string(size.height());
        for (const auto &[name, run] : {std::pair{"SkinFramePaint", &SkinFramePaint},
                                        std::pair{"SkinFramePaintResized", &SkinFramePaintResized},
                                        std::pair{"SkinRegion", &SkinRegion}})
            benchmark::RegisterBenchmark((name + suffix).c_str(), run, size.width(), size.height())
                ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
