// Benchmarks of the statistics and the backup over generated ledgers: the period summary list
// with its totals, the income pie's sums per source, and a verified backup of the whole file.
#include "benchledger.h"
#include "ledger/data/dbbackup.h"
#include "ledger/data/statsqueries.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace ledger;
using bench::openLedger;

namespace {

// The ten years the generated ledgers span.
const QDate kBegin = QDate::currentDate().addYears(-11);
const QDate kEnd = QDate::currentDate();

void StatPeriodList(benchmark::State &state) {
    Db &db = openLedger(int(state.range(0))).adoConn();
    int rows = 0;
    for (auto _ : state) {
        const PeriodSummary summary = StatsQueries(db).periodSummary(kBegin, kEnd);
        rows = summary.rows.count();
        benchmark::DoNotOptimize(summary.income);
    }
    state.counters["listed"] = rows;
}

void StatPie(benchmark::State &state) {
    Db &db = openLedger(int(state.range(0))).adoConn();
    int slices = 0;
    for (auto _ : state) {
        const QVector<ProjectSum> sums = StatsQueries(db).projectSums(1, kBegin, kEnd);
        slices = int(sums.size());
        benchmark::DoNotOptimize(sums.data());
    }
    state.counters["slices"] = slices;
}

void Backup(benchmark::State &state) {
    Db &db = openLedger(int(state.range(0))).adoConn();
    QTemporaryDir dir;
    const QDateTime time = QDateTime::currentDateTime();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString file = DbBackup::backup(db, dir.path(), time);
        state.PauseTiming();
        bytes = QFileInfo(file).size();
        QFile::remove(file);
        state.ResumeTiming();
    }
    state.counters["MB"] = double(bytes) / (1024 * 1024);
    state.SetBytesProcessed(state.iterations() * bytes);
}

} // namespace

BENCHMARK(StatPeriodList)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(StatPie)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Backup)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
