// Benchmarks of the statistics and the backup over generated ledgers: the period summary tab's
// search (query, list, totals), the income pie tab's search (sums per source, chart), and a
// verified backup of the whole file.
#include "benchledger.h"
#include "ledger/data/dbbackup.h"
#include "ledger/records/recordlist.h"
#include "ledger/stats/periodsummarytab.h"
#include "ledger/stats/pietab.h"

#include <QChart>
#include <QDir>
#include <QFileInfo>
#include <QPieSeries>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace ledger;
using bench::openIncomeLedger;

namespace {

// The ten years the generated ledgers span.
const QDate kBegin = QDate::currentDate().addYears(-11);
const QDate kEnd = QDate::currentDate();

void StatPeriodList(benchmark::State &state) {
    openIncomeLedger(int(state.range(0)));
    PeriodSummaryTab tab;
    tab.setRange(kBegin, kEnd);
    for (auto _ : state)
        tab.showHuizong();
    state.counters["listed"] = tab.list()->count();
}

void StatPie(benchmark::State &state) {
    openIncomeLedger(int(state.range(0)));
    std::unique_ptr<PieTab> tab(PieTab::income());
    tab->setRange(kBegin, kEnd);
    for (auto _ : state)
        tab->search();
    const auto *pie = static_cast<QPieSeries *>(tab->chart()->series().value(0));
    state.counters["slices"] = pie ? pie->count() : 0;
}

void Backup(benchmark::State &state) {
    Db &db = openIncomeLedger(int(state.range(0))).adoConn();
    QTemporaryDir dir;
    const QDateTime time = QDateTime::currentDateTime();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString file = DbBackup::backup(db.path(), db.key(), dir.path(), time);
        state.PauseTiming();
        bytes = QFileInfo(file).size();
        QFile::remove(file);
        state.ResumeTiming();
    }
    state.counters["MB"] = double(bytes) / (1024 * 1024);
    state.SetBytesProcessed(state.iterations() * bytes);
}

// A restore of a backup of the open ledger: the copy staged and read page by page, then
// swapped in and reopened.
void Restore(benchmark::State &state) {
    Db &db = openIncomeLedger(int(state.range(0))).adoConn();
    QTemporaryDir dir;
    const QString file =
        DbBackup::backup(db.path(), db.key(), dir.path(), QDateTime::currentDateTime());
    for (auto _ : state)
        DbBackup::restore(db, file);
    state.counters["MB"] = double(QFileInfo(file).size()) / (1024 * 1024);
    state.SetBytesProcessed(state.iterations() * QFileInfo(file).size());
}

} // namespace

BENCHMARK(StatPeriodList)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(StatPie)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Backup)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Restore)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
