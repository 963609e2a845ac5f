// Benchmarks of the control skins with the program's own skin: one push button, scroll bar,
// combo box and edit painted, the income page's maintenance form painted with its controls
// skinned, the income list of 100,000 records scrolled by a page skinned and unskinned, the
// statistics page's tab widget painted and switched (skinned and not, in the same run), and the
// control walk over the main window with all its pages.
#include "benchledger.h"
#include "ledger/app/programskin.h"
#include "ledger/core/webpane.h"
#include "ledger/mainwindow/tfrmmain.h"
#include "ledger/records/inoutpage.h"
#include "ledger/records/recordlist.h"
#include "ledger/stats/statisticspage.h"
#include "skin/controls/skinstyle.h"
#include "skin/controls/tcontrolwalk.h"
#include "skin/controls/tskinbutton.h"
#include "skin/controls/tskincombox.h"
#include "skin/controls/tskinedit.h"
#include "skin/controls/tskinlistview.h"
#include "skin/controls/tskinscrollbar.h"
#include "skin/window/twinskinform.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <functional>
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

// Paints one control of 160 x 22 (or the given geometry) skinned by a new Skin with the
// program's skin, as the screen gets it; `before` runs ahead of each paint.
template <class Skin, class Widget>
void PaintSkinned(benchmark::State &state, Widget *control, QWidget *painted = nullptr,
                  QRect geometry = QRect(10, 10, 160, 22),
                  const std::function<void()> &before = {}) {
    UseSkinStyle();
    QWidget window;
    skin::TSkinData *data = ledger::attachProgramSkin(&window);
    control->setParent(&window);
    control->setGeometry(geometry);
    skin::TWinSkinForm form(nullptr, nullptr);
    (new Skin(control))->InitSkin(&form, data, false);
    window.resize(geometry.right() + 20, geometry.bottom() + 20);
    window.show();
    QImage image;
    for (auto _ : state) {
        if (before)
            before();
        Render(painted ? painted : control, image);
    }
}

void SkinButtonPaint(benchmark::State &state) {
    PaintSkinned<skin::TSkinButton>(state, new QPushButton(QStringLiteral("保存(&S)")), nullptr,
                                    QRect(10, 10, 75, 25));
}

void SkinScrollBarPaint(benchmark::State &state) {
    auto *memo = new QPlainTextEdit(QStringLiteral("行\n").repeated(400));
    QScrollBar *bar = memo->verticalScrollBar();
    int step = 0;
    // The thumb moves at every paint.
    PaintSkinned<skin::TSkinScrollbar>(state, memo, bar, QRect(0, 0, 300, 400), [&] {
        bar->setValue(++step % std::max(1, bar->maximum()));
    });
}

void SkinComboPaint(benchmark::State &state) {
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("工资"), QStringLiteral("奖金")});
    PaintSkinned<skin::TSkinComBox>(state, combo);
}

void SkinEditPaint(benchmark::State &state) {
    PaintSkinned<skin::TSkinEdit>(state, new QLineEdit(QStringLiteral("张三 88.00")));
}

// The income list of state.range(0) records showing every period, paged down (and back up at
// the end) and painted with its bars and header, as the screen gets it.
void ListScroll(benchmark::State &state, bool skinned) {
    UseSkinStyle();
    ledger::bench::openIncomeLedger(int(state.range(0)));
    QWidget window;
    skin::TSkinData *data = ledger::attachProgramSkin(&window);
    auto *page = new ledger::InOutPage(ledger::InOutKind::income(), &window);
    page->findChild<QRadioButton *>(QStringLiteral("rdb_in_all"))->setChecked(true);
    window.resize(750, 560);
    page->resize(window.size());
    window.show();
    page->showList();
    skin::TWinSkinForm form(nullptr, nullptr);
    ledger::RecordList *list = page->list();
    if (skinned)
        (new skin::TSkinListView(list))->InitSkin(&form, data, false);
    QScrollBar *bar = list->verticalScrollBar();
    QImage image;
    Render(list, image);
    for (auto _ : state) {
        if (bar->value() >= bar->maximum())
            bar->setValue(0);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        Render(list, image);
    }
    state.counters["listed"] = double(list->count());
}

void SkinListScroll(benchmark::State &state) {
    ListScroll(state, true);
}

void PlainListScroll(benchmark::State &state) {
    ListScroll(state, false);
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

// The statistics page in a window, its controls skinned when `skinned`.
struct StatsWindow {
    QWidget window;
    skin::TWinSkinForm form{nullptr, nullptr};
    ledger::StatisticsPage *page = new ledger::StatisticsPage(&window);
    explicit StatsWindow(bool skinned) {
        skin::TSkinData *data = ledger::attachProgramSkin(&window);
        window.resize(760, 480);
        page->resize(window.size());
        if (skinned)
            skin::TControlWalk::Of(&form, data)->SkinFormControls(&window);
    }
};

// The tab bar and pane alone (the tab widget's own paint, without its pages).
void SkinTabPaint(benchmark::State &state) {
    UseSkinStyle();
    StatsWindow stats(state.range(0) != 0);
    QTabWidget *tabs = stats.page->pclStat();
    QImage image(tabs->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        tabs->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    state.counters["skinned"] = double(stats.form.Controls().size());
}

// A switch to the next tab, painted with its page.
void SkinTabSwitch(benchmark::State &state) {
    UseSkinStyle();
    StatsWindow stats(state.range(0) != 0);
    QTabWidget *tabs = stats.page->pclStat();
    QImage image;
    int next = 0;
    for (auto _ : state) {
        next = (next + 1) % tabs->count();
        tabs->setCurrentIndex(next);
        Render(tabs, image);
    }
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
BENCHMARK(SkinScrollBarPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(SkinComboPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(SkinEditPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainListScroll)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SkinListScroll)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SkinPagePaint)->Unit(benchmark::kMillisecond);
BENCHMARK(SkinTabPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SkinTabSwitch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ControlDiscovery)->Unit(benchmark::kMillisecond);
