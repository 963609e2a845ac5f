// The record pages of the main window: income, expenses, accounts, transfers and loans.
#include "ledger/mainwindow/tfrmmain.h"

#include "ledger/accounts/bankpage.h"
#include "ledger/core/formtools.h"
#include "ledger/loans/loanpage.h"
#include "ledger/records/inoutpage.h"
#include "ledger/transfers/transferpage.h"
#include "ui_tfrmmain.h"

#include <QStackedWidget>

namespace ledger {

namespace {

RecordPage *pageOn(QWidget *sheet) {
    return sheet->findChild<RecordPage *>();
}

} // namespace

void TfrmMain::createRecordPages() {
    placeOnSheet(ui->tbsIncome, new InOutPage(InOutKind::income()));
    placeOnSheet(ui->tbsOut, new InOutPage(InOutKind::expense()));
    // Qualified: the page indexes BankPage and TransferPage hide the class names here.
    placeOnSheet(ui->tbsBank, new ledger::BankPage);
    placeOnSheet(ui->tbsTransfer, new ledger::TransferPage);
    placeOnSheet(ui->tbsBorrow, new LoanPage);
}

void TfrmMain::openRecordPage(int pageIndex) {
    QWidget *const sheets[] = {ui->tbsIncome, ui->tbsOut, ui->tbsBank, ui->tbsTransfer,
                               ui->tbsBorrow};
    QWidget *sheet = pageIndex >= IncomePage && pageIndex <= BorrowPage
                         ? sheets[pageIndex - IncomePage]
                         : nullptr;
    RecordPage *page = sheet ? pageOn(sheet) : nullptr;
    if (!page)
        return;
    if (sheet->property("tag").toInt() == 0) {
        sheet->setProperty("tag", 1);
        page->pages()->setCurrentIndex(0);
    }
    if (auto *bank = qobject_cast<ledger::BankPage *>(page)) {
        bank->showValid();
        return;
    }
    // This month, or everything when the month has no rows.
    page->showCurrentPeriod();
}

void TfrmMain::showIncome() {
    if (RecordPage *page = pageOn(ui->tbsIncome))
        page->showList();
}

void TfrmMain::showOut() {
    if (RecordPage *page = pageOn(ui->tbsOut))
        page->showList();
}

} // namespace ledger
