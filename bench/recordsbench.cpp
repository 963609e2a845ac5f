// Benchmarks of the record lists over generated ledgers: the period-list refresh (keys, count,
// total and the first screen painted), scrolling to the end of a refreshed list, the count and
// total alone, and the CSV export of a list (every row read).
#include "ledger/app/paths.h"
#include "ledger/data/db.h"
#include "ledger/data/schema.h"
#include "ledger/data/tfrmdm.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/inoutpage.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <optional>

using namespace ledger;

namespace {

// One generated ledger file: `rows` income rows over the last ten years plus a tenth as many
// expense rows, inserted in one transaction.
class GeneratedLedger {
public:
    explicit GeneratedLedger(int rows) {
        QDir(m_dir.path()).mkpath(QStringLiteral("bin"));
        QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
        m_paths = DataPaths::fromProgramDir(m_dir.path() + QStringLiteral("/bin/"));
        Db db;
        QString error;
        if (!db.create(m_paths.databaseFile, kDatabaseKey, &error))
            qFatal("cannot create ledger: %s", qPrintable(error));
        createSchema(db);
        static const char *const staff[] = {"张三", "李四", "王五", "赵六"};
        static const char *const items[] = {"工资", "奖金", "利息", "兼职", "报销"};
        static const char *const forms[] = {"现金", "CCB", "ICBC"};
        const QDate first = QDate::currentDate().addYears(-10);
        Transaction transaction(db);
        const int total = rows + rows / 10;
        const QString sql = QStringLiteral("insert into kx_InAndOut(staffname,ProjectName,FundsNum,"
                                           "FundsType,Account,[Memo],EventDate,myType,UserId) "
                                           "values(?,?,?,?,?,?,?,?,1)");
        std::optional<Statement> insert;
        for (int i = 0; i < total; ++i) {
            const bool income = i % 11 != 10;
            const int form = i % 3;
            const QVariantList values = {
                QString::fromUtf8(staff[i % 4]),
                QString::fromUtf8(items[i % 5]),
                double(1 + (i * 37) % 100000) / 100.0,
                QString::fromUtf8(forms[form]),
                form == 0 ? QString() : QStringLiteral("6222%1").arg(i % 50),
                i % 7 == 0 ? QStringLiteral("备注 %1, 第二项").arg(i) : QString(),
                first.addDays((qint64(i) * 3650) / total).toString(kDateFmt),
                income ? 1 : -1};
            if (insert) {
                insert->reset();
                insert->bindAll(values);
            } else {
                insert.emplace(db, sql, values);
            }
            insert->next();
        }
        transaction.commit();
        db.close();
    }
    const DataPaths &paths() const { return m_paths; }

private:
    QTemporaryDir m_dir;
    DataPaths m_paths;
};

// The ledger of a size, generated once per run; one data module open at a time.
TfrmDM &openLedger(int rows) {
    static std::map<int, std::unique_ptr<GeneratedLedger>> ledgers;
    static std::unique_ptr<TfrmDM> module;
    static int openRows = -1;
    if (openRows != rows) {
        module.reset();
        auto &ledger = ledgers[rows];
        if (!ledger)
            ledger = std::make_unique<GeneratedLedger>(rows);
        module = std::make_unique<TfrmDM>(ledger->paths());
        if (module->DataModuleCreate() != TfrmDM::OpenResult::Opened)
            qFatal("cannot open generated ledger");
        openRows = rows;
    }
    return *module;
}

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
    openLedger(int(state.range(0)));
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
    openLedger(int(state.range(0)));
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
