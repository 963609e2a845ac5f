// Benchmarks of the account figures over generated ledgers of mixed movements (income and
// expenses, transfers, loans): the account list with every account's computed balance, one
// account's history, and the four summary figures.
#include "benchledger.h"
#include "ledger/accounts/bankpage.h"
#include "ledger/accounts/tfrmhislist.h"
#include "ledger/app/paths.h"
#include "ledger/balances/summarytab.h"
#include "ledger/data/db.h"
#include "ledger/records/recordlist.h"

#include <QDate>
#include <QRadioButton>
#include <benchmark/benchmark.h>

using namespace ledger;

namespace {

const QString kCash = QStringLiteral("现金");

QString accountType(int account) {
    return account % 2 ? QStringLiteral("信用卡") : QStringLiteral("储蓄卡");
}

QString accountNumber(int account) {
    return QStringLiteral("6222%1").arg(account, 4, 10, QLatin1Char('0'));
}

// `movements` movements over ten years: seven in ten income or expense, two transfers, one
// loan. With cash, a third of them touch cash and the rest spread over the accounts; every
// account is reconciled half-way.
void fillMovements(Db &db, int movements, int accounts, bool withCash) {
    bench::RowInserter card(db, QStringLiteral("insert into kx_Card(StaffName, CardCompany, "
                                               "FundsType, Account, Balance, InitBalance, "
                                               "IsValid, UserId, eventDate) "
                                               "values('张三','银行',?,?,1000,1000,'1',1,?)"));
    bench::RowInserter checkpoint(
        db, QStringLiteral("insert into kx_card_duizhang(status, cardid, balance, inandoutid, "
                           "transid, borrowid) select ?, ?, 1000, "
                           "(select coalesce(max(id),0) from kx_InAndOut), "
                           "(select coalesce(max(TransId),0) from kx_Transfer), "
                           "(select coalesce(max(BorrowId),0) from kx_Borrow)"));
    bench::RowInserter inOut(db, QStringLiteral("insert into kx_InAndOut(staffname, ProjectName, "
                                                "FundsNum, FundsType, Account, EventDate, myType, "
                                                "UserId) values('张三',?,?,?,?,?,?,1)"));
    bench::RowInserter transfer(db, QStringLiteral("insert into kx_Transfer(outFundsType, "
                                                   "outAccount, FundsNum, inFundsType, "
                                                   "inAccount, EventDate, UserId) "
                                                   "values(?,?,?,?,?,?,1)"));
    bench::RowInserter loan(db, QStringLiteral("insert into kx_Borrow(FundsType, Account, "
                                               "FundsNum, myType, LoanName, EventDate, UserId) "
                                               "values(?,?,?,?,'李四',?,1)"));
    const QDate first = QDate::currentDate().addYears(-10);
    for (int a = 0; a < accounts; ++a) {
        card.insert({accountType(a), accountNumber(a), first.toString(QLatin1String(kDateFmt))});
        checkpoint.insert({QVariant(), a + 1});
    }
    for (int i = 0; i < movements; ++i) {
        if (i == movements / 2) {
            for (int a = 0; a < accounts; ++a)
                checkpoint.insert({QStringLiteral("对账"), a + 1});
        }
        const int a = (i * 7) % accounts;
        const bool cash = withCash && i % 3 == 0;
        const QString type = cash ? kCash : accountType(a);
        const QString number = cash ? QString() : accountNumber(a);
        const double amount = double(1 + (i * 37) % 100000) / 100.0;
        const QString date =
            first.addDays((qint64(i) * 3650) / movements).toString(QLatin1String(kDateFmt));
        const int kind = i % 10;
        if (kind < 7) {
            inOut.insert({kind < 4 ? QStringLiteral("工资") : QStringLiteral("餐饮"), amount, type,
                          number, date, kind < 4 ? 1 : -1});
        } else if (kind < 9) {
            const int other = (a + 1) % accounts;
            const bool toCash = !withCash || other == a;
            transfer.insert({type, number, amount, toCash ? kCash : accountType(other),
                             toCash ? QString() : accountNumber(other), date});
        } else {
            loan.insert({type, number, amount, i % 20 == 9 ? -1 : 1, date});
        }
    }
}

void openMixed(int movements) {
    bench::openLedger(QStringLiteral("mixed-%1").arg(movements),
                      [movements](Db &db) { fillMovements(db, movements, 100, true); });
}

// The accounts page's list refresh under "全部": every account with its computed balance,
// formatted into the list, with the count and the total.
void AccountList(benchmark::State &state) {
    openMixed(int(state.range(0)));
    BankPage page;
    page.findChild<QRadioButton *>(QStringLiteral("rdb_bank_all"))->setChecked(true);
    for (auto _ : state)
        page.showList();
    state.counters["accounts"] = page.list()->count();
}

void AccountHistory(benchmark::State &state) {
    const int movements = int(state.range(0));
    bench::openLedger(QStringLiteral("one-account-%1").arg(movements),
                      [movements](Db &db) { fillMovements(db, movements, 1, false); });
    TfrmHisList dialog;
    for (auto _ : state)
        dialog.buildHistory(accountType(0), accountNumber(0), dialog.list());
    state.counters["rows"] = dialog.list()->count();
}

void Summary(benchmark::State &state) {
    openMixed(int(state.range(0)));
    SummaryTab tab;
    for (auto _ : state)
        tab.sbtn_huizong_refreshClick();
}

} // namespace

BENCHMARK(AccountList)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(AccountHistory)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Summary)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
