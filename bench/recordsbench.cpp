// Benchmarks of the record lists over generated ledgers: the period-list refresh (keys, count,
// total and the first screen painted), scrolling to the end of a refreshed list, the count and
// total alone, the CSV export of a list (every row read), and opening the ledger.
#include "benchledger.h"
#include "ledger/app/paths.h"
#include "ledger/data/db.h"
#include "ledger/data/ledgerschemacheck.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/inoutpage.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace ledger;
using bench::openIncomeLedger;

namespace {

// The income page showing every period, on screen at the size it has in the main window.
std::unique_ptr<InOutPage> incomePage() {
    auto page = std::make_unique<InOutPage>(InOutKind::income());
    page->findChild<QRadioButton *>(QStringLiteral("rdb_in_all"))->setChecked(true);
    page->resize(750, 560);
    page->show();
    return page;
}

// Paints what the list shows.
void paintList(InOutPage &page) {
    benchmark::DoNotOptimize(page.list()->viewport()->grab());
}

void PeriodListRefresh(benchmark::State &state) {
    openIncomeLedger(int(state.range(0)));
    auto page = incomePage();
    for (auto _ : state) {
        page->showList();
        paintList(*page);
        benchmark::DoNotOptimize(page->recordTotal());
    }
    state.counters["listed"] = page->list()->count();
    state.SetItemsProcessed(state.iterations() * page->list()->count());
}

// From the first screen of a refreshed list to its last screen painted.
void PeriodListScrollToEnd(benchmark::State &state) {
    openIncomeLedger(int(state.range(0)));
    auto page = incomePage();
    for (auto _ : state) {
        state.PauseTiming();
        page->showList();
        paintList(*page);
        state.ResumeTiming();
        page->list()->scrollToBottom();
        paintList(*page);
    }
    state.counters["listed"] = page->list()->count();
}

void PeriodTotals(benchmark::State &state) {
    openIncomeLedger(int(state.range(0)));
    auto page = incomePage();
    RecordTotals totals;
    for (auto _ : state) {
        totals = page->queryTotals();
        benchmark::DoNotOptimize(totals.total);
    }
    state.counters["counted"] = totals.count;
}

void CsvExport(benchmark::State &state) {
    openIncomeLedger(int(state.range(0)));
    auto page = incomePage();
    page->showList();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("list.csv"));
    for (auto _ : state) {
        if (!listViewToCsv(*page->list()->records(), file))
            state.SkipWithError("export failed");
    }
    state.counters["rows"] = page->list()->count();
    state.SetBytesProcessed(state.iterations() * QFileInfo(file).size());
}

// Opening the ledger as start-up does (keyed, its tables and columns checked), and the check
// alone.
void LedgerOpen(benchmark::State &state) {
    const QString file = openIncomeLedger(int(state.range(0))).adoConn().path();
    for (auto _ : state) {
        Db db;
        if (!openLedger(db, file, kDatabaseKey))
            state.SkipWithError("open failed");
    }
}

void LedgerSchemaCheck(benchmark::State &state) {
    Db &db = openIncomeLedger(int(state.range(0))).adoConn();
    for (auto _ : state)
        benchmark::DoNotOptimize(ledgerSchemaFaults(db));
}

} // namespace

BENCHMARK(LedgerOpen)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(LedgerSchemaCheck)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PeriodListRefresh)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(PeriodListScrollToEnd)->Arg(1000000)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(PeriodTotals)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(CsvExport)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
