// Benchmarks of the record lists over generated ledgers: the period-list refresh (query, fill,
// count, total), the count and total alone, and the CSV export of a list.
#include "benchledger.h"
#include "ledger/app/paths.h"
#include "ledger/data/db.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/inoutpage.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QApplication>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace ledger;

namespace {

// `rows` income rows over the last ten years plus a tenth as many expense rows.
void fillIncome(Db &db, int rows) {
    static const char *const staff[] = {"张三", "李四", "王五", "赵六"};
    static const char *const items[] = {"工资", "奖金", "利息", "兼职", "报销"};
    static const char *const forms[] = {"现金", "CCB", "ICBC"};
    const QDate first = QDate::currentDate().addYears(-10);
    const int total = rows + rows / 10;
    bench::RowInserter insert(db, QStringLiteral("insert into kx_InAndOut(staffname,ProjectName,"
                                                 "FundsNum,FundsType,Account,[Memo],EventDate,"
                                                 "myType,UserId) values(?,?,?,?,?,?,?,?,1)"));
    for (int i = 0; i < total; ++i) {
        const bool income = i % 11 != 10;
        const int form = i % 3;
        insert.insert({QString::fromUtf8(staff[i % 4]), QString::fromUtf8(items[i % 5]),
                       double(1 + (i * 37) % 100000) / 100.0, QString::fromUtf8(forms[form]),
                       form == 0 ? QString() : QStringLiteral("6222%1").arg(i % 50),
                       i % 7 == 0 ? QStringLiteral("备注 %1, 第二项").arg(i) : QString(),
                       first.addDays((qint64(i) * 3650) / total).toString(kDateFmt),
                       income ? 1 : -1});
    }
}

TfrmDM &openLedger(int rows) {
    return bench::openLedger(QStringLiteral("income-%1").arg(rows),
                             [rows](Db &db) { fillIncome(db, rows); });
}

// The income page showing every period.
std::unique_ptr<InOutPage> incomePage() {
    auto page = std::make_unique<InOutPage>(InOutKind::income());
    page->findChild<QRadioButton *>(QStringLiteral("rdb_in_all"))->setChecked(true);
    return page;
}

void PeriodListRefresh(benchmark::State &state) {
    openLedger(int(state.range(0)));
    auto page = incomePage();
    for (auto _ : state) {
        page->showList();
        benchmark::DoNotOptimize(page->recordTotal());
    }
    state.counters["listed"] = page->list()->count();
    state.SetItemsProcessed(state.iterations() * page->list()->count());
}

void PeriodTotals(benchmark::State &state) {
    openLedger(int(state.range(0)));
    auto page = incomePage();
    RecordTotals totals;
    for (auto _ : state) {
        totals = page->queryTotals();
        benchmark::DoNotOptimize(totals.total);
    }
    state.counters["counted"] = totals.count;
}

void CsvExport(benchmark::State &state) {
    openLedger(int(state.range(0)));
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

} // namespace

BENCHMARK(PeriodListRefresh)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
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
