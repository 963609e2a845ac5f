// The record pages of the main window: income and expenses.
#include "ledger/mainwindow/tfrmmain.h"

#include "ledger/records/inoutpage.h"
#include "ui_tfrmmain.h"

#include <QStackedWidget>
#include <QVBoxLayout>

namespace ledger {

namespace {

InOutPage *placePage(QWidget *sheet, const InOutKind &kind) {
    auto *layout = sheet->layout() ? sheet->layout() : new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *page = new InOutPage(kind, sheet);
    layout->addWidget(page);
    return page;
}

InOutPage *pageOn(QWidget *sheet) {
    return sheet->findChild<InOutPage *>();
}

} // namespace

void TfrmMain::createRecordPages() {
    placePage(ui->tbsIncome, InOutKind::income());
    placePage(ui->tbsOut, InOutKind::expense());
}

void TfrmMain::openRecordPage(int pageIndex) {
    QWidget *sheet = pageIndex == IncomePage ? ui->tbsIncome
                     : pageIndex == OutPage  ? ui->tbsOut
                                             : nullptr;
    InOutPage *page = sheet ? pageOn(sheet) : nullptr;
    if (!page)
        return;
    if (sheet->property("tag").toInt() == 0) {
        sheet->setProperty("tag", 1);
        page->pages()->setCurrentIndex(0);
    }
    // This month, or everything when the month has no rows.
    page->showCurrentPeriod();
}

void TfrmMain::showIncome() {
    if (InOutPage *page = pageOn(ui->tbsIncome))
        page->showList();
}

void TfrmMain::showOut() {
    if (InOutPage *page = pageOn(ui->tbsOut))
        page->showList();
}

} // namespace ledger
