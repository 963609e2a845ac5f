// Benchmarks of the control skins with the program's own skin: one push button painted, the
// income page's maintenance form painted with its controls skinned, and the control walk over
// the main window with all its pages.
#include "ledger/app/programskin.h"
#include "ledger/core/webpane.h"
#include "ledger/mainwindow/tfrmmain.h"
#include "ledger/records/inoutpage.h"
#include "skin/controls/skinstyle.h"
#include "skin/controls/tcontrolwalk.h"
#include "skin/controls/tskinbutton.h"
#include "skin/window/twinskinform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPushButton>
#include <QStackedWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void UseSkinStyle() {
    static const bool installed = [] {
        QApplication::setStyle(new skin::SkinStyle);
        return true;
    }();
    Q_UNUSED(installed);
}

// Renders a widget as the screen gets it (through its skins) into a reused image.
void Render(QWidget *widget, QImage &image) {
    if (image.size() != widget->size())
        image = QImage(widget->size(), QImage::Format_ARGB32_Premultiplied);
    widget->render(&image);
}

class NullPane : public ledger::WebPane {
public:
    void navigate(const QUrl &) override {}
};

void SkinButtonPaint(benchmark::State &state) {
    UseSkinStyle();
    QWidget window;
    skin::TSkinData *data = ledger::attachProgramSkin(&window);
    auto *button = new QPushButton(QStringLiteral("保存(&S)"), &window);
    button->setGeometry(10, 10, 75, 25);
    skin::TWinSkinForm form(nullptr, nullptr);
    (new skin::TSkinButton(button))->InitSkin(&form, data, false);
    QImage image;
    for (auto _ : state)
        Render(button, image);
}

void SkinPagePaint(benchmark::State &state) {
    UseSkinStyle();
    QWidget window;
    skin::TSkinData *data = ledger::attachProgramSkin(&window);
    auto *page = new ledger::InOutPage(ledger::InOutKind::income(), &window);
    page->pages()->setCurrentIndex(1);
    window.resize(760, 480);
    page->resize(window.size());
    skin::TWinSkinForm form(nullptr, nullptr);
    skin::TControlWalk::Of(&form, data)->SkinFormControls(&window);
    QWidget *maintenance = page->pages()->currentWidget();
    QImage image;
    for (auto _ : state)
        Render(maintenance, image);
    state.counters["skinned"] = double(form.Controls().size());
}

void ControlDiscovery(benchmark::State &state) {
    UseSkinStyle();
    ledger::TfrmMain main([](QWidget *parent) {
        static NullPane pane;
        return ledger::WebPaneWidget{new QWidget(parent), &pane};
    });
    auto *data = main.findChild<skin::TSkinData *>();
    qsizetype skinned = 0;
    for (auto _ : state) {
        auto form = std::make_unique<skin::TWinSkinForm>(nullptr, nullptr);
        skin::TControlWalk::Of(form.get(), data)->SkinFormControls(&main);
        state.PauseTiming();
        skinned = form->Controls().size();
        form.reset(); // the skins go with the window's object (deleted later)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["widgets"] = double(main.findChildren<QWidget *>().size());
    state.counters["skinned"] = double(skinned);
}

} // namespace

BENCHMARK(SkinButtonPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(SkinPagePaint)->Unit(benchmark::kMillisecond);
BENCHMARK(ControlDiscovery)->Unit(benchmark::kMillisecond);
